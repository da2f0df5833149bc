#include "FixedClock.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "WhenModal.h"
#include "breaks/gui/BreakDialog.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Hashing takes a while; one hash serves every case.
const QString &hashedPassword()
{
    static const QString hashed = PasswordHash::hash(u"s3cret"_s);
    return hashed;
}

using namespace std::chrono_literals;

const QString card = u"0042"_s;

// Ann is at the station; Bob entered his card last, at another one.
struct Fixture
{
    explicit Fixture(bool authorisation)
    {
        Schema::create(db);
        db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
        db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values "
                "('0042','0','0','0')"_s);
        db.exec(u"update eauth set ename = 'Bob',cardnum = '0077'"_s);
        db.exec(u"insert into users (username,password) values ('Sue',?)"_s, {hashedPassword()});
        values.breaks = StationSettings::Switch::On;
        values.authorisation = authorisation;
        values.numberOfBreaks = 1;
        values.breakNames = {u"Lunch"_s, u"-"_s, u"-"_s};
        values.managerAddress = u"10.0.0.9"_s;
    }

    BreakContext context() { return {db, prompter, clock, messenger, values}; }

    // A grant made today, as the supervisor's dialog makes it.
    void grant(const QString &cardNumber)
    {
        db.exec(u"insert into \"authorization\" (authorized,cardnumber,dt) values ('1',?,?)"_s,
                {cardNumber, clock.dateText()});
    }

    QStringList grantedCards()
    {
        QStringList cards;
        for (const SqlRow &row :
             db.select(u"select cardnumber from \"authorization\" where authorized = '1'"_s))
            cards << row[u"cardnumber"_s];
        cards.sort();
        return cards;
    }

    TestDatabase target{u"sqlite"_s};
    Database db{target.location()};
    ScriptedPrompter prompter;
    FixedClock clock;
    RecordingMessenger messenger;
    StartupValues values;
};

struct Controls
{
    explicit Controls(QDialog &dialog)
        : send(dialog.findChild<QPushButton *>(u"sendRequestButton"_s)),
          manual(dialog.findChild<QPushButton *>(u"manualAuthorizationButton"_s)),
          cardField(dialog.findChild<QLineEdit *>(u"breakCardField"_s)),
          status(dialog.findChild<QLineEdit *>(u"statusLine"_s)),
          poll(dialog.findChild<QTimer *>(u"authorizationPoll"_s))
    {
    }

    bool found() const { return send && manual && cardField && status && poll; }
    bool locked() const
    {
        return !cardField->isEnabled() && send->isEnabled() && manual->isEnabled();
    }
    bool unlocked() const
    {
        return cardField->isEnabled() && !send->isEnabled() && !manual->isEnabled();
    }

    QPushButton *send;
    QPushButton *manual;
    QLineEdit *cardField;
    QLineEdit *status;
    QTimer *poll;
};

const QString authorized = u"Your break request was successfully authorized"_s;

// True when the line shows its whole text: a line too narrow scrolls to the cursor at the
// end, which then stands left of where the text alone would end.
bool showsWhole(QLineEdit *line)
{
    line->grab(); // the scrolling is worked out as the line paints
    const int textWidth = line->fontMetrics().horizontalAdvance(line->text());
    const QRect cursor = line->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return cursor.center().x() >= textWidth && cursor.right() <= line->width();
}

} // namespace

class TestBreakDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // The card field open before a grant, the request buttons usable without
    // authorisation, a poll running for nothing, or the card shown as typed.
    void opening_data();
    void opening();
    // A grant for another card unlocks the field, the station's own grant does not, or
    // the message shows only its end.
    void unlocksOnItsGrant();
    // A supervisor authorising at the station leaves it locked, grants whoever swiped
    // last instead of the dialog's employee, or Enter in the supervisor's dialog grants.
    void manualAuthorizationUnlocksOnNextTick();
    // The request not sent, sent elsewhere, naming whoever swiped last instead of the
    // dialog's employee, or the employee not told to wait in words shown whole.
    void sendRequest();
    // Enter not recording, a wrong card recorded or kept in the field, or closing one
    // station's dialog wiping the grant another station waits for.
    void recordAndClose();
};

void TestBreakDialog::opening_data()
{
    QTest::addColumn<bool>("authorisation");
    QTest::newRow("authorisation on") << true;
    QTest::newRow("authorisation off") << false;
}

