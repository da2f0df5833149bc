#include "reports/core/BreakOccurrenceReport.h"

#include "platform/core/Prompter.h"
#include "reports/core/BreakOccurrences.h"
#include "reports/core/ReportDates.h"
#include "reports/core/ReportFile.h"
#include "reports/core/ReportMessages.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"

#include <QObject>

using namespace Qt::StringLiterals;

QList<NameList::Employee> BreakOccurrenceReport::employees()
{
    return NameList::employeesWithCards(m_db);
}

bool BreakOccurrenceReport::run(const Options &options, const ReportFile::Target &target)
{
    if (options.cardNumber.isEmpty()) {
        ReportMessages::refuse(
            m_prompter, QObject::tr("Please select an employee before processing the report"));
        return false;
    }
    // Checked before the file is opened, so a failure leaves the last page intact.
    if (!stillEmployed(options))
        return false;
    return ReportFile::write(m_prompter, target, [&](ReportPage &page) {
        const BreakOccurrences found = occurrences(options.cardNumber, options);
        const QString subject =
            options.employee + u" for "_s + ReportDates::periodText(options.start, options.end);
        ReportParts::opening(page, m_db, u"::Break occurances for "_s + subject + u"::"_s,
                             u"Break times  for "_s + subject, ReportPage::CompanyLine::WorksFor);
        writeBreaks(page, found);
        return true;
    });
}

bool BreakOccurrenceReport::stillEmployed(const Options &options)
{
    std::optional<QString> employee;
    if (!runReported(m_prompter,
                     [&] { employee = EmployeeRecords::nameOf(m_db, options.cardNumber); }))
        return false;
    if (!employee) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("The employee %1 no longer exists. Please choose again.")
                              .arg(options.employee),
                          PromptIcon::Error);
        return false;
    }
    return true;
}

BreakOccurrences BreakOccurrenceReport::occurrences(const QString &card, const Options &options)
{
    QVariantList values = ReportDates::rangeValues(options.start, options.end);
    values << card;
    const QList<SqlRow> found = m_db.select(
        u"select dt,i,out,breaknumber from breaks where "_s + ReportDates::rangeCondition(u"dt"_s) +
            u" and name = ?"_s + ReportDates::chronologicalOrder(u"dt"_s, u"i"_s),
        values);
    QList<BreakOccurrences::Break> breaks;
    for (const SqlRow &row : found)
        breaks.append({row[u"dt"_s], row[u"breaknumber"_s], row[u"i"_s], row[u"out"_s]});
    return BreakOccurrences(breaks, m_values.breaksPerDay(), m_values.breakNames);
}

// The header cells of both tables stand without a row around them and the last table is
// left open, as the page always was.
void BreakOccurrenceReport::writeBreaks(ReportPage &page, const BreakOccurrences &found) const
{
    page.sectionHeading(u"Incomplete Breaks recorded"_s);
    page.tableOpen(417);
    page.headCells({u"<th width=126 scope=col>Date</th>"_s,
                    u"<th width=126 scope=col>Break Name</th>"_s,
                    u"<th width=143 scope=col>Break Start time</th>"_s});
    const int count = m_values.breaksPerDay();
    if (count == 0)
        return;
    for (const BreakOccurrences::Line &line : found.incomplete())
        page.row(line.cells);
    page.tableClose();

    page.sectionHeading(u"Completed break records"_s);
    page.tableOpen(900);
    if (count == 1) {
        page.headCells({u"<th width=95 scope=col>Date</th>"_s,
                        u"<th width=125 scope=col>Break Name</th>"_s,
                        u"<th width=100 scope=col>Break Started</th>"_s,
                        u"<th width=100 scope=col>Break Ended</th>"_s,
                        u"<th width=120 scope=col>Total Break Time</th>"_s});
    } else {
        page.headCells({u"<th width=95 scope=col>Date</th>"_s});
        for (int number = 1; number <= count; ++number)
            page.headCells({u"<th width=110 scope=col>Break %1 Started</th>"_s.arg(number),
                            u"<th width=110 scope=col>Break %1 Ended</th>"_s.arg(number)});
        page.headCells({u"<th width=125 scope=col>Total Break Time</th>"_s});
    }
    for (const BreakOccurrences::Line &line : found.completed())
        page.row(line.cells, line.closed ? ReportPage::RowEnd::Closed : ReportPage::RowEnd::Open);
}
