#include "reports/core/IndividualReport.h"

#include "platform/core/Clock.h"
#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"

#include <QObject>

using namespace Qt::StringLiterals;

QList<NameList::Employee> IndividualReport::employees()
{
    return NameList::employeesWithCards(m_db);
}

bool IndividualReport::run(const Options &options, const ReportFile::Target &target)
{
    if (options.employee.isEmpty()) {
        ReportMessages::refuse(m_prompter,
                               QObject::tr("Please select an employee before continuing"));
        return false;
    }
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        page.open(u"::Individual Report for "_s + options.employee + u"::"_s,
                  u"Individual Report for  "_s + options.employee);
        page.periodLine(Clock::dateText(options.start), Clock::dateText(options.end));
        page.rule();
        // A typed name is reported as it stands; one without clockings gives an empty table.
        const bool byCard = !options.cardNumber.isEmpty();
        const QList<SqlRow> rows = m_db.select(
            u"select dt,tm,type from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
                (byCard ? u" and cardnum = ?"_s : u" and employee = ?"_s) +
                ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
            ReportDates::rangeValues(options.start, options.end)
                << (byCard ? options.cardNumber : options.employee));
        page.sectionHeading(u"Clocking Information"_s);
        ReportParts::dateTimeTable(page, u"\r\n<th width=205 scope=col>Type</th>"_s, rows,
                                   u"type"_s);
        return true;
    });
}
