#include "FixedClock.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "ScriptedPrompter.h"
#include "SilentTonePlayer.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "station/core/ClockingTransaction.h"
#include "station/core/StationContext.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString ann = u"Ann Smith"_s;
const QString annCard = u"0042137"_s;
const QStringList engines = {u"sqlite"_s, u"postgresql"_s};

// Runs something while the next question is open, as another station or the clock
// would, then answers as scripted.
class InterruptingPrompter : public ScriptedPrompter
{
public:
    std::function<void()> duringNextQuestion;

    bool ask(const QString &caption, const QString &text, PromptIcon icon) override
    {
        if (duringNextQuestion)
            std::exchange(duringNextQuestion, {})();
        return ScriptedPrompter::ask(caption, text, icon);
    }
};

// One station: its own connection, prompts, clock, speaker and start-up values.
struct Station
{
    explicit Station(const QString &location, bool confirmation = false, bool breaks = false,
                     bool breakDialog = true)
        : db(location), clocking(context, breakDialog ? std::function<void(const QString &)>(
                                                            [this](const QString &employee) {
                                                                ++breakDialogs;
                                                                breakDialogFor = employee;
                                                            })
                                                      : std::function<void(const QString &)>())
    {
        values.confirmation = confirmation;
        values.breaks = breaks ? StationSettings::Switch::On : StationSettings::Switch::Off;
    }

    Database db;
    InterruptingPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(8, 5, 9))};
    SilentTonePlayer tones;
    StartupValues values;
    RecordingMessenger messenger;
    StationContext context{db, prompter, clock, tones, messenger, values, {}};
    int breakDialogs = 0;
    QString breakDialogFor;
    ClockingTransaction clocking;
};

// A new database with one employee; without a state the card has no row in locked.
void addEmployee(Database &db, const QString &name, const QString &card, const QString &state)
{
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, card});
    if (!state.isNull())
        db.exec(u"insert into locked (cardnum,locked) values (?,?)"_s, {card, state});
}

void setUp(const QString &location, const QString &name, const QString &card, const QString &state)
{
    Database db(location);
    Schema::create(db);
    addEmployee(db, name, card, state);
}

// Every log row as "dt tm employee type cardnum", oldest first.
QStringList logRows(Database &db)
{
    return rowsOf(db, {u"dt"_s, u"tm"_s, u"employee"_s, u"type"_s, u"cardnum"_s},
                  u"log order by id"_s);
}

QStringList logTypes(Database &db)
{
    return rowsOf(db, {u"type"_s}, u"log order by id"_s);
}

QString stateOf(Database &db, const QString &card)
{
    return db.first(u"select locked from locked where cardnum = ?"_s, {card})[u"locked"_s];
}

// Done-for-the-day rows as "dt cardnum completed".
QStringList completedRows(Database &db)
{
    return rowsOf(db, {u"dt"_s, u"cardnum"_s, u"completed"_s}, u"allloggedin"_s);
}

QStringList errorRows(Database &db)
{
    return rowsOf(db, {u"tm"_s, u"dt"_s, u"reason"_s, u"sent"_s}, u"errorlog order by id"_s, u'|');
}

QString eauth(Database &db)
{
    const SqlRow row = db.first(u"select ename,cardnum from eauth"_s);
    return row[u"ename"_s] + u'|' + row[u"cardnum"_s];
}

QStringList describe(const QList<QList<Tone>> &plays)
{
    QStringList signalsPlayed;
    for (const QList<Tone> &tones : plays) {
        QStringList parts;
        for (const Tone &tone : tones)
            parts << u"%1Hz/%2ms"_s.arg(tone.frequencyHz).arg(tone.durationMs);
        signalsPlayed << parts.join(u' ');
    }
    return signalsPlayed;
}

const QString theSignal = u"5000Hz/1000ms 2000Hz/1000ms 5000Hz/1000ms"_s;
const QString clockedElsewhere =
    u"This card was clocked at another station a moment ago. Please try again."_s;
const QString completedText =
    u"Employee has already been logged in/out for the day.No further logging is possible"_s;

} // namespace

