#include "QuietWarnings.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "TestStation.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// Types where the keyboard focus is, as a badge reader does.
void swipe(const QString &card)
{
    QTest::keyClicks(static_cast<QWidget *>(nullptr), card);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Return);
}

// Ann and Bob, both clocked out.
void addAnnAndBob(Database &db)
{
    for (const auto &[name, card] : {std::pair{u"Ann"_s, u"0042137"_s}, {u"Bob"_s, u"0077"_s}}) {
        db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, card});
        db.exec(u"insert into locked (cardnum,locked) values (?,'0')"_s, {card});
    }
}

QStringList logRows(Database &db)
{
    return rowsOf(db, {u"employee"_s, u"type"_s}, u"log order by id"_s);
}

} // namespace

class TestClockingStation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A swipe that is not clocked, leaves the card in the field or holds the window
    // while the signal plays; a second read of the card clocking straight back out; a
    // colleague's swipe during the signal dropped instead of clocked after it.
    void swipeDuringSignal();
    // The window's timer not driving the automatic log-in and log-out, or a supervisor's
    // unused log-in staying open.
    void timerDrivesTimedActions();
};

void TestClockingStation::swipeDuringSignal()
{
    TestDatabase target(u"sqlite"_s);
    TestStation station(target.location());
    addAnnAndBob(station.db);
    StationWindow &window = station.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit *field = window.cardField();
    QCOMPARE(QApplication::focusWidget(), field);

    QElapsedTimer elapsed;
    elapsed.start();
    swipe(u"0042137"_s);
    QVERIFY2(elapsed.elapsed() < 1000, "the window waited for the signal");
    QCOMPARE(logRows(station.db), QStringList{u"Ann IN"_s});
    QCOMPARE(station.tones.plays().size(), 1);
    QVERIFY(field->text().isEmpty());
    auto *hold = window.findChild<QTimer *>(u"cardHoldTimer"_s);
    QVERIFY(hold);
    QVERIFY(hold->isActive());
    QCOMPARE(hold->interval(), 3000);

    // The reader sends Ann's card again, then Bob swipes; a blank typed must not press
    // Hide.
    swipe(u"0042137"_s);
    QTest::keyClick(static_cast<QWidget *>(nullptr), Qt::Key_Space);
    QTest::keyClick(field, Qt::Key_Backspace);
    swipe(u"0077"_s);
    QVERIFY(field->text().isEmpty());
    QCOMPARE(logRows(station.db), QStringList{u"Ann IN"_s});
    QVERIFY(!window.isMinimized());
    QVERIFY(station.prompter.seen().isEmpty());

    // Once the signal is over Bob is clocked, and his signal holds the field again.
    hold->start(0);
    QTRY_COMPARE(logRows(station.db), (QStringList{u"Ann IN"_s, u"Bob IN"_s}));
    QCOMPARE(station.tones.plays().size(), 2);
    QVERIFY(hold->isActive());
    QCOMPARE(QApplication::focusWidget(), field);

    hold->start(0);
    QTRY_VERIFY(!hold->isActive());
    swipe(u"0042137"_s);
    QCOMPARE(logRows(station.db), (QStringList{u"Ann IN"_s, u"Bob IN"_s, u"Ann OUT"_s}));
    QVERIFY(field->text().isEmpty());
}

void TestClockingStation::timerDrivesTimedActions()
{
    StartupValues values;
    values.autoLogIn = QTime(8, 5, 10);
    values.autoLogOut = QTime(8, 5, 11);
    values.supervisorIdleMinutes = 10;
    TestDatabase target(u"sqlite"_s);
    TestStation station(target.location(), values);
    addAnnAndBob(station.db);
    station.context.session.logIn(station.clock.now());
    QSignalSpy ticks(&station.window, &StationWindow::ticked);

    // The log-in time passes: the next tick of the window's own timer logs everyone in.
    station.clock.set(QDateTime(QDate(2026, 3, 14), QTime(8, 5, 10)));
    QTRY_COMPARE(station.db.select(u"select cardnum from locked where locked = '1'"_s).size(), 2);
    QVERIFY(!ticks.isEmpty());
    station.clock.set(QDateTime(QDate(2026, 3, 14), QTime(8, 5, 11)));
    QTRY_COMPARE(station.db.select(u"select cardnum from locked where locked = '0'"_s).size(), 2);
    QVERIFY(station.context.session.loggedIn());

    // Ten minutes without a key or a click: the supervisor is logged out by a tick.
    station.clock.set(QDateTime(QDate(2026, 3, 14), QTime(8, 15, 9)));
    QTRY_VERIFY(!station.context.session.loggedIn());
    QVERIFY(logRows(station.db).isEmpty());
}

QTEST_MAIN(TestClockingStation)
#include "tst_clockingstation.moc"
