#include "reports/core/MonthlyReport.h"

#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"

#include <QObject>

using namespace Qt::StringLiterals;

bool MonthlyReport::run(const Options &options, const ReportFile::Target &target)
{
    if (!options.logIns && !options.logOuts) {
        ReportMessages::refuse(m_prompter,
                               QObject::tr("Please select a log-in type before continuing"));
        return false;
    }
    const QString period = ReportDates::periodText(options.start, options.end);
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        ReportParts::opening(page, m_db, u"::Monthly Report for "_s + period + u"::"_s,
                             u"Monthly Report for the "_s + period);
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
    ReportParts::logHeading(page, type);
    const QList<SqlRow> rows = m_db.select(
        u"select dt,tm,employee from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
            u" and type = ?"_s + ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
        ReportDates::rangeValues(options.start, options.end) << type);
    if (stopWhenEmpty && rows.isEmpty()) {
        ReportMessages::noResultsForPeriod(m_prompter);
        return false;
    }
    ReportParts::clockingTable(page, rows);
    return true;
}
