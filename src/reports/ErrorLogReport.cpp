#include "ErrorLogReport.h"

#include "Clock.h"
#include "CompanyRecord.h"
#include "Database.h"
#include "ReportDates.h"
#include "ReportFile.h"
#include "ReportMessages.h"
#include "ReportPage.h"

using namespace Qt::StringLiterals;

bool ErrorLogReport::run(const QDate &date)
{
    const QString day = Clock::dateText(date);
    return ReportFile::write(m_prompter, [&](ReportPage &page) {
        page.open(u"::Error report for the "_s + day + u"::"_s, u"Error Report for the "_s + day);
        page.company(ReportPage::CompanyLine::EmployeesOf, CompanyRecord::load(m_db).name);
        page.rule();
        page.sectionHeading(u"Occured Errors"_s);
        const QList<SqlRow> rows =
            m_db.select(u"select tm,dt,reason from errorlog where dt = ?"_s +
                            ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
                        {day});
        if (rows.isEmpty()) {
            ReportMessages::noResultsForDate(m_prompter);
            return false;
        }
        page.tableHead(445, {u"\r\n<th width=115 scope=col>Date</th>"_s,
                             u"\r\n<th width=103 scope=col>Time </th>"_s,
                             u"\r\n<th width=600 scope=col>Error</th>"_s});
        for (const SqlRow &row : rows)
            page.row({row[u"dt"_s], row[u"tm"_s], row[u"reason"_s]});
        return true;
    });
}
