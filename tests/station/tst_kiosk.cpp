#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestStation.h"
#include "WhenModal.h"
#include "platform/core/CommandLine.h"
#include "station/core/KioskOption.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString quitText =
    u"Please note that exiting will disable employees from logging in.Do you wish to continue?"_s;

// A station window as main() shows it, in kiosk mode or not.
struct Window
{
    explicit Window(bool kiosk)
    {
        if (kiosk)
            window.enterKioskMode();
        window.show();
    }

    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window{clock, prompter};
};

} // namespace

class TestKiosk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // Esc, the close box or Hide gets an employee out of a kiosk, or no longer works at
    // an ordinary station.
    void waysOut_data();
    void waysOut();
    // A kiosk that is not full screen and on top, or an ordinary window that is.
    void kioskWindow_data();
    void kioskWindow();
    // The card field loses the next swipe: the focus is elsewhere in the window, or the
    // window was left inactive; or a supervisor's dialog has its focus taken away.
    void focusReturnsToCardField();
    void dialogKeepsItsFocus();
    // Exit ends a kiosk without a supervisor, or asks one at an ordinary station.
    void exitNeedsSupervisor_data();
    void exitNeedsSupervisor();
    // --kiosk not found among other options, or found where it is no option.
    void commandLine_data();
    void commandLine();
};

void TestKiosk::waysOut_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("kiosk");

    for (const QString &way : {u"Esc"_s, u"close box"_s, u"Hide"_s}) {
        QTest::addRow("%s, kiosk", qPrintable(way)) << way << true;
        QTest::addRow("%s, ordinary", qPrintable(way)) << way << false;
    }
}

void TestKiosk::waysOut()
{
    QFETCH(QString, way);
    QFETCH(bool, kiosk);
    Window station(kiosk);
    StationWindow &window = station.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy exits(&window, &StationWindow::exitRequested);

    if (way == u"Esc"_s) {
        QTest::keyClick(window.cardField(), Qt::Key_Escape);
    } else if (way == u"close box"_s) {
        window.close();
    } else {
        auto *hide = window.findChild<QPushButton *>(u"hideButton"_s);
        QVERIFY(hide);
        QCOMPARE(hide->isVisible(), !kiosk);
        hide->click();
    }
    QApplication::processEvents();

    if (kiosk) {
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QVERIFY(window.windowState().testFlag(Qt::WindowFullScreen));
    } else if (way == u"Hide"_s) {
        QVERIFY(window.isMinimized());
    } else {
        QVERIFY(!window.isVisible());
    }
    QCOMPARE(exits.size(), 0);
    QVERIFY(station.prompter.seen().isEmpty());
}

void TestKiosk::kioskWindow_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::newRow("kiosk") << true;
    QTest::newRow("ordinary") << false;
}

void TestKiosk::kioskWindow()
{
    QFETCH(bool, kiosk);
    Window ordinary(false);
    Window station(kiosk);
    StationWindow &window = station.window;
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.isKiosk(), kiosk);
    QCOMPARE(window.windowState().testFlag(Qt::WindowFullScreen), kiosk);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), kiosk);
    for (const QString &name : {u"cardField"_s, u"dateField"_s, u"timeField"_s}) {
        const QFont shown = window.findChild<QLineEdit *>(name)->font();
        const QFont usual = ordinary.window.findChild<QLineEdit *>(name)->font();
        if (kiosk)
            QVERIFY2(shown.pointSizeF() >= 2 * usual.pointSizeF(), qPrintable(name));
        else
            QCOMPARE(shown, usual);
    }
    QCOMPARE(window.focusWidget(), window.cardField());
}

void TestKiosk::focusReturnsToCardField()
{
    Window station(true);
    StationWindow &window = station.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Something else in the window took the focus.
    auto *elsewhere = new QLineEdit(&window);
    elsewhere->show();
    elsewhere->setFocus();
    QCOMPARE(QApplication::focusWidget(), elsewhere);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), window.cardField(), 3000);

    // Another window had the focus and went, leaving none active.
    {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    QTRY_VERIFY_WITH_TIMEOUT(window.isActiveWindow(), 3000);
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), window.cardField(), 3000);
}

void TestKiosk::dialogKeepsItsFocus()
{
    Window station(true);
    StationWindow &window = station.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));

    bool kept = false;
    whenDialogOpens(this, [&](QDialog *dialog) {
        auto *typing = dialog->findChild<QLineEdit *>();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        typing->setFocus();
        // Longer than the window's one-second refocus.
        QTest::qWait(1500);
        kept = QApplication::focusWidget() == typing;
    });
    QDialog dialog(&window);
    new QLineEdit(&dialog);
    dialog.exec();
    QVERIFY(kept);
}

void TestKiosk::exitNeedsSupervisor_data()
{
    QTest::addColumn<bool>("kiosk");
    QTest::addColumn<bool>("loggedIn");
    QTest::addColumn<bool>("asked");

    QTest::newRow("kiosk, nobody logged in") << true << false << false;
    QTest::newRow("kiosk, supervisor") << true << true << true;
    QTest::newRow("ordinary, nobody logged in") << false << false << true;
}

void TestKiosk::exitNeedsSupervisor()
{
    QFETCH(bool, kiosk);
    QFETCH(bool, loggedIn);
    QFETCH(bool, asked);
    TestDatabase target(u"sqlite"_s);
    TestStation station(target.location());
    if (kiosk)
        station.window.enterKioskMode();
    station.window.show();
    if (loggedIn)
        station.logIn();
    QSignalSpy exits(&station.window, &StationWindow::exitRequested);

    if (asked)
        station.prompter.expectQuestion(u"Quit?"_s, quitText, true);
    else
        station.prompter.expectMessage(u"Authorisation"_s,
                                       u"Sorry you do not have access to this function"_s,
                                       PromptIcon::Exclamation);
    station.trigger(StationMenu::Exit);

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(exits.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(exits.first().first().toInt(), 3);
}

void TestKiosk::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("kiosk");

    QTest::newRow("alone") << QStringList{u"chronel"_s, u"--kiosk"_s} << true;
    QTest::newRow("none") << QStringList{u"chronel"_s} << false;
    QTest::newRow("among others") << QStringList{u"chronel"_s, u"--database"_s, u"/srv/main.db"_s,
                                                 u"--kiosk"_s}
                                  << true;
    QTest::newRow("after --") << QStringList{u"chronel"_s, u"--"_s, u"--kiosk"_s} << false;
    QTest::newRow("the program's name") << QStringList{u"--kiosk"_s} << false;
}

void TestKiosk::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, kiosk);
    CommandLine commandLine(u"Chronel"_s);
    const QCommandLineOption option = KioskOption::option();
    commandLine.addOption(option);
    commandLine.parse(arguments); // an argument after -- is refused, and sets nothing
    QCOMPARE(commandLine.isSet(option), kiosk);
}

QTEST_MAIN(TestKiosk)
#include "tst_kiosk.moc"
