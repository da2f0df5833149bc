#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "TestStation.h"
#include "WhenModal.h"
#include "reports/gui/ReportDialog.h"
#include "store/BackupFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the gate does with a command at a station.
enum class Outcome
{
    Opens,
    Refused,   // no supervisor logged in at this station
    BreaksOff, // a break command while breaks are switched off
};

// A station whose database has an employee and a supervisor account, with breaks on or
// off at start-up.
struct Station : TestStation
{
    Station(Database &database, const QString &location, bool breaksOn) : TestStation(database)
    {
        values.breaks = breaksOn ? StationSettings::Switch::On : StationSettings::Switch::Off;
        values.numberOfBreaks = 1;
        values.breakNames = {u"Lunch"_s, u"-"_s, u"-"_s};
        context.location = {location, true};
    }

    // Expects the gate's message for `outcome`, if it shows one.
    void expect(Outcome outcome)
    {
        if (outcome == Outcome::Refused)
            prompter.expectMessage(u"Authorisation"_s,
                                   u"Sorry you do not have access to this function"_s,
                                   PromptIcon::Exclamation);
        else if (outcome == Outcome::BreaksOff)
            prompter.expectMessage(u"Disabled"_s,
                                   u"Breaks are currently disabled.They can be enabled via the "
                                   u"program options menu"_s,
                                   PromptIcon::Information);
    }
};

bool asks(StationMenu::Command command)
{
    return command == StationMenu::ForceLogIn || command == StationMenu::ForceLogOut;
}

// What a command shows once it is let through: a dialog's title, or the question the
// forced log-in and log-out ask first.
QString whatOpens(StationMenu::Command command)
{
    switch (command) {
    case StationMenu::DailyReport:
        return u":: Daily Log-in and Log-out Report:"_s;
    case StationMenu::MonthlyReport:
        return u":: Monthly Report ::"_s;
    case StationMenu::NoClockReport:
        return u":: No Clock in/out Report ::"_s;
    case StationMenu::EarlyLateReport:
        return u":: Early / Late leavers report ::"_s;
    case StationMenu::IndividualReport:
        return u":: Individual Report ::"_s;
    case StationMenu::ErrorLogReport:
        return u":: Error Log Report :: "_s;
    case StationMenu::EmployeeHoursReport:
        return u":: Employee Hours ::"_s;
    case StationMenu::BreakReport:
        return u":: Break Occurance Report ::"_s;
    case StationMenu::WhoIsIn:
        return u":: Report Results ::"_s;
    case StationMenu::AuditTrail:
        return u":: Audit Trail ::"_s;
    case StationMenu::PayrollExport:
        return u":: Payroll Export ::"_s;
    case StationMenu::DatabaseManager:
        return u":: Database Management ::"_s;
    case StationMenu::EmployeeManager:
        return u":: Employee Manager ::"_s;
    case StationMenu::SecurityManager:
        return u":: Security Settings ::"_s;
    case StationMenu::ProgramOptions:
        return u":: Program Options ::"_s;
    case StationMenu::CompanySetup:
        return u":: Your Company Details ::"_s;
    case StationMenu::NetworkOptions:
        return u":: Network Options ::"_s;
    case StationMenu::BreakOptions:
        return u":: Setup Break Options ::"_s;
    case StationMenu::AuthorizeBreak:
        return u":: Break Authorization ::"_s;
    case StationMenu::ManualLogInOut:
        return u":: Manual Log In/Out ::"_s;
    case StationMenu::ManualBreakEntry:
        return u":: Manual Break Input ::"_s;
    case StationMenu::BackUpNow:
        return u"The database was copied to %1."_s;
    case StationMenu::RestoreBackup:
        return u":: Restore Database ::"_s;
    case StationMenu::ForceLogIn:
        return u"This will cause all employees to be logged in.Are you sure?"_s;
    case StationMenu::ForceLogOut:
        return u"This will cause all employees to be logged out.Are you sure?"_s;
    default:
        return {};
    }
}

} // namespace

Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(StationMenu::Command)

