#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "WhenModal.h"
#include "station/gui/StationWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A menu's entries as shown, with "-" for a separator.
QStringList entryTexts(const QMenu *menu)
{
    QStringList texts;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions)
        texts << (action->isSeparator() ? u"-"_s : action->text());
    return texts;
}

QMenuBar *menuBarOf(const StationWindow &window)
{
    return window.findChild<QMenuBar *>();
}

QMenu *menuNamed(const StationWindow &window, const QString &title)
{
    const QList<QAction *> actions = menuBarOf(window)->actions();
    for (QAction *action : actions) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QLineEdit *field(const StationWindow &window, const QString &name)
{
    return window.findChild<QLineEdit *>(name);
}

} // namespace

class TestStationWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A menu missing, renamed or out of order.
    void menuBarOrder();
    // An entry missing, renamed, out of order or a separator lost.
    void menuEntries_data();
    void menuEntries();
    // A command that does nothing yet is offered as if it worked; Exit or About is
    // unreachable; the Updates menu can be opened.
    void onlyHandledCommandsEnabled();
    // A handler that is not enabled, not run, or run along with the one it replaced.
    void handlerEnablesAndRuns();
    // The window shows the wrong name, build or card field.
    void windowFurniture();
    // Date or time in the wrong format (12-hour clock, unpadded, four-digit year).
    void clockDisplay_data();
    void clockDisplay();
    // The display stands still while the clock runs.
    void clockRefreshesOnTick();
    // Exit without asking, with the wrong words, or ending the program on No.
    void exitAsks_data();
    void exitAsks();
    // Escape in the card field asks something or leaves the window open.
    void escapeClosesWithoutPrompt();
    // A card swipe is lost, or Enter closes the window through a default button.
    void enterSendsCard_data();
    void enterSendsCard();
    // Hide does not minimise.
    void hideMinimises();
    // About shows nothing or the wrong box.
    void aboutShowsVersion();
};

void TestStationWindow::menuBarOrder()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);

    QMenuBar *bar = menuBarOf(window);
    QVERIFY(bar);
    QStringList titles;
    const QList<QAction *> actions = bar->actions();
    for (const QAction *action : actions)
        titles << action->text();
    const QStringList expected = {u"Main"_s,        u"Reports"_s, u"Maintainence"_s, u"Options"_s,
                                  u"Log Options"_s, u"About"_s,   u"Updates"_s};
    QCOMPARE(titles, expected);
}

void TestStationWindow::menuEntries_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("Main") << u"Main"_s << QStringList{u"Log-in"_s, u"Log-out"_s, u"-"_s, u"Exit"_s};
    QTest::newRow("Reports") << u"Reports"_s
                             << QStringList{u"Daily Report"_s,      u"Monthly Report"_s,
                                            u"No Clock in"_s,       u"Early/Late Leavers"_s,
                                            u"Individual Report"_s, u"Error Log Report"_s,
                                            u"Employee Hours"_s,    u"Break Report"_s,
                                            u"Payroll Export..."_s, u"Who Is In"_s,
                                            u"Audit Trail"_s};
    QTest::newRow("Maintainence") << u"Maintainence"_s
                                  << QStringList{u"Database Manager"_s, u"Employee Manager"_s,
                                                 u"Security Manager"_s, u"-"_s,
                                                 u"Back Up Now"_s,      u"Restore..."_s};
    QTest::newRow("Options") << u"Options"_s
                             << QStringList{u"Program Options"_s,     u"Company Setup"_s,
                                            u"Network Options"_s,     u"-"_s,
                                            u"Setup Break Options"_s, u"Authorize Break Request"_s};
    QTest::newRow("Log Options") << u"Log Options"_s
                                 << QStringList{u"Force Global Log-in"_s, u"Force Global Log-out"_s,
                                                u"-"_s, u"Manual Log In/Out"_s,
                                                u"Manual Break Entry"_s};
    QTest::newRow("About") << u"About"_s << QStringList{u"About Chronel"_s};
    QTest::newRow("Updates") << u"Updates"_s << QStringList{u"Check for Updates!"_s};
}