class TestClockingTransaction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Clocks the wrong way, asks when it should not (or the wrong words), writes on No,
    // opens the break dialog when it should not, misses the done-for-the-day row or the
    // signal.
    void stateMachine_data();
    void stateMachine();
    // A card clocked out today is let through again, or wrongly refused after midnight.
    void doneForTheDayUntilMidnight_data() { TestDatabase::addEngineRows(); }
    void doneForTheDayUntilMidnight();
    // A night shift's clock-out is dated the day it began.
    void overnightShiftClocksOutToday_data() { TestDatabase::addEngineRows(); }
    void overnightShiftClocksOutToday();
    // An unknown card or one without a state is shown, clocked, or not logged as
    // the reports expect; a card is trimmed; a card with control characters reaches the
    // driver as typed (PostgreSQL refuses a NUL).
    void unmatchedCardIsLogged_data();
    void unmatchedCardIsLogged();
    // An empty Enter writes or shows something.
    void emptyCardDoesNothing();
    // Apostrophes, quotes or non-ASCII letters break a statement or come back changed.
    void awkwardTextRoundTrips_data();
    void awkwardTextRoundTrips();
    // The time is taken after the question was answered instead of at Enter.
    void clockedAtEnter();
    // Two stations clocking one card at the same moment record two INs or two OUTs in a
    // row; a state that vanished goes unnoticed.
    void concurrentClocking_data();
    void concurrentClocking();
    // A failed write leaves part of the clocking behind, clears the card or goes unseen.
    void databaseErrorWritesNothing_data();
    void databaseErrorWritesNothing();
};

void TestClockingTransaction::stateMachine_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("confirmation");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("breaks");
    QTest::addColumn<bool>("breakDialog"); // the break dialog exists
    QTest::addColumn<QString>("question"); // empty: none asked
    QTest::addColumn<QString>("message");  // "Not Processed" text; empty: none
    QTest::addColumn<int>("breakDialogs");
    QTest::addColumn<QString>("logged"); // type of the log row; empty: none
    QTest::addColumn<QString>("newState");
    QTest::addColumn<bool>("completed"); // a done-for-the-day row
    QTest::addColumn<bool>("signalled");

    const QString in = u"Clock Ann Smith IN?"_s;
    const QString out = u"Clock Ann Smith OUT?"_s;
    const QString notIn = u"Employee not logged in"_s;
    const QString notOut = u"Employee not logged out"_s;

    QTest::newRow("in") << u"0"_s << false << false << false << true << QString() << QString() << 0
                        << u"IN"_s << u"1"_s << false << true;
    QTest::newRow("in, breaks on") << u"0"_s << false << false << true << true << QString()
                                   << QString() << 0 << u"IN"_s << u"1"_s << false << true;
    QTest::newRow("in, Yes") << u"0"_s << true << true << false << true << in << QString() << 0
                             << u"IN"_s << u"1"_s << false << true;
    QTest::newRow("in, Yes, breaks on") << u"0"_s << true << true << true << true << in << QString()
                                        << 0 << u"IN"_s << u"1"_s << false << true;
    QTest::newRow("in, No") << u"0"_s << true << false << false << true << in << notIn << 0
                            << QString() << u"0"_s << false << false;
    QTest::newRow("in, No, breaks on") << u"0"_s << true << false << true << true << in << QString()
                                       << 1 << QString() << u"0"_s << false << false;
    QTest::newRow("in, No, breaks on, no break dialog")
        << u"0"_s << true << false << true << false << in << notIn << 0 << QString() << u"0"_s
        << false << false;

    QTest::newRow("out") << u"1"_s << false << false << false << true << QString() << QString() << 0
                         << u"OUT"_s << u"0"_s << true << true;
    QTest::newRow("out, breaks on") << u"1"_s << false << false << true << true << QString()
                                    << QString() << 0 << u"OUT"_s << u"0"_s << true << true;
    QTest::newRow("out, Yes") << u"1"_s << true << true << false << true << out << QString() << 0
                              << u"OUT"_s << u"0"_s << true << true;
    QTest::newRow("out, Yes, breaks on") << u"1"_s << true << true << true << true << out
                                         << QString() << 0 << u"OUT"_s << u"0"_s << true << true;
    QTest::newRow("out, No") << u"1"_s << true << false << false << true << out << notOut << 0
                             << QString() << u"1"_s << false << false;
    QTest::newRow("out, No, breaks on") << u"1"_s << true << false << true << true << out
                                        << QString() << 1 << QString() << u"1"_s << false << false;
    QTest::newRow("out, No, breaks on, no break dialog")
        << u"1"_s << true << false << true << false << out << notOut << 0 << QString() << u"1"_s
        << false << false;

    QTest::newRow("unknown state") << u"X"_s << true << true << true << true << QString()
                                   << QString() << 0 << QString() << u"X"_s << false << false;
}

