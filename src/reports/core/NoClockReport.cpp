#include "reports/core/NoClockReport.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"

#include <QObject>

using namespace Qt::StringLiterals;

bool NoClockReport::run(const Options &options, const ReportFile::Target &target)
{
    if (!options.noClockIns && !options.noClockOuts) {
        ReportMessages::refuse(m_prompter, QObject::tr("Please select a No Clock Option"));
        return false;
    }
    const QString date = Clock::dateText(options.date);
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        ReportParts::opening(page, m_db, u"::No Clock Report for "_s + date + u"::"_s,
                             u"No Clock report for "_s + date);
        if (options.noClockIns) {
            if (!writeSection(page, u"IN"_s, date))
                return false;
            if (options.noClockOuts)
                page.tableClose();
        }
        if (options.noClockOuts && !writeSection(page, u"OUT"_s, date))
            return false;
        return true;
    });
}

bool NoClockReport::writeSection(ReportPage &page, const QString &type, const QString &date)
{
    page.sectionHeading(type == u"IN"_s ? u"No Clock-ins"_s : u"No Clock-outs"_s);
    if (!EmployeeRecords::any(m_db)) {
        m_prompter.inform(QObject::tr("Error!"), QObject::tr("Fatal Error:No employees found!"),
                          PromptIcon::Error);
        return false;
    }
    // Read in one statement, so the list and the clockings it is checked against agree.
    const QList<SqlRow> missing = m_db.select(
        u"select employee from employees where not exists (select 1 from log where "
        "log.cardnum = employees.cardnum and log.type = ? and log.dt = ?) order by id"_s,
        {type, date});
    page.tableHead(200, {u"\r\n<th width=115 scope=col>Employee Name</th>"_s});
    // The page has always left these rows open.
    for (const SqlRow &row : missing)
        page.row({row[u"employee"_s]}, ReportPage::RowEnd::Open);
    return true;
}