void TestBreakDialog::opening()
{
    QFETCH(bool, authorisation);
    Fixture fixture(authorisation);
    BreakDialog dialog(fixture.context(), u"Ann"_s, card);
    Controls controls(dialog);
    QVERIFY(controls.found());

    QCOMPARE(dialog.windowTitle(), u":: Break Authorization ::"_s);
    QCOMPARE(controls.cardField->echoMode(), QLineEdit::Password);
    QCOMPARE(controls.cardField->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    QVERIFY(controls.status->isReadOnly());
    QVERIFY(controls.status->text().isEmpty());
    QVERIFY(!controls.send->autoDefault() && !controls.manual->autoDefault());
    QCOMPARE(controls.locked(), authorisation);
    QCOMPARE(controls.unlocked(), !authorisation);
    QCOMPARE(controls.poll->isActive(), authorisation);
    QCOMPARE(controls.poll->interval(), 5000);
}

void TestBreakDialog::unlocksOnItsGrant()
{
    Fixture fixture(true);
    fixture.grant(u"0099"_s);
    BreakDialog dialog(fixture.context(), u"Ann"_s, card, nullptr, 10ms);
    Controls controls(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QTest::qWait(60);
    QVERIFY(controls.locked());
    QVERIFY(controls.poll->isActive());
    fixture.grant(card);
    QTRY_VERIFY(controls.unlocked());
    QVERIFY(!controls.poll->isActive());
    QCOMPARE(controls.status->text(), authorized);
    QVERIFY(showsWhole(controls.status));
    QCOMPARE(QApplication::focusWidget(), controls.cardField);
    QVERIFY(fixture.prompter.seen().isEmpty());
}

void TestBreakDialog::manualAuthorizationUnlocksOnNextTick()
{
    Fixture fixture(true);
    BreakDialog dialog(fixture.context(), u"Ann"_s, card, nullptr, 1h);
    Controls controls(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    bool driven = false;
    auto isManual = [](QWidget *modal) {
        return modal->windowTitle() == u":: Manual Break Authorization ::"_s;
    };
    whenModal(this, isManual, [&](QWidget *manual) {
        auto *userName = manual->findChild<QLineEdit *>(u"userName"_s);
        auto *password = manual->findChild<QLineEdit *>(u"password"_s);
        auto *authorize = manual->findChild<QPushButton *>(u"authorizeButton"_s);
        QVERIFY(userName && password && authorize);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
        QTest::keyClicks(userName, u"Sue"_s);
        QTest::keyClicks(password, u"s3cret"_s);
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(manual->isVisible());
        QVERIFY(fixture.grantedCards().isEmpty());
        fixture.prompter.expectMessage(u"Success"_s, u"Authorization Successful"_s,
                                       PromptIcon::Information);
        QTest::mouseClick(authorize, Qt::LeftButton);
        QVERIFY(!manual->isVisible());
        driven = true;
    });
    QTest::mouseClick(controls.manual, Qt::LeftButton);
    QVERIFY(driven);
    QVERIFY2(fixture.prompter.scriptDone(), qPrintable(fixture.prompter.pending()));
    // Ann's dialog is open: her card is granted, not the one entered last elsewhere.
    QCOMPARE(fixture.grantedCards(), QStringList{card});

    // Unlocked by the next tick, even when the stored grant has gone since.
    fixture.db.exec(u"delete from \"authorization\""_s);
    QVERIFY(controls.locked());
    controls.poll->start(0);
    QTRY_VERIFY(controls.unlocked());
    QCOMPARE(controls.status->text(), authorized);
}

void TestBreakDialog::sendRequest()
{
    Fixture fixture(true);
    BreakDialog dialog(fixture.context(), u"Ann"_s, card, nullptr, 1h);
    Controls controls(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    fixture.prompter.expectMessage(u"Success"_s, u"Authorization request sent!"_s,
                                   PromptIcon::Information);
    QTest::mouseClick(controls.send, Qt::LeftButton);
    QVERIFY2(fixture.prompter.scriptDone(), qPrintable(fixture.prompter.pending()));
    QCOMPARE(fixture.messenger.sent,
             (QList<QPair<QString, QString>>{
                 {u"10.0.0.9"_s,
                  u"Employee ->Ann Login number -> 0042 requests a break authorization"_s}}));
    QCOMPARE(controls.status->text(),
             u"Please wait while your break request is being authorized"_s);
    QVERIFY(showsWhole(controls.status));
    QVERIFY(controls.locked());
    QVERIFY(controls.poll->isActive());
}

void TestBreakDialog::recordAndClose()
{
    Fixture fixture(false);
    // Another station's employee waits for this grant.
    fixture.grant(u"0099"_s);
    BreakDialog dialog(fixture.context(), u"Ann"_s, card);
    Controls controls(dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), controls.cardField);

    QTest::keyClicks(controls.cardField, u"0043"_s);
    QTest::keyClick(controls.cardField, Qt::Key_Return);
    QVERIFY(controls.cardField->text().isEmpty());
    QVERIFY(fixture.db.select(u"select dt from breaks"_s).isEmpty());

    fixture.prompter.expectMessage(u"Success!"_s, u"Start of Lunch recorded"_s,
                                   PromptIcon::Information);
    QTest::keyClicks(controls.cardField, card);
    QTest::keyClick(controls.cardField, Qt::Key_Return);
    QVERIFY2(fixture.prompter.scriptDone(), qPrintable(fixture.prompter.pending()));
    QVERIFY(controls.cardField->text().isEmpty());
    QCOMPARE(fixture.db.select(u"select dt from breaks where name = '0042'"_s).size(), 1);
    QVERIFY(dialog.isVisible());

    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(fixture.grantedCards(), QStringList{u"0099"_s});
}

QTEST_MAIN(TestBreakDialog)
#include "tst_breakdialog.moc"
