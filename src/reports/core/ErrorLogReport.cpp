#include "reports/core/ErrorLogReport.h"

#include "platform/core/Clock.h"
#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"

using namespace Qt::StringLiterals;

bool ErrorLogReport::run(const QDate &date, const ReportFile::Target &target)
{
    const QString day = Clock::dateText(date);
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        ReportParts::opening(page, m_db, u"::Error report for the "_s + day + u"::"_s,
                             u"Error Report for the "_s + day);
        page.sectionHeading(u"Occured Errors"_s);
        const QList<SqlRow> rows =
            m_db.select(u"select tm,dt,reason from errorlog where dt = ?"_s +
                            ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
                        {day});
        if (rows.isEmpty()) {
            ReportMessages::noResultsForDate(m_prompter);
            return false;
        }
        ReportParts::dateTimeTable(page, u"\r\n<th width=600 scope=col>Error</th>"_s, rows,
                                   u"reason"_s);
        return true;
    });
}