void TestClockingTransaction::stateMachine()
{
    QFETCH(QString, state);
    QFETCH(bool, confirmation);
    QFETCH(bool, answer);
    QFETCH(bool, breaks);
    QFETCH(bool, breakDialog);
    QFETCH(QString, question);
    QFETCH(QString, message);
    QFETCH(int, breakDialogs);
    QFETCH(QString, logged);
    QFETCH(QString, newState);
    QFETCH(bool, completed);
    QFETCH(bool, signalled);
    TestDatabase target(u"sqlite"_s);
    setUp(target.location(), ann, annCard, state);
    Station station(target.location(), confirmation, breaks, breakDialog);
    if (!question.isEmpty())
        station.prompter.expectQuestion(u"Confirm?"_s, question, answer);
    if (!message.isEmpty())
        station.prompter.expectMessage(u"Not Processed"_s, message, PromptIcon::Information);

    QVERIFY(station.clocking.run(annCard));

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(station.context.currentCardNumber, annCard);
    QCOMPARE(station.breakDialogs, breakDialogs);
    // The break dialog names the employee who declined, not whoever swiped last.
    QCOMPARE(station.breakDialogFor, breakDialogs ? ann : QString());
    Database &db = station.db;
    QCOMPARE(logRows(db), logged.isEmpty() ? QStringList()
                                           : QStringList{u"03/14/26 08:05:09 Ann Smith "_s +
                                                         logged + u" 0042137"_s});
    QCOMPARE(stateOf(db, annCard), newState);
    QCOMPARE(completedRows(db), completed ? QStringList{u"03/14/26 0042137 1"_s} : QStringList());
    QCOMPARE(eauth(db), u"Ann Smith|0042137"_s);
    QCOMPARE(describe(station.tones.plays()), signalled ? QStringList{theSignal} : QStringList());
    QCOMPARE(station.clocking.signalPlayed(), signalled);
    QVERIFY(errorRows(db).isEmpty());
}

void TestClockingTransaction::doneForTheDayUntilMidnight()
{
    CHRONEL_FETCH_ENGINE(target);
    setUp(target.location(), ann, annCard, u"1"_s);
    Station station(target.location());
    Database &db = station.db;
    station.clock.set(QDateTime(QDate(2026, 3, 14), QTime(17, 0, 0)));
    QVERIFY(station.clocking.run(annCard));
    QCOMPARE(logTypes(db), QStringList{u"OUT"_s});

    // The same day: refused before anything is written, the swipe target included.
    db.exec(u"update eauth set ename = '-',cardnum = '-'"_s);
    station.clock.advanceSeconds(5);
    station.prompter.expectMessage(u"Completed"_s, completedText, PromptIcon::Error);
    QVERIFY(station.clocking.run(annCard));
    QVERIFY(station.prompter.scriptDone());
    QCOMPARE(logTypes(db), QStringList{u"OUT"_s});
    QCOMPARE(stateOf(db, annCard), u"0"_s);
    QCOMPARE(completedRows(db), QStringList{u"03/14/26 0042137 1"_s});
    QCOMPARE(eauth(db), u"-|-"_s);
    QCOMPARE(station.tones.plays().size(), 1);
    QVERIFY(!station.clocking.signalPlayed());

    // After midnight the card works again.
    station.clock.set(QDateTime(QDate(2026, 3, 15), QTime(0, 0, 1)));
    QVERIFY(station.clocking.run(annCard));
    QCOMPARE(logRows(db).last(), u"03/15/26 00:00:01 Ann Smith IN 0042137"_s);
    QCOMPARE(stateOf(db, annCard), u"1"_s);
    QCOMPARE(station.tones.plays().size(), 2);
}