void TestStationWindow::menuEntries()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);

    const QMenu *shown = menuNamed(window, menu);
    QVERIFY(shown);
    QCOMPARE(entryTexts(shown), entries);
}

void TestStationWindow::onlyHandledCommandsEnabled()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);

    const QStringList enabledEntries = {u"Exit"_s, u"About Chronel"_s};
    const QList<QAction *> menus = menuBarOf(window)->actions();
    for (const QAction *menuAction : menus) {
        const QList<QAction *> entries = menuAction->menu()->actions();
        for (const QAction *entry : entries) {
            if (entry->isSeparator())
                continue;
            QVERIFY2(entry->isEnabled() == enabledEntries.contains(entry->text()),
                     qPrintable(entry->text()));
        }
        const bool updates = menuAction->text() == u"Updates"_s;
        QVERIFY2(menuAction->isEnabled() != updates, qPrintable(menuAction->text()));
        QVERIFY2(menuAction->menu()->isEnabled() != updates, qPrintable(menuAction->text()));
    }
    QVERIFY(window.action(StationMenu::Exit)->isEnabled());
    QVERIFY(window.action(StationMenu::About)->isEnabled());
    QVERIFY(!window.action(StationMenu::DailyReport)->isEnabled());
}

void TestStationWindow::handlerEnablesAndRuns()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);

    QAction *report = window.action(StationMenu::DailyReport);
    QVERIFY(report);
    QCOMPARE(report->text(), u"Daily Report"_s);
    QVERIFY(!report->isEnabled());

    int first = 0;
    int second = 0;
    window.setCommandHandler(StationMenu::DailyReport, [&first] { ++first; });
    QVERIFY(report->isEnabled());
    report->trigger();
    QCOMPARE(first, 1);

    // A feature that hands in a new handler replaces the old one, and the menu still
    // hears its own action.
    auto *reports = qobject_cast<QMenu *>(report->parent());
    QVERIFY(reports);
    QSignalSpy menuTriggered(reports, &QMenu::triggered);
    window.setCommandHandler(StationMenu::DailyReport, [&second] { ++second; });
    report->trigger();
    QCOMPARE(first, 1);
    QCOMPARE(second, 1);
    QCOMPARE(menuTriggered.count(), 1);

    // Other commands are untouched.
    QVERIFY(!window.action(StationMenu::MonthlyReport)->isEnabled());
}

void TestStationWindow::windowFurniture()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();

    QCOMPARE(window.windowTitle(), u":: Chronel 1.3 ::"_s);

    bool buildShown = false;
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (const QLabel *label : labels)
        buildShown = buildShown || label->text() == u"Build 1.3.0.0"_s;
    QVERIFY(buildShown);

    QLineEdit *card = window.cardField();
    QVERIFY(card);
    QCOMPARE(card->echoMode(), QLineEdit::Password);
    QVERIFY(!card->accessibleName().isEmpty());
    QVERIFY(!card->isReadOnly());
    // The employee swipes straight away: the card field has the focus.
    QCOMPARE(window.focusWidget(), card);

    // Date and time are for reading only.
    QVERIFY(field(window, u"dateField"_s)->isReadOnly());
    QVERIFY(field(window, u"timeField"_s)->isReadOnly());
}

void TestStationWindow::clockDisplay_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");

    QTest::newRow("morning, padded")
        << QDateTime(QDate(2026, 3, 14), QTime(8, 5, 9)) << u"03/14/26"_s << u"08:05:09"_s;
    QTest::newRow("afternoon, 24-hour")
        << QDateTime(QDate(2026, 11, 30), QTime(17, 45, 0)) << u"11/30/26"_s << u"17:45:00"_s;
    QTest::newRow("midnight") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)) << u"01/01/27"_s
                              << u"00:00:00"_s;
    QTest::newRow("two-digit year")
        << QDateTime(QDate(2009, 12, 31), QTime(23, 59, 59)) << u"12/31/09"_s << u"23:59:59"_s;
}

void TestStationWindow::clockDisplay()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, date);
    QFETCH(QString, time);
    FixedClock clock(now);
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);

    QCOMPARE(field(window, u"dateField"_s)->text(), date);
    QCOMPARE(field(window, u"timeField"_s)->text(), time);
}

