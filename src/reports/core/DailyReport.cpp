#include "reports/core/DailyReport.h"

#include "platform/core/Clock.h"
#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"
#include "store/StartupValues.h"

#include <QObject>

using namespace Qt::StringLiterals;

bool DailyReport::run(const Options &options, const ReportFile::Target &target)
{
    if (!options.logIns && !options.logOuts) {
        ReportMessages::refuse(m_prompter,
                               QObject::tr("Please select either log option before continuing"));
        return false;
    }
    const QString date = Clock::dateText(options.date);
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        ReportParts::opening(page, m_db, u"::Daily Report for "_s + date + u"::"_s,
                             u"Daily Report for the "_s + date);
        // With both lists an empty one is still shown; a single list stops at no rows.
        const bool both = options.logIns && options.logOuts;
        if (options.logIns && !writeLogSection(page, u"IN"_s, date, !both))
            return false;
        if (options.logOuts && !writeLogSection(page, u"OUT"_s, date, !both))
            return false;
        if (both)
            page.bodyClose();
        if (options.breaks)
            writeBreaks(page, date);
        return true;
    });
}

bool DailyReport::writeLogSection(ReportPage &page, const QString &type, const QString &date,
                                  bool stopWhenEmpty)
{
    ReportParts::logHeading(page, type);
    const QList<SqlRow> rows =
        m_db.select(u"select dt,tm,employee from log where dt = ? and type = ?"_s +
                        ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
                    {date, type});
    if (stopWhenEmpty && rows.isEmpty()) {
        ReportMessages::noResultsForDate(m_prompter);
        return false;
    }
    ReportParts::clockingTable(page, rows);
    page.tableClose();
    return true;
}

void DailyReport::writeBreaks(ReportPage &page, const QString &date)
{
    page.sectionHeading(u"Breaks"_s);
    page.tableHead(450, {u"\r\n<th width=115 scope=col>Break Name</th>"_s,
                         u"\r\n<th width=115 scope=col>Employee</th>"_s,
                         u"\r\n<th width=103 scope=col>Started</th>"_s,
                         u"\r\n<th width=205 scope=col>Ended</th>"_s});
    const int breaksADay = m_values.breaksPerDay();
    // Any other number of breaks lists none and leaves the table open, as it always has.
    if (breaksADay == 0)
        return;
    for (int number = 1; number <= breaksADay; ++number) {
        // The card's first employee is read with the breaks rather than a query per
        // break; a card without an employee row any more shows an empty name.
        const QList<SqlRow> breaks = m_db.select(
            u"select i,out,name,(select employee from employees"
            " where employees.cardnum = breaks.name order by employees.id limit 1) as employee"
            " from breaks where breaknumber = ? and dt = ? order by i,out,name"_s,
            {QString::number(number), date});
        for (const SqlRow &taken : breaks)
            page.row({m_values.breakNames.value(number - 1), taken[u"employee"_s], taken[u"i"_s],
                      taken[u"out"_s]});
    }
    page.tableClose();
}