void TestClockingTransaction::overnightShiftClocksOutToday()
{
    CHRONEL_FETCH_ENGINE(target);
    setUp(target.location(), ann, annCard, u"0"_s);
    Station station(target.location());
    station.clock.set(QDateTime(QDate(2026, 3, 13), QTime(22, 0, 0)));
    QVERIFY(station.clocking.run(annCard));

    station.clock.set(QDateTime(QDate(2026, 3, 14), QTime(6, 0, 0)));
    QVERIFY(station.clocking.run(annCard));

    QCOMPARE(logRows(station.db), (QStringList{u"03/13/26 22:00:00 Ann Smith IN 0042137"_s,
                                               u"03/14/26 06:00:00 Ann Smith OUT 0042137"_s}));
    QCOMPARE(completedRows(station.db), QStringList{u"03/14/26 0042137 1"_s});
}

void TestClockingTransaction::unmatchedCardIsLogged_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("state"); // null: the card has no state row
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("swiped"); // eauth afterwards

    const QString overlong(200, u'7');
    for (const QString &engine : engines) {
        const QByteArray e = engine.toLatin1();
        QTest::addRow("%s: unknown card", e.constData())
            << engine << u"999"_s << u"0"_s << u"Invalid employee :999"_s << u"-|-"_s;
        QTest::addRow("%s: blanks are part of the card", e.constData())
            << engine << u" 0042137 "_s << u"0"_s << u"Invalid employee : 0042137 "_s << u"-|-"_s;
        QTest::addRow("%s: overlong card", e.constData())
            << engine << overlong << u"0"_s << u"Invalid employee :"_s + overlong << u"-|-"_s;
        // The driver would refuse these: they are logged with the characters replaced.
        QTest::addRow("%s: NUL in the card", e.constData())
            << engine << u"0042137\0"_s << u"0"_s << u"Invalid employee :0042137\ufffd"_s
            << u"-|-"_s;
        QTest::addRow("%s: controls and a lone surrogate", e.constData())
            << engine
            << u"\x1b"
               "42\r"_s +
                   QChar(0xd800)
            << u"0"_s << u"Invalid employee :\ufffd42\ufffd\ufffd"_s << u"-|-"_s;
        QTest::addRow("%s: no state row", e.constData())
            << engine << annCard << QString() << u"Card not found in logged database: 0042137"_s
            << u"Ann Smith|0042137"_s;
    }
}

void TestClockingTransaction::unmatchedCardIsLogged()
{
    QFETCH(QString, typed);
    QFETCH(QString, state);
    QFETCH(QString, reason);
    QFETCH(QString, swiped);
    CHRONEL_FETCH_ENGINE(target);
    setUp(target.location(), ann, annCard, state);
    Station station(target.location(), true);

    QVERIFY(station.clocking.run(typed));

    QCOMPARE(station.context.currentCardNumber, typed);
    QVERIFY(station.prompter.seen().isEmpty());
    QVERIFY(station.tones.plays().isEmpty());
    QCOMPARE(errorRows(station.db), QStringList{u"08:05:09|03/14/26|"_s + reason + u"|NO"_s});
    QVERIFY(logRows(station.db).isEmpty());
    QCOMPARE(eauth(station.db), swiped);
}

