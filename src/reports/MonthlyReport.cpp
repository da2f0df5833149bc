#include "MonthlyReport.h"

#include "Clock.h"
#include "CompanyRecord.h"
#include "Database.h"
#include "ReportDates.h"
#include "ReportFile.h"
#include "ReportMessages.h"
#include "ReportPage.h"

#include <QObject>

using namespace Qt::StringLiterals;

bool MonthlyReport::run(const Options &options)
{
    if (!options.logIns && !options.logOuts) {
        ReportMessages::refuse(m_prompter,
                               QObject::tr("Please select a log-in type before continuing"));
        return false;
    }
    const QString period =
        Clock::dateText(options.start) + u" to "_s + Clock::dateText(options.end);
    return ReportFile::write(m_prompter, [&](ReportPage &page) {
        page.open(u"::Monthly Report for "_s + period + u"::"_s,
                  u"Monthly Report for the "_s + period);
        page.company(ReportPage::CompanyLine::EmployeesOf, CompanyRecord::load(m_db).name);
        page.rule();
        if (!(options.logIns && options.logOuts))
            return writeSection(page, options.logIns ? u"IN"_s : u"OUT"_s, options, true);
        // Both lists are closed and shown even when empty; a single list is left open.
        writeSection(page, u"IN"_s, options, false);
        page.tableClose();
        writeSection(page, u"OUT"_s, options, false);
        page.tableClose();
        page.bodyClose();
        return true;
    });
}

bool MonthlyReport::writeSection(ReportPage &page, const QString &type, const Options &options,
                                 bool stopWhenEmpty)
{
    page.sectionHeading(type == u"IN"_s ? u"Log-in's"_s : u"Log-outs's"_s);
    const QList<SqlRow> rows = m_db.select(
        u"select dt,tm,employee from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
            u" and type = ?"_s + ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
        ReportDates::rangeValues(options.start, options.end) << type);
    if (stopWhenEmpty && rows.isEmpty()) {
        ReportMessages::noResultsForPeriod(m_prompter);
        return false;
    }
    page.tableHead(445, {u"\r\n<th width=115 scope=col>Date</th>"_s,
                         u"\r\n<th width=103 scope=col>Time </th>"_s,
                         u"\r\n<th width=205 scope=col>Employee</th>"_s});
    for (const SqlRow &row : rows)
        page.row({row[u"dt"_s], row[u"tm"_s], row[u"employee"_s]});
    return true;
}
