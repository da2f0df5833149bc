#include "reports/core/EmployeeHoursReport.h"

#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "reports/core/WorkedDays.h"
#include "store/Database.h"

#include <QObject>

using namespace Qt::StringLiterals;

QList<NameList::Employee> EmployeeHoursReport::employees()
{
    return NameList::employeesWithCards(m_db);
}

bool EmployeeHoursReport::run(const Options &options, const ReportFile::Target &target)
{
    if (options.cardNumber.isEmpty()) {
        ReportMessages::refuse(m_prompter,
                               QObject::tr("Please select an employee before continuing"));
        return false;
    }
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        const WorkedDays days = workedDays(options);
        const QString subject =
            options.employee + u" for "_s + ReportDates::periodText(options.start, options.end);
        ReportParts::opening(page, m_db, u"::Working hours for "_s + subject + u"::"_s,
                             u"Working hours  for "_s + subject, ReportPage::CompanyLine::WorksFor);
        writeDates(page, u"Missing Log-in's"_s, days.missingLogIns());
        writeDates(page, u"Missing Log-out's"_s, days.missingLogOuts());
        writeValidDays(page, days);
        return true;
    });
}

// Paired in memory from one read: work tables in the shared database would mix the
// rows of two stations running the report at once.
WorkedDays EmployeeHoursReport::workedDays(const Options &options)
{
    QVariantList values = ReportDates::rangeValues(options.start, options.end);
    values << options.cardNumber;
    const QList<SqlRow> found =
        m_db.select(u"select dt,tm,type from log where "_s + ReportDates::rangeCondition(u"dt"_s) +
                        u" and cardnum = ? and type in ('IN','OUT')"_s +
                        ReportDates::chronologicalOrder(u"dt"_s, u"tm"_s, u"id"_s),
                    values);
    QList<WorkedDays::Clocking> clockings;
    for (const SqlRow &row : found)
        clockings.append({row[u"dt"_s], row[u"tm"_s], row[u"type"_s]});
    return WorkedDays(clockings);
}

// The date lists have always left their rows open.
void EmployeeHoursReport::writeDates(ReportPage &page, const QString &section,
                                     const QStringList &dates)
{
    page.sectionHeading(section);
    page.tableOpen(100);
    page.markup(u"\r\n<tr>"_s);
    page.headCells({u"\r\n<th width=115 scope=col>Date</th>"_s});
    for (const QString &date : dates)
        page.row({date}, ReportPage::RowEnd::Open);
    page.tableClose();
}

void EmployeeHoursReport::writeValidDays(ReportPage &page, const WorkedDays &days)
{
    page.sectionHeading(u"Valid Day's"_s);
    page.tableHead(250, {u"\r\n<th width=115 scope=col>Date</th>"_s,
                         u"\r\n<th width=200 scope=col>Hours </th>"_s});
    for (const WorkedDays::Day &day : days.validDays())
        page.row({day.date, day.worked.text()});
    page.tableClose();
}
