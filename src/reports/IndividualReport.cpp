#include "IndividualReport.h"

#include "Clock.h"
#include "Database.h"
#include "NameList.h"
#include "ReportDates.h"
#include "ReportFile.h"
#include "ReportMessages.h"
#include "ReportPage.h"
#include "ReportParts.h"

#include <QObject>

using namespace Qt::StringLiterals;

QStringList IndividualReport::employeeNames()
{
    return NameList::employees(m_db);
}

bool IndividualReport::run(const Options &options)
{
    if (options.employee.isEmpty()) {
        ReportMessages::refuse(m_prompter,
                               QObject::tr("Please select an employee before continuing"));
        return false;
    }
    return ReportFile::write(m_prompter, [&](ReportPage &page) {
        page.open(u"::Individual Report for "_s + options.employee + u"::"_s,
                  u"Individual Report for  "_s + options.employee);
        page.periodLine(Clock::dateText(options.start), Clock::dateText(options.end));
        page.rule();
        // Any name is reported as typed; one without clockings gives an empty table.
        const QList<SqlRow> rows = m_db.select(
            u"select dt,tm,type from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
                u" and employee = ?"_s + ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
            ReportDates::rangeValues(options.start, options.end) << options.employee);
        page.sectionHeading(u"Clocking Information"_s);
        ReportParts::dateTimeTable(page, u"\r\n<th width=205 scope=col>Type</th>"_s, rows,
                                   u"type"_s);
        return true;
    });
}