class TestMenuGate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // Every supervisor command of the menu, with breaks on and off, before and after a
    // log-in: a command left unwired or disabled, opening without a supervisor or with
    // breaks off, opening the wrong dialog, staying closed after a log-in that followed a
    // refusal, or opened at another station on the same database by this station's log-in.
    void gate_data();
    void gate();
};

void TestMenuGate::gate_data()
{
    QTest::addColumn<StationMenu::Command>("command");
    QTest::addColumn<bool>("reports"); // opens a report's range dialog
    QTest::addColumn<bool>("breaksOn");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<Outcome>("loggedOut"); // what the gate does before the log-in
    QTest::addColumn<Outcome>("outcome");
    int gated = 0;
    for (const StationMenu::Item &item : StationMenu::items()) {
        if (item.access != StationMenu::Access::Gated &&
            item.access != StationMenu::Access::BreaksGated)
            continue;
        ++gated;
        for (const bool breaksOn : {true, false}) {
            const bool breaksOff = item.access == StationMenu::Access::BreaksGated && !breaksOn;
            const Outcome loggedOut = breaksOff ? Outcome::BreaksOff : Outcome::Refused;
            const Outcome loggedIn = breaksOff ? Outcome::BreaksOff : Outcome::Opens;
            const QString name = item.menu + u" > "_s + item.text +
                                 (breaksOn ? u", breaks on"_s : u", breaks off"_s);
            // Who Is In shows its page straight away, with no range to choose first.
            const bool reports = item.menu == u"Reports"_s && item.command != StationMenu::WhoIsIn;
            QTest::newRow(qPrintable(name + u", logged out"_s))
                << item.command << reports << breaksOn << false << loggedOut << loggedOut;
            QTest::newRow(qPrintable(name + u", logged in"_s))
                << item.command << reports << breaksOn << true << loggedOut << loggedIn;
        }
    }
    QCOMPARE(gated, 25);
}

void TestMenuGate::gate()
{
    QFETCH(StationMenu::Command, command);
    QFETCH(bool, reports);
    QFETCH(bool, breaksOn);
    QFETCH(bool, loggedIn);
    QFETCH(Outcome, loggedOut);
    QFETCH(Outcome, outcome);
    const QString opens = whatOpens(command);
    QVERIFY(!opens.isEmpty());
    TestHome home;
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Bob','17')"_s);
    db.exec(u"insert into locked (cardnum,locked) values ('17','0')"_s);
    db.exec(u"insert into users (username,password) values ('chief','x')"_s);
    Station station(db, target.location(), breaksOn);
    QVERIFY(station.window.action(command)->isEnabled());

    int prompts = 0;
    if (loggedIn) {
        // Tried first as anyone would, then again once the supervisor logged in.
        station.expect(loggedOut);
        QCOMPARE(station.open(command), QString());
        ++prompts;
        station.logIn();
    }
    station.expect(outcome);
    if (outcome != Outcome::Opens) {
        QCOMPARE(station.open(command), QString());
        ++prompts;
    } else if (asks(command)) {
        station.prompter.expectQuestion(u"Confirm"_s, opens, false);
        station.trigger(command);
        ++prompts;
    } else if (command == StationMenu::BackUpNow) {
        const QString copy = BackupFolder(target.location()).copyPath(station.clock.now().date());
        station.prompter.expectMessage(u"Backup"_s, opens.arg(copy), PromptIcon::Information);
        station.trigger(command);
        ++prompts;
    } else {
        bool reportDialog = false;
        QCOMPARE(station.open(command,
                              [&](QDialog *dialog) {
                                  reportDialog = qobject_cast<ReportDialog *>(dialog) != nullptr;
                              }),
                 opens);
        QCOMPARE(reportDialog, reports);
    }
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(station.prompter.seen().size(), prompts);

    if (!loggedIn)
        return;
    // A log-in belongs to the station it was made at.
    Database otherConnection(target.location());
    Station other(otherConnection, target.location(), breaksOn);
    other.expect(loggedOut);
    QCOMPARE(other.open(command), QString());
    QVERIFY2(other.prompter.scriptDone(), qPrintable(other.prompter.pending()));
}

QTEST_MAIN(TestMenuGate)
#include "tst_menugate.moc"
