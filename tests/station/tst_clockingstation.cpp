#include "Database.h"
#include "FixedClock.h"
#include "QuietWarnings.h"
#include "Schema.h"
#include "ScriptedPrompter.h"
#include "SilentTonePlayer.h"
#include "StartupValues.h"
#include "StationCommands.h"
#include "StationContext.h"
#include "StationWindow.h"
#include "TestDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QStringList logTypes(Database &db)
{
    QStringList types;
    for (const SqlRow &row : db.select(u"select type from log order by id"_s))
        types << row[u"type"_s];
    return types;
}

// Types where the keyboard focus is, as a badge reader does.
void swipe(const QString &card)
{
    QTest::keyClicks(static_cast<QWidget *>(nullptr), card);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
}

} // namespace

class TestClockingStation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A swipe that is not clocked, leaves the card in the field, holds the window while
    // the signal plays, or lets a second read of the card clock straight back out.
    void swipeClocksAndLocksCardField();
};

void TestClockingStation::swipeClocksAndLocksCardField()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042137')"_s);
    db.exec(u"insert into locked (cardnum,locked) values ('0042137','0')"_s);
    FixedClock clock;
    ScriptedPrompter prompter;
    SilentTonePlayer tones;
    StartupValues values;
    StationContext context{db, prompter, clock, tones, values, {}};
    StationWindow window(clock, prompter);
    StationCommands commands(window, context);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *field = window.cardField();
    QCOMPARE(QApplication::focusWidget(), field);

    QElapsedTimer elapsed;
    elapsed.start();
    swipe(u"0042137"_s);
    QVERIFY2(elapsed.elapsed() < 1000, "the window waited for the signal");
    QCOMPARE(logTypes(db), QStringList{u"IN"_s});
    QCOMPARE(tones.plays().size(), 1);
    QVERIFY(field->text().isEmpty());
    QVERIFY(!field->isEnabled());
    auto *lock = window.findChild<QTimer *>(u"cardLockTimer"_s);
    QVERIFY(lock);
    QVERIFY(lock->isActive());
    QCOMPARE(lock->interval(), 3000);

    // The reader sends the card again; a blank among the keys must not press Hide.
    swipe(u"0042137 "_s);
    QTest::keyClicks(field, u"0042137"_s);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(field->text().isEmpty());
    QCOMPARE(logTypes(db), QStringList{u"IN"_s});
    QVERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
    QVERIFY(prompter.seen().isEmpty());

    // Once the signal is over the field takes the next swipe, and nothing typed during
    // the lock is in it.
    lock->start(0);
    QTRY_VERIFY(field->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(field->text().isEmpty());
    swipe(u"0042137"_s);
    QCOMPARE(logTypes(db), (QStringList{u"IN"_s, u"OUT"_s}));
    QVERIFY(field->text().isEmpty());
    QVERIFY(!field->isEnabled());
}

QTEST_MAIN(TestClockingStation)
#include "tst_clockingstation.moc"