void TestClockingTransaction::emptyCardDoesNothing()
{
    TestDatabase target(u"sqlite"_s);
    // An employee without a card, whom a look-up of the empty text would find.
    setUp(target.location(), ann, u""_s, u"0"_s);
    Station station(target.location(), true);
    station.context.currentCardNumber = annCard;

    QVERIFY(!station.clocking.run(QString()));

    QVERIFY(station.context.currentCardNumber.isEmpty());
    QVERIFY(station.prompter.seen().isEmpty());
    QVERIFY(station.tones.plays().isEmpty());
    QVERIFY(errorRows(station.db).isEmpty());
    QVERIFY(logRows(station.db).isEmpty());
    QCOMPARE(eauth(station.db), u"-|-"_s);
}

void TestClockingTransaction::awkwardTextRoundTrips_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("card");

    for (const QString &engine : engines) {
        QTest::addRow("%s, apostrophes", qPrintable(engine))
            << engine << u"Seán O'Brien"_s << u"12'3"_s;
        QTest::addRow("%s, quotes", qPrintable(engine))
            << engine << u"Ann \"Nan\" Lee; drop table log"_s << u"7\"7"_s;
        QTest::addRow("%s, non-ASCII", qPrintable(engine))
            << engine << u"Åse Øvergård-Ünal"_s << u"Ä\u00df12"_s;
        QTest::addRow("%s, blanks", qPrintable(engine)) << engine << u"Bo"_s << u" 42 "_s;
    }
}

void TestClockingTransaction::awkwardTextRoundTrips()
{
    QFETCH(QString, name);
    QFETCH(QString, card);
    CHRONEL_FETCH_ENGINE(target);
    setUp(target.location(), name, card, u"0"_s);
    Station station(target.location(), true);
    station.prompter.expectQuestion(u"Confirm?"_s, u"Clock "_s + name + u" IN?"_s, true);

    QVERIFY(station.clocking.run(card));

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QCOMPARE(logRows(station.db), QStringList{u"03/14/26 08:05:09 "_s + name + u" IN "_s + card});
    QCOMPARE(stateOf(station.db, card), u"1"_s);
    QCOMPARE(eauth(station.db), name + u'|' + card);
}

void TestClockingTransaction::clockedAtEnter()
{
    TestDatabase target(u"sqlite"_s);
    setUp(target.location(), ann, annCard, u"1"_s);
    Station station(target.location(), true);
    station.clock.set(QDateTime(QDate(2026, 3, 14), QTime(23, 59, 30)));
    // The employee answers a minute later, on the next day.
    station.prompter.duringNextQuestion = [&station] { station.clock.advanceSeconds(60); };
    station.prompter.expectQuestion(u"Confirm?"_s, u"Clock Ann Smith OUT?"_s, true);

    QVERIFY(station.clocking.run(annCard));

    QCOMPARE(logRows(station.db), QStringList{u"03/14/26 23:59:30 Ann Smith OUT 0042137"_s});
    QCOMPARE(completedRows(station.db), QStringList{u"03/14/26 0042137 1"_s});
}

void TestClockingTransaction::concurrentClocking_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("state");
    // What happens while station A's question is open: "clock" (station B clocks the
    // card), or a statement run on B's connection.
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("logged");
    QTest::addColumn<QString>("newState"); // empty: the row is gone

    const QString fatal = u"Fatal database error,please re-add the user with the card number "
                          "of : 0042137"_s;
    for (const QString &engine : engines) {
        QTest::addRow("%s, both clock in", qPrintable(engine))
            << engine << u"0"_s << u"clock"_s << u"Not Processed"_s << clockedElsewhere
            << QStringList{u"IN"_s} << u"1"_s;
        QTest::addRow("%s, both clock out", qPrintable(engine))
            << engine << u"1"_s << u"clock"_s << u"Not Processed"_s << clockedElsewhere
            << QStringList{u"OUT"_s} << u"0"_s;
        QTest::addRow("%s, marked done for the day", qPrintable(engine))
            << engine << u"0"_s
            << u"insert into allloggedin (dt,cardnum,completed) values ('03/14/26','0042137','1')"_s
            << u"Not Processed"_s << clockedElsewhere << QStringList() << u"0"_s;
        const QString everyone =
            u"Employees were logged in/out automatically a moment ago. Please try again."_s;
        QTest::addRow("%s, everyone logged in", qPrintable(engine))
            << engine << u"0"_s << u"update locked set locked = '1'"_s << u"Not Processed"_s
            << everyone << QStringList() << u"1"_s;
        QTest::addRow("%s, everyone logged out", qPrintable(engine))
            << engine << u"1"_s << u"update locked set locked = '0'"_s << u"Not Processed"_s
            << everyone << QStringList() << u"0"_s;
        QTest::addRow("%s, state row removed", qPrintable(engine))
            << engine << u"1"_s << u"delete from locked"_s << u"Error!"_s << fatal << QStringList()
            << QString();
    }
}

