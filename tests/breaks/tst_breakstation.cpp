#include "FixedClock.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "ScriptedPrompter.h"
#include "SilentTonePlayer.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "platform/gui/NameListWidget.h"
#include "station/core/StationContext.h"
#include "station/gui/StationCommands.h"
#include "station/gui/StationWindow.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

StartupValues breakValues()
{
    StartupValues values;
    values.confirmation = true;
    values.breaks = StationSettings::Switch::On;
    values.authorisation = true;
    values.numberOfBreaks = 2;
    values.breakNames = {u"Lunch"_s, u"Tea"_s, u"-"_s};
    return values;
}

// Types where the keyboard focus is, as a badge reader does.
void swipe(const QString &card)
{
    QTest::keyClicks(static_cast<QWidget *>(nullptr), card);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
}

} // namespace

class TestBreakStation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The road of one break breaks anywhere: No to the clock-in question not opening
    // the break dialog, the supervisor's grant at another station not reaching it, the
    // card not recorded as a break start, the employee clocked, or the grant left behind.
    void oneBreak();
};

void TestBreakStation::oneBreak()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
    db.exec(u"insert into locked (cardnum,locked) values ('0042','0')"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values ('0042','0','0','0')"_s);
    FixedClock clock;
    ScriptedPrompter prompter;
    SilentTonePlayer tones;
    const StartupValues values = breakValues();
    RecordingMessenger messenger;
    StationContext context{db, prompter, clock, tones, messenger, values, {}};
    StationWindow window(clock, prompter);
    StationCommands commands(window, context);
    // The supervisor's computer on the same database.
    StationContext supervisorContext{db, prompter, clock, tones, messenger, values, {}};
    StationWindow supervisorWindow(clock, prompter);
    StationCommands supervisorCommands(supervisorWindow, supervisorContext);
    // The supervisor is logged in at the other computer.
    supervisorContext.session.logIn(clock.now());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    bool granted = false;
    auto grantAtSupervisor = [&](QWidget *dialog) {
        auto *list = dialog->findChild<NameListWidget *>(u"employeeList"_s);
        auto *authorize = dialog->findChild<QPushButton *>(u"authorizeButton"_s);
        QVERIFY(list && authorize);
        QCOMPARE(list->count(), 1);
        list->setCurrentRow(0);
        QCOMPARE(dialog->findChild<QLineEdit *>(u"cardNumber"_s)->text(), u"0042"_s);
        prompter.expectQuestion(u"Confirm"_s, u"Proceed with break authorization?"_s, true);
        authorize->click();
        granted = true;
    };

    bool recorded = false;
    auto takeBreak = [&](QWidget *dialog) {
        QCOMPARE(dialog->windowTitle(), u":: Break Authorization ::"_s);
        auto *cardField = dialog->findChild<QLineEdit *>(u"breakCardField"_s);
        auto *send = dialog->findChild<QPushButton *>(u"sendRequestButton"_s);
        auto *status = dialog->findChild<QLineEdit *>(u"statusLine"_s);
        auto *poll = dialog->findChild<QTimer *>(u"authorizationPoll"_s);
        QVERIFY(cardField && send && status && poll);
        QVERIFY(!cardField->isEnabled());

        prompter.expectMessage(u"Success"_s, u"Authorization request sent!"_s,
                               PromptIcon::Information);
        QTest::mouseClick(send, Qt::LeftButton);
        QCOMPARE(status->text(), u"Please wait while your break request is being authorized"_s);

        whenModal(
            this, [&](QWidget *modal) { return modal->parentWidget() == &supervisorWindow; },
            grantAtSupervisor);
        supervisorWindow.action(StationMenu::AuthorizeBreak)->trigger();
        QVERIFY(granted);
        // The supervisor's computer is another one: this station's dialog never lost focus.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));

        poll->start(0);
        QTRY_VERIFY(cardField->isEnabled());
        QCOMPARE(status->text(), u"Your break request was successfully authorized"_s);
        QCOMPARE(QApplication::focusWidget(), cardField);
        prompter.expectMessage(u"Success!"_s, u"Start of Lunch recorded"_s,
                               PromptIcon::Information);
        swipe(u"0042"_s);
        QVERIFY(cardField->text().isEmpty());
        recorded = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
    };

    prompter.expectQuestion(u"Confirm?"_s, u"Clock Ann IN?"_s, false);
    whenModal(
        this, [&](QWidget *modal) { return modal->parentWidget() == &window; }, takeBreak);
    swipe(u"0042"_s);
    QVERIFY(recorded);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));

    const QList<SqlRow> breaks =
        db.select(u"select dt,name,i,out,locked,auth,breaknumber from breaks"_s);
    QCOMPARE(breaks.size(), 1);
    const SqlRow &row = breaks.first();
    QCOMPARE(
        (QStringList{row[u"dt"_s], row[u"name"_s], row[u"i"_s], row[u"out"_s], row[u"locked"_s],
                     row[u"auth"_s], row[u"breaknumber"_s]}),
        (QStringList{u"03/14/26"_s, u"0042"_s, u"08:05:09"_s, u"-"_s, u"-"_s, u"Y"_s, u"1"_s}));
    QCOMPARE(db.first(u"select used1 from usedbreaks"_s)[u"used1"_s], u"1"_s);
    QVERIFY(db.select(u"select dt from log"_s).isEmpty());
    QCOMPARE(db.first(u"select locked from locked"_s)[u"locked"_s], u"0"_s);
    // The grant was used up when the dialog closed.
    QVERIFY(
        db.select(u"select cardnumber from \"authorization\" where authorized = '1'"_s).isEmpty());
    QVERIFY(window.cardField()->text().isEmpty());
}

QTEST_MAIN(TestBreakStation)
#include "tst_breakstation.moc"