void TestStationWindow::clockRefreshesOnTick()
{
    FixedClock clock(QDateTime(QDate(2026, 3, 14), QTime(23, 59, 58)));
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();
    QLineEdit *date = field(window, u"dateField"_s);
    QLineEdit *time = field(window, u"timeField"_s);
    QCOMPARE(time->text(), u"23:59:58"_s);

    // The window's own timer picks up the clock.
    clock.advanceSeconds(1);
    QSignalSpy ticks(&window, &StationWindow::ticked);
    QVERIFY(ticks.wait(2000));
    QCOMPARE(date->text(), u"03/14/26"_s);
    QCOMPARE(time->text(), u"23:59:59"_s);

    // Past midnight the date follows.
    clock.advanceSeconds(1);
    window.refreshClock();
    QCOMPARE(date->text(), u"03/15/26"_s);
    QCOMPARE(time->text(), u"00:00:00"_s);
}

void TestStationWindow::exitAsks_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<int>("exits");

    QTest::newRow("Yes") << true << 1;
    QTest::newRow("No") << false << 0;
}

void TestStationWindow::exitAsks()
{
    QFETCH(bool, answer);
    QFETCH(int, exits);
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();
    QSignalSpy exitRequested(&window, &StationWindow::exitRequested);

    prompter.expectQuestion(u"Quit?"_s,
                            u"Please note that exiting will disable employees from logging "
                            "in.Do you wish to continue?"_s,
                            answer, PromptIcon::Question);
    window.action(StationMenu::Exit)->trigger();
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));

    QCOMPARE(exitRequested.size(), exits);
    if (exits)
        QCOMPARE(exitRequested.first().first().toInt(), 3);
    else
        QVERIFY(window.isVisible());
}

void TestStationWindow::escapeClosesWithoutPrompt()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();
    QSignalSpy exitRequested(&window, &StationWindow::exitRequested);

    QTest::keyClick(window.cardField(), Qt::Key_Escape);

    QVERIFY(!window.isVisible());
    QVERIFY(prompter.seen().isEmpty());
    QCOMPARE(exitRequested.size(), 0);
}

void TestStationWindow::enterSendsCard_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestStationWindow::enterSendsCard()
{
    QFETCH(int, key);
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();
    QSignalSpy cards(&window, &StationWindow::cardEntered);
    QSignalSpy exitRequested(&window, &StationWindow::exitRequested);

    QTest::keyClicks(window.cardField(), u"0042137"_s);
    QTest::keyClick(window.cardField(), Qt::Key(key));

    QCOMPARE(cards.size(), 1);
    QCOMPARE(cards.first().first().toString(), u"0042137"_s);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QCOMPARE(window.result(), int(QDialog::Rejected));
    QCOMPARE(exitRequested.size(), 0);
}

void TestStationWindow::hideMinimises()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();
    QVERIFY(!window.isMinimized());

    auto *hide = window.findChild<QPushButton *>(u"hideButton"_s);
    QVERIFY(hide);
    QCOMPARE(hide->text(), u"Hide"_s);
    QTest::mouseClick(hide, Qt::LeftButton);

    QVERIFY(window.windowState().testFlag(Qt::WindowMinimized));
    QVERIFY(prompter.seen().isEmpty());
}

void TestStationWindow::aboutShowsVersion()
{
    FixedClock clock;
    ScriptedPrompter prompter;
    StationWindow window(clock, prompter);
    window.show();

    QString title;
    QString text;
    // The box is modal: by the time the trigger returns it has been shown and closed.
    const bool shown =
        driveDialogOpenedBy([&] { window.action(StationMenu::About)->trigger(); },
                            [&](QDialog *box) {
                                title = box->windowTitle();
                                for (const QLabel *label : box->findChildren<QLabel *>())
                                    text += label->text();
                                box->close();
                            });
    QVERIFY(shown);

    QCOMPARE(title, u":: About Chronel 1.3 ::"_s);
    QVERIFY2(text.contains(u"Chronel 1.3"_s), qPrintable(text));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestStationWindow)
#include "tst_stationwindow.moc"
