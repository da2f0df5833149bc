#include "reports/core/ReportParts.h"

#include "store/CompanyRecord.h"

using namespace Qt::StringLiterals;

namespace ReportParts {

void opening(ReportPage &page, Database &db, const QString &title, const QString &heading,
             ReportPage::CompanyLine line)
{
    page.open(title, heading);
    page.company(line, CompanyRecord::load(db).name);
    page.rule();
}

void logHeading(ReportPage &page, const QString &type)
{
    page.sectionHeading(type == u"IN"_s ? u"Log-in's"_s : u"Log-outs's"_s);
}

void dateTimeTable(ReportPage &page, const QString &thirdHeadCell, const QList<SqlRow> &rows,
                   const QString &thirdColumn)
{
    page.tableHead(445, {u"\r\n<th width=115 scope=col>Date</th>"_s,
                         u"\r\n<th width=103 scope=col>Time </th>"_s, thirdHeadCell});
    for (const SqlRow &row : rows)
        page.row({row[u"dt"_s], row[u"tm"_s], row[thirdColumn]});
}

void clockingTable(ReportPage &page, const QList<SqlRow> &rows)
{
    dateTimeTable(page, u"\r\n<th width=205 scope=col>Employee</th>"_s, rows, u"employee"_s);
}

} // namespace ReportParts
