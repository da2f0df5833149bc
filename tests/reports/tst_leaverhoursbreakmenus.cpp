#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "TestStation.h"
#include "WhenModal.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A station with one employee and one break a day, breaks on or off at start-up.
struct Station : TestStation
{
    Station(const QString &location, bool breaksOn) : TestStation(location)
    {
        db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
        values.breaks = breaksOn ? StationSettings::Switch::On : StationSettings::Switch::Off;
        values.numberOfBreaks = 1;
        values.breakNames = {u"Lunch"_s, u"-"_s, u"-"_s};
    }
};

} // namespace

Q_DECLARE_METATYPE(StationMenu::Command)

class TestLeaverHoursBreakMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A report command left unwired, opening the wrong dialog, or opening past the gate
    // (the break report also past the break switch).
    void opens_data();
    void opens();
};

void TestLeaverHoursBreakMenus::opens_data()
{
    QTest::addColumn<StationMenu::Command>("command");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("breaksOn");
    QTest::addColumn<QString>("title");   // empty: the dialog must not open
    QTest::addColumn<QString>("caption"); // of the gate's message, if any
    QTest::addColumn<QString>("message");

    const QString denied = u"Sorry you do not have access to this function"_s;
    const QString breaksOff =
        u"Breaks are currently disabled.They can be enabled via the program options menu"_s;
    QTest::newRow("early/late leavers")
        << StationMenu::EarlyLateReport << true << false << u":: Early / Late leavers report ::"_s
        << QString() << QString();
    QTest::newRow("employee hours") << StationMenu::EmployeeHoursReport << true << false
                                    << u":: Employee Hours ::"_s << QString() << QString();
    QTest::newRow("break report") << StationMenu::BreakReport << true << true
                                  << u":: Break Occurance Report ::"_s << QString() << QString();
    QTest::newRow("early/late leavers, logged out")
        << StationMenu::EarlyLateReport << false << false << QString() << u"Authorisation"_s
        << denied;
    QTest::newRow("employee hours, logged out")
        << StationMenu::EmployeeHoursReport << false << false << QString() << u"Authorisation"_s
        << denied;
    QTest::newRow("break report, logged out")
        << StationMenu::BreakReport << false << true << QString() << u"Authorisation"_s << denied;
    QTest::newRow("break report, breaks off")
        << StationMenu::BreakReport << true << false << QString() << u"Disabled"_s << breaksOff;
}

void TestLeaverHoursBreakMenus::opens()
{
    QFETCH(StationMenu::Command, command);
    QFETCH(bool, loggedIn);
    QFETCH(bool, breaksOn);
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    TestHome home;
    TestDatabase target(u"sqlite"_s);
    Station station(target.location(), breaksOn);
    if (loggedIn)
        station.logIn();
    if (!message.isEmpty())
        station.prompter.expectMessage(caption, message,
                                       caption == u"Disabled"_s ? PromptIcon::Information
                                                                : PromptIcon::Exclamation);
    const QString shown = station.open(command);

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(station.prompter.seen().size(), message.isEmpty() ? 0 : 1);
    QCOMPARE(shown, title);
}

QTEST_MAIN(TestLeaverHoursBreakMenus)
#include "tst_leaverhoursbreakmenus.moc"
