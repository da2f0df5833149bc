#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestStation.h"
#include "WhenModal.h"
#include "store/BackupFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString denied = u"Sorry you do not have access to this function"_s;

// A station whose database has an employee, with breaks switched on.
struct Station : TestStation
{
    using TestStation::TestStation;

    void setUp()
    {
        values.enableBreaks = u"1"_s;
        values.numberOfBreaks = u"1"_s;
        values.breakNames = {u"Lunch"_s, u"-"_s, u"-"_s};
    }
};

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

Q_DECLARE_METATYPE(StationMenu::Command)

class TestMenuGate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A supervisor command open before anyone logged in, closed after the log-in, or
    // opened at another station on the same database by this station's log-in.
    void gatedCommand_data();
    void gatedCommand();
};

void TestMenuGate::gatedCommand_data()
{
    QTest::addColumn<StationMenu::Command>("command");
    int gated = 0;
    for (const StationMenu::Item &item : StationMenu::items()) {
        if (item.access != StationMenu::Access::Gated &&
            item.access != StationMenu::Access::BreaksGated)
            continue;
        QTest::newRow(qPrintable(item.menu + u" > "_s + item.text)) << item.command;
        ++gated;
    }
    QCOMPARE(gated, 22);
}

void TestMenuGate::gatedCommand()
{
    QFETCH(StationMenu::Command, command);
    const QString opens = whatOpens(command);
    QVERIFY(!opens.isEmpty());
    TestDatabase target(u"sqlite"_s);
    Station stationA(target.location());
    stationA.setUp();
    stationA.context.location = {target.location(), true};
    stationA.db.exec(u"insert into employees (employee,cardnum) values ('Bob','17')"_s);
    stationA.db.exec(u"insert into locked (cardnum,locked) values ('17','0')"_s);
    stationA.db.exec(u"insert into users (username,password) values ('chief','x')"_s);
    Database otherConnection(target.location());
    Station stationB(otherConnection);
    stationB.setUp();

    stationA.prompter.expectMessage(u"Authorisation"_s, denied, PromptIcon::Exclamation);
    QCOMPARE(stationA.open(command), QString());
    QCOMPARE(stationA.prompter.seen().size(), 1);

    stationA.logIn();
    const bool asks = command == StationMenu::ForceLogIn || command == StationMenu::ForceLogOut;
    if (asks) {
        stationA.prompter.expectQuestion(u"Confirm"_s, opens, false);
        stationA.trigger(command);
    } else if (command == StationMenu::BackUpNow) {
        const QString copy = BackupFolder(target.location()).copyPath(stationA.clock.now().date());
        stationA.prompter.expectMessage(u"Backup"_s, opens.arg(copy), PromptIcon::Information);
        stationA.trigger(command);
        QVERIFY2(stationA.prompter.scriptDone(), qPrintable(stationA.prompter.pending()));
    } else {
        QCOMPARE(stationA.open(command), opens);
    }

    stationB.prompter.expectMessage(u"Authorisation"_s, denied, PromptIcon::Exclamation);
    QCOMPARE(stationB.open(command), QString());
}

QTEST_MAIN(TestMenuGate)
#include "tst_menugate.moc"
