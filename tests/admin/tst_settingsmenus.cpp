#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "TestStation.h"
#include "WhenModal.h"
#include "store/LocationFile.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A station that started with breaks on or off, in local or network mode.
struct Station : TestStation
{
    Station(const QString &location, bool breaksOn, bool localMode) : TestStation(location)
    {
        values.breaks = breaksOn ? StationSettings::Switch::On : StationSettings::Switch::Off;
        context.location = {location, localMode};
    }
};

} // namespace

Q_DECLARE_METATYPE(StationMenu::Command)

class TestSettingsMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A command left unwired, opening the wrong dialog, or the break clearing not
    // following the start-up switch.
    void opens_data();
    void opens();
    // An applied network change that does not end the station with exit code 3, or a
    // mode shown other than the one the station started in.
    void networkChangeEndsStation();
};

void TestSettingsMenus::opens_data()
{
    QTest::addColumn<StationMenu::Command>("command");
    QTest::addColumn<bool>("breaksOn");
    QTest::addColumn<QString>("title");
    QTest::newRow("database manager, breaks on")
        << StationMenu::DatabaseManager << true << u":: Database Management ::"_s;
    QTest::newRow("database manager, breaks off")
        << StationMenu::DatabaseManager << false << u":: Database Management ::"_s;
    QTest::newRow("program options")
        << StationMenu::ProgramOptions << false << u":: Program Options ::"_s;
    QTest::newRow("network options")
        << StationMenu::NetworkOptions << false << u":: Network Options ::"_s;
}

void TestSettingsMenus::opens()
{
    QFETCH(StationMenu::Command, command);
    QFETCH(bool, breaksOn);
    QFETCH(QString, title);
    TestHome home;
    TestDatabase target(u"sqlite"_s);
    Station station(target.location(), breaksOn, true);
    station.logIn();
    bool clearsBreaks = false;
    const QString shown = station.open(command, [&](QDialog *dialog) {
        if (auto *breaks = dialog->findChild<QPushButton *>(u"clearBreaksButton"_s))
            clearsBreaks = breaks->isEnabled();
    });
    QCOMPARE(shown, title);
    QCOMPARE(clearsBreaks, command == StationMenu::DatabaseManager && breaksOn);
    QVERIFY(station.prompter.seen().isEmpty());
}

void TestSettingsMenus::networkChangeEndsStation()
{
    TestHome home;
    TestDatabase target(u"sqlite"_s);
    Station station(target.location(), false, false);
    station.logIn();
    QSignalSpy exits(&station.window, &StationWindow::exitRequested);
    QString mode;
    station.open(StationMenu::NetworkOptions, [&](QDialog *dialog) {
        mode = dialog->findChild<QLineEdit *>(u"modeField"_s)->text();
        auto *local = dialog->findChild<QRadioButton *>(u"localRadio"_s);
        QTest::mouseClick(local, Qt::LeftButton, {}, QPoint(5, local->height() / 2));
        station.prompter.expectMessage(
            u"Changes"_s,
            u"Chronel will now exit for changes to take effect.Please re-run Chronel!"_s,
            PromptIcon::Information);
        QTest::mouseClick(dialog->findChild<QPushButton *>(u"applyButton"_s), Qt::LeftButton);
    });
    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(mode, u"Network Mode"_s);
    QCOMPARE(exits.size(), 1);
    QCOMPARE(exits.first().first().toInt(), 3);
    QVERIFY(QFile::exists(home.file(LocationFile::markerName)));
    QVERIFY(!QFile::exists(home.file(LocationFile::fileName)));
}

QTEST_MAIN(TestSettingsMenus)
#include "tst_settingsmenus.moc"
