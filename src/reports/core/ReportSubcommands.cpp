#include "reports/core/ReportSubcommands.h"

#include "reports/core/BreakOccurrenceReport.h"
#include "reports/core/DailyReport.h"
#include "reports/core/EarlyLateLeaversReport.h"
#include "reports/core/EmployeeHoursReport.h"
#include "reports/core/ErrorLogReport.h"
#include "reports/core/IndividualReport.h"
#include "reports/core/MonthlyReport.h"
#include "reports/core/NoClockReport.h"
#include "reports/core/ReportOptions.h"

#include <QObject>

using namespace Qt::StringLiterals;

namespace {

// The choices of --show, as the dialogs' two check boxes: both ticked by default.
struct Lists
{
    bool first = true;
    bool second = true;
};

Lists shownLists(ReportInvocation &call, const QStringList &choices)
{
    const QString chosen = call.choice(u"show"_s, choices);
    return {chosen != choices.at(2), chosen != choices.at(1)};
}

// One employee (--card) over a period: the options, and the report's options made of them.
QList<QCommandLineOption> cardOverPeriod()
{
    return {ReportOptions::card(), ReportOptions::month(), ReportOptions::from(),
            ReportOptions::to()};
}

template <typename Options> Options employeeOverPeriod(ReportInvocation &call)
{
    const QString card = call.required(u"card"_s);
    const CommandLineDates::Period period = call.period();
    const NameList::Employee employee = call.employeeOfCard(card);
    return {employee.name, employee.cardNumber, period.start, period.end};
}

const QStringList inOut = {u"both"_s, u"in"_s, u"out"_s};
const QStringList earlyLate = {u"both"_s, u"early"_s, u"late"_s};

ReportSubcommand daily()
{
    return {u"daily"_s,
            QObject::tr("One day's log-ins and log-outs (--date), and on request its breaks."),
            {ReportOptions::date(), ReportOptions::show(inOut), ReportOptions::breaks()},
            [](ReportInvocation &call) {
                const QDate date = call.date(u"date"_s);
                const Lists lists = shownLists(call, inOut);
                const bool breaks = call.isSet(u"breaks"_s);
                const StartupValues &values = call.startupValues();
                // The station offers the breaks only while breaks are on.
                if (breaks && !values.breaksOn())
                    throw ArgumentError(
                        QObject::tr("--breaks: breaks are switched off in this station's options"));
                return ReportInvocation::exitCode(
                    DailyReport(call.database(), call.prompter(), values)
                        .run({date, lists.first, lists.second, breaks}, call.target()));
            }};
}

ReportSubcommand monthly()
{
    return {u"monthly"_s,
            QObject::tr("Every log-in and log-out of a month (--month) or a period (--from, "
                        "--to)."),
            {ReportOptions::month(), ReportOptions::from(), ReportOptions::to(),
             ReportOptions::show(inOut)},
            [](ReportInvocation &call) {
                const CommandLineDates::Period period = call.period();
                const Lists lists = shownLists(call, inOut);
                return ReportInvocation::exitCode(
                    MonthlyReport(call.database(), call.prompter())
                        .run({period.start, period.end, lists.first, lists.second}, call.target()));
            }};
}

ReportSubcommand individual()
{
    return {u"individual"_s,
            QObject::tr("Every clocking of one employee (--card or --employee) over a period."),
            {ReportOptions::card(), ReportOptions::employee(), ReportOptions::month(),
             ReportOptions::from(), ReportOptions::to()},
            [](ReportInvocation &call) {
                if (call.isSet(u"card"_s) == call.isSet(u"employee"_s))
                    throw ArgumentError(QObject::tr("--card or --employee is needed, not both"));
                const CommandLineDates::Period period = call.period();
                IndividualReport::Options options{{}, {}, period.start, period.end};
                if (call.isSet(u"card"_s)) {
                    const NameList::Employee employee =
                        call.employeeOfCard(call.required(u"card"_s));
                    options.employee = employee.name;
                    options.cardNumber = employee.cardNumber;
                } else {
                    // As a name typed in the dialog: reported as it stands.
                    options.employee = call.required(u"employee"_s);
                    if (options.employee.isEmpty())
                        throw ArgumentError(QObject::tr("--employee: the name is empty"));
                }
                return ReportInvocation::exitCode(
                    IndividualReport(call.database(), call.prompter()).run(options, call.target()));
            }};
}

ReportSubcommand noClock()
{
    return {u"noclock"_s,
            QObject::tr("The employees without a log-in or a log-out on one day (--date)."),
            {ReportOptions::date(), ReportOptions::show(inOut)},
            [](ReportInvocation &call) {
                const QDate date = call.date(u"date"_s);
                const Lists lists = shownLists(call, inOut);
                return ReportInvocation::exitCode(
                    NoClockReport(call.database(), call.prompter())
                        .run({date, lists.first, lists.second}, call.target()));
            }};
}

ReportSubcommand errorLog()
{
    return {u"errorlog"_s,
            QObject::tr("The error log of one day (--date)."),
            {ReportOptions::date()},
            [](ReportInvocation &call) {
                const QDate date = call.date(u"date"_s);
                return ReportInvocation::exitCode(
                    ErrorLogReport(call.database(), call.prompter()).run(date, call.target()));
            }};
}

ReportSubcommand leavers()
{
    return {u"leavers"_s,
            QObject::tr("The log-outs before the early or after the late cut-off time over a "
                        "period."),
            {ReportOptions::month(), ReportOptions::from(), ReportOptions::to(),
             ReportOptions::show(earlyLate)},
            [](ReportInvocation &call) {
                const CommandLineDates::Period period = call.period();
                const Lists lists = shownLists(call, earlyLate);
                EarlyLateLeaversReport report(call.database(), call.prompter());
                report.loadCutOffs();
                return ReportInvocation::exitCode(report.run(
                    {period.start, period.end, lists.first, lists.second}, call.target()));
            }};
}

ReportSubcommand hours()
{
    return {
        u"hours"_s, QObject::tr("One employee's (--card) days and hours worked over a period."),
        cardOverPeriod(), [](ReportInvocation &call) {
            // The arguments are checked before the database is opened.
            const auto options = employeeOverPeriod<EmployeeHoursReport::Options>(call);
            return ReportInvocation::exitCode(
                EmployeeHoursReport(call.database(), call.prompter()).run(options, call.target()));
        }};
}

ReportSubcommand breaks()
{
    return {u"breaks"_s, QObject::tr("One employee's (--card) breaks over a period."),
            cardOverPeriod(), [](ReportInvocation &call) {
                const auto options = employeeOverPeriod<BreakOccurrenceReport::Options>(call);
                return ReportInvocation::exitCode(
                    BreakOccurrenceReport(call.database(), call.prompter(), call.startupValues())
                        .run(options, call.target()));
            }};
}

} // namespace

namespace ReportSubcommands {

QList<ReportSubcommand> pages()
{
    return {daily(), monthly(), individual(), noClock(), errorLog(), leavers(), hours(), breaks()};
}

} // namespace ReportSubcommands
