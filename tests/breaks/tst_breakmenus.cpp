#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestStation.h"
#include "WhenModal.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A station with one employee and two breaks a day, breaks on or off at start-up.
struct Station : TestStation
{
    Station(const QString &location, bool breaksOn) : TestStation(location)
    {
        db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
        values.breaks = breaksOn ? StationSettings::Switch::On : StationSettings::Switch::Off;
        values.numberOfBreaks = 2;
        values.breakNames = {u"Tea"_s, u"Lunch"_s, u"-"_s};
    }
};

} // namespace

Q_DECLARE_METATYPE(StationMenu::Command)

class TestBreakMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A command left unwired, opening without breaks or without a supervisor, or opening
    // the wrong dialog.
    void gate_data();
    void gate();
    // The count chosen in one opening forgotten by the next in the same run.
    void countKeptForTheRun();
};

void TestBreakMenus::gate_data()
{
    QTest::addColumn<StationMenu::Command>("command");
    QTest::addColumn<bool>("breaksOn");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<QString>("caption"); // empty: the dialog opens
    QTest::addColumn<QString>("title");

    const QString disabled = u"Disabled"_s;
    const QString denied = u"Authorisation"_s;
    const QList<QPair<StationMenu::Command, QString>> commands = {
        {StationMenu::BreakOptions, u":: Setup Break Options ::"_s},
        {StationMenu::ManualBreakEntry, u":: Manual Break Input ::"_s}};
    for (const auto &[command, title] : commands) {
        const QByteArray name = title.toLatin1();
        QTest::newRow(name + " breaks off") << command << false << true << disabled << QString();
        QTest::newRow(name + " logged out") << command << true << false << denied << QString();
        QTest::newRow(name + " opens") << command << true << true << QString() << title;
    }
}

void TestBreakMenus::gate()
{
    QFETCH(StationMenu::Command, command);
    QFETCH(bool, breaksOn);
    QFETCH(bool, loggedIn);
    QFETCH(QString, caption);
    QFETCH(QString, title);
    TestDatabase target(u"sqlite"_s);
    Station station(target.location(), breaksOn);
    if (loggedIn)
        station.logIn();
    if (caption == u"Disabled"_s)
        station.prompter.expectMessage(caption,
                                       u"Breaks are currently disabled.They can be enabled via "
                                       u"the program options menu"_s,
                                       PromptIcon::Information);
    else if (!caption.isEmpty())
        station.prompter.expectMessage(caption, u"Sorry you do not have access to this function"_s,
                                       PromptIcon::Exclamation);

    QCOMPARE(station.open(command), title);
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(station.prompter.seen().size(), caption.isEmpty() ? 0 : 1);
}

void TestBreakMenus::countKeptForTheRun()
{
    TestDatabase target(u"sqlite"_s);
    Station station(target.location(), true);
    station.logIn();
    station.open(StationMenu::BreakOptions, [](QDialog *dialog) {
        dialog->findChild<QComboBox *>(u"breakCount"_s)->setCurrentText(u"3"_s);
    });
    station.prompter.expectMessage(u"Update!"_s, u"Break 1,2 and Break 3 names updated!"_s,
                                   PromptIcon::Information);
    station.prompter.expectMessage(u"Success"_s,
                                   u"Please restart Chronel for changes to take effect!"_s,
                                   PromptIcon::Information);
    station.open(StationMenu::BreakOptions, [](QDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"applyButton"_s), Qt::LeftButton);
    });
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(station.db.first(u"select numof from breaksettings"_s)[u"numof"_s], u"3"_s);
}

QTEST_MAIN(TestBreakMenus)
#include "tst_breakmenus.moc"