void TestClockingTransaction::concurrentClocking()
{
    QFETCH(QString, state);
    QFETCH(QString, meanwhile);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QStringList, logged);
    QFETCH(QString, newState);
    CHRONEL_FETCH_ENGINE(target);
    setUp(target.location(), ann, annCard, state);
    Station a(target.location(), true);
    Station b(target.location());
    a.prompter.duringNextQuestion = [&] {
        if (meanwhile == u"clock"_s)
            QVERIFY(b.clocking.run(annCard));
        else
            b.db.exec(meanwhile);
    };
    a.prompter.expectQuestion(
        u"Confirm?"_s, state == u"0"_s ? u"Clock Ann Smith IN?"_s : u"Clock Ann Smith OUT?"_s,
        true);
    a.prompter.expectMessage(caption, text,
                             caption == u"Error!"_s ? PromptIcon::Error : PromptIcon::Exclamation);

    QVERIFY(a.clocking.run(annCard));

    QVERIFY2(a.prompter.scriptDone(), qPrintable(a.prompter.pending()));
    QVERIFY(a.tones.plays().isEmpty());
    QVERIFY(!a.clocking.signalPlayed());
    QCOMPARE(logTypes(a.db), logged);
    const QList<SqlRow> states = a.db.select(u"select locked from locked"_s);
    QCOMPARE(states.isEmpty() ? QString() : states.first()[u"locked"_s], newState);
    // A's refusal held no lock: B can go on clocking.
    if (!newState.isEmpty() && meanwhile == u"clock"_s) {
        b.clock.set(QDateTime(QDate(2026, 3, 15), QTime(8, 0, 0)));
        QVERIFY(b.clocking.run(annCard));
        QCOMPARE(logTypes(a.db).size(), 2);
    }
}

void TestClockingTransaction::databaseErrorWritesNothing_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QStringList>("breakage");

    for (const QString &engine : engines) {
        QTest::addRow("%s, log table missing", qPrintable(engine))
            << engine << QStringList{u"drop table log"_s};
        // The last write of a clock-out fails, after the log row and the state were written.
        QTest::addRow("%s, done-for-the-day row refused", qPrintable(engine))
            << engine
            << QStringList{u"drop table allloggedin"_s,
                           u"create table allloggedin (dt text, cardnum text, "
                           "completed text check (completed <> '1'))"_s};
    }
}

void TestClockingTransaction::databaseErrorWritesNothing()
{
    QFETCH(QStringList, breakage);
    CHRONEL_FETCH_ENGINE(target);
    setUp(target.location(), ann, annCard, u"1"_s);
    Station station(target.location());
    for (const QString &statement : breakage)
        station.db.exec(statement);
    station.prompter.expectError();

    QVERIFY(!station.clocking.run(annCard));

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    QVERIFY(!station.prompter.seen().first().text.isEmpty());
    QVERIFY(!station.db.inTransaction());
    QCOMPARE(stateOf(station.db, annCard), u"1"_s);
    QVERIFY(completedRows(station.db).isEmpty());
    if (station.db.hasTable(u"log"_s))
        QVERIFY(logRows(station.db).isEmpty());
    QVERIFY(station.tones.plays().isEmpty());
    QVERIFY(!station.clocking.signalPlayed());
}

QTEST_GUILESS_MAIN(TestClockingTransaction)
#include "tst_clockingtransaction.moc"
