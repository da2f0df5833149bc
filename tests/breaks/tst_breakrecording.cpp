#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "breaks/core/BreakRecording.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString card = u"0042"_s;
const QString today = u"03/14/26"_s;
const QString now = u"08:05:09"_s;

StartupValues breakValues(const QString &numberOfBreaks)
{
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = StationSettings::breakCount(numberOfBreaks);
    values.breakNames = {u"Lunch"_s, u"Tea"_s, u"Smoke"_s};
    return values;
}

void addEmployee(Database &db, const QString &cardNumber, const QStringList &used)
{
    db.exec(u"insert into employees (employee,cardnum) values ('Ann',?)"_s, {cardNumber});
    if (!used.isEmpty())
        db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values (?,?,?,?)"_s,
                {cardNumber, used.value(0), used.value(1), used.value(2)});
}

void addBreak(Database &db, const QString &date, const QString &start, const QString &end,
              const QString &number, const QString &cardNumber = card)
{
    db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
            "values (?,?,?,?,'-','Y',?)"_s,
            {date, cardNumber, start, end, number});
}

QStringList usedState(Database &db, const QString &cardNumber = card)
{
    QStringList state;
    for (const SqlRow &row :
         db.select(u"select used1,used2,used3 from usedbreaks where employee = ?"_s, {cardNumber}))
        state << row[u"used1"_s] << row[u"used2"_s] << row[u"used3"_s];
    return state;
}

// Every break row as "breaknumber dt name i-out locked auth", in a stable order.
QStringList breakRows(Database &db)
{
    QStringList rows;
    for (const SqlRow &row :
         db.select(u"select breaknumber,dt,name,i,out,locked,auth from breaks"_s))
        rows << u"%1 %2 %3 %4-%5 %6 %7"_s.arg(row[u"breaknumber"_s], row[u"dt"_s], row[u"name"_s],
                                              row[u"i"_s], row[u"out"_s], row[u"locked"_s],
                                              row[u"auth"_s]);
    rows.sort();
    return rows;
}

// Messages are written "caption|text"; all of them carry the information icon.
void expectMessages(ScriptedPrompter &prompter, const QStringList &messages)
{
    for (const QString &message : messages) {
        const QStringList parts = message.split(u'|');
        prompter.expectMessage(parts.at(0), parts.at(1), PromptIcon::Information);
    }
}

} // namespace

class TestBreakRecording : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A break started or ended out of turn, the wrong column or row changed, a break
    // beyond the day's number taken, a "-" state acted on, or a message with the wrong
    // words, capital or "!".
    void stateTable_data();
    void stateTable();
    // Anything recorded for an empty field or for a card that is not the dialog's own.
    void otherCard_data();
    void otherCard();
    // An employee added after breaks were switched on gets a database error instead of
    // a break; the card is quoted into the statements.
    void missingStateRow_data() { TestDatabase::addEngineRows(); }
    void missingStateRow();
    // A state row left behind, or a break row without its state, when the break event
    // fails halfway.
    void wholeOrNothing_data() { TestDatabase::addEngineRows(); }
    void wholeOrNothing();
    // A break ended after midnight leaves its row open for ever, or the end lands on a
    // stale open row of an older day or on a break already closed.
    void acrossMidnight();
    // A break whose open row is gone reported as ended, or marked done so that it can
    // never be ended by hand either.
    void endWithoutOpenRow_data();
    void endWithoutOpenRow();
};

void TestBreakRecording::stateTable_data()
{
    QTest::addColumn<QString>("numberOfBreaks");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("change"); // "start N", "end N" or empty
    QTest::addColumn<QStringList>("messages");

    const QString done = u"Completed|All times for %1 recorded!"_s;
    const QStringList none;
    auto state = [](const char *text) { return QString::fromLatin1(text).split(u','); };

    QTest::newRow("3: start 1") << u"3"_s << state("0,0,0") << state("1,0,0") << u"start 1"_s
                                << QStringList{u"Success!|Start of Lunch recorded"_s};
    QTest::newRow("3: end 1") << u"3"_s << state("1,0,0") << state("2,0,0") << u"end 1"_s
                              << QStringList{u"Success!|End of Lunch recorded!"_s,
                                             done.arg(u"Lunch"_s)};
    QTest::newRow("3: start 2") << u"3"_s << state("2,0,0") << state("2,1,0") << u"start 2"_s
                                << QStringList{u"Success!|Start of Tea recorded"_s};
    QTest::newRow("3: end 2") << u"3"_s << state("2,1,0") << state("2,2,0") << u"end 2"_s
                              << QStringList{u"Success!|end of Tea recorded"_s, done.arg(u"Tea"_s)};
    QTest::newRow("3: start 3") << u"3"_s << state("2,2,0") << state("2,2,1") << u"start 3"_s
                                << QStringList{u"Success!|Start of Smoke recorded"_s};
    QTest::newRow("3: end 3") << u"3"_s << state("2,2,1") << state("2,2,2") << u"end 3"_s
                              << QStringList{u"Success!|end of Smoke recorded"_s,
                                             done.arg(u"Smoke"_s)};
    QTest::newRow("3: all used") << u"3"_s << state("2,2,2") << state("2,2,2") << QString() << none;
    QTest::newRow("2: end 1") << u"2"_s << state("1,0,0") << state("2,0,0") << u"end 1"_s
                              << QStringList{u"Success!|End of Lunch recorded!"_s,
                                             done.arg(u"Lunch"_s)};
    QTest::newRow("2: end 2") << u"2"_s << state("2,1,0") << state("2,2,0") << u"end 2"_s
                              << QStringList{u"Success!|end of Tea recorded"_s, done.arg(u"Tea"_s)};
    QTest::newRow("2: both used") << u"2"_s << state("2,2,0") << state("2,2,0") << QString()
                                  << none;
    QTest::newRow("1: start 1") << u"1"_s << state("0,0,0") << state("1,0,0") << u"start 1"_s
                                << QStringList{u"Success!|Start of Lunch recorded"_s};
    QTest::newRow("1: end 1") << u"1"_s << state("1,0,0") << state("2,0,0") << u"end 1"_s
                              << QStringList{u"Success!|End of Lunch recorded"_s,
                                             done.arg(u"Lunch"_s)};
    QTest::newRow("1: used") << u"1"_s << state("2,0,0") << state("2,0,0") << QString() << none;
    QTest::newRow("0: nothing set up")
        << u"0"_s << state("0,0,0") << state("0,0,0") << QString() << none;
    QTest::newRow("empty: nothing set up")
        << QString() << state("0,0,0") << state("0,0,0") << QString() << none;
    QTest::newRow("3: break 1 without state")
        << u"3"_s << state("-,0,0") << state("-,0,0") << QString() << none;
    QTest::newRow("3: break 2 without state")
        << u"3"_s << state("2,-,0") << state("2,-,0") << QString() << none;
}

void TestBreakRecording::stateTable()
{
    QFETCH(QString, numberOfBreaks);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, change);
    QFETCH(QStringList, messages);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    addEmployee(db, card, before);
    // The rows the state before stands for.
    for (int number = 1; number <= 3; ++number) {
        const QString used = before.at(number - 1);
        if (used == u"1"_s)
            addBreak(db, today, u"07:00:00"_s, u"-"_s, QString::number(number));
        else if (used == u"2"_s)
            addBreak(db, today, u"07:00:00"_s, u"07:15:00"_s, QString::number(number));
    }
    QStringList rows = breakRows(db);
    const QString number = change.section(u' ', 1);
    if (change.startsWith(u"start"_s))
        rows << u"%1 %2 %3 %4--"_s.arg(number, today, card, now) + u" - Y"_s;
    else if (change.startsWith(u"end"_s))
        rows.replace(rows.indexOf(u"%1 %2 %3 07:00:00-- - Y"_s.arg(number, today, card)),
                     u"%1 %2 %3 07:00:00-%4 - Y"_s.arg(number, today, card, now));
    rows.sort();

    FixedClock clock;
    ScriptedPrompter prompter;
    expectMessages(prompter, messages);
    const StartupValues values = breakValues(numberOfBreaks);
    BreakRecording recording(db, prompter, clock, values);

    const BreakRecording::Outcome outcome = recording.record(card, card);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(outcome, change.isEmpty()              ? BreakRecording::Outcome::Nothing
                      : change.startsWith(u"end"_s) ? BreakRecording::Outcome::Ended
                                                    : BreakRecording::Outcome::Started);
    QCOMPARE(usedState(db), after);
    QCOMPARE(breakRows(db), rows);
}

void TestBreakRecording::otherCard_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("other card") << u"0043"_s;
    QTest::newRow("leading zero missing") << u"042"_s;
    QTest::newRow("trailing blank") << u"0042 "_s;
}

void TestBreakRecording::otherCard()
{
    QFETCH(QString, typed);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    addEmployee(db, card, {u"0"_s, u"0"_s, u"0"_s});
    addEmployee(db, u"0043"_s, {u"0"_s, u"0"_s, u"0"_s});
    FixedClock clock;
    ScriptedPrompter prompter;
    const StartupValues values = breakValues(u"3"_s);

    QCOMPARE(BreakRecording(db, prompter, clock, values).record(typed, card),
             BreakRecording::Outcome::Nothing);
    QVERIFY(prompter.seen().isEmpty());
    QVERIFY(breakRows(db).isEmpty());
    QCOMPARE(usedState(db), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
    QCOMPARE(usedState(db, u"0043"_s), (QStringList{u"0"_s, u"0"_s, u"0"_s}));
}

void TestBreakRecording::missingStateRow()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    const QString newcomer = u"7'7; drop table breaks"_s;
    addEmployee(db, newcomer, {});
    FixedClock clock;
    ScriptedPrompter prompter;
    const StartupValues values = breakValues(u"2"_s);
    BreakRecording recording(db, prompter, clock, values);

    prompter.expectMessage(u"Success!"_s, u"Start of Lunch recorded"_s, PromptIcon::Information);
    QCOMPARE(recording.record(newcomer, newcomer), BreakRecording::Outcome::Started);
    QCOMPARE(usedState(db, newcomer), (QStringList{u"1"_s, u"0"_s, u"0"_s}));
    clock.advanceSeconds(600);
    prompter.expectMessage(u"Success!"_s, u"End of Lunch recorded!"_s, PromptIcon::Information);
    prompter.expectMessage(u"Completed"_s, u"All times for Lunch recorded!"_s,
                           PromptIcon::Information);
    QCOMPARE(recording.record(newcomer, newcomer), BreakRecording::Outcome::Ended);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(usedState(db, newcomer), (QStringList{u"2"_s, u"0"_s, u"0"_s}));
    QCOMPARE(breakRows(db), QStringList{u"1 03/14/26 "_s + newcomer + u" 08:05:09-08:15:09 - Y"_s});
}

void TestBreakRecording::wholeOrNothing()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    addEmployee(db, card, {});
    // A break table that refuses every start.
    db.exec(u"drop table breaks"_s);
    db.exec(u"create table breaks (dt text, name text, i text, out text check (out <> '-'), "
            "locked text, auth text, breaknumber text)"_s);
    FixedClock clock;
    ScriptedPrompter prompter;
    prompter.expectError();
    const StartupValues values = breakValues(u"3"_s);

    QCOMPARE(BreakRecording(db, prompter, clock, values).record(card, card),
             BreakRecording::Outcome::Failed);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(!db.inTransaction());
    QVERIFY(usedState(db).isEmpty());
    QVERIFY(breakRows(db).isEmpty());
}

void TestBreakRecording::acrossMidnight()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    addEmployee(db, card, {u"0"_s, u"0"_s, u"0"_s});
    // Left open two days ago, when the state was reset during the break.
    addBreak(db, u"03/11/26"_s, u"23:00:00"_s, u"-"_s, u"1"_s);
    // Taken and closed yesterday before the reset.
    addBreak(db, u"03/13/26"_s, u"12:00:00"_s, u"12:30:00"_s, u"1"_s);
    FixedClock clock(QDateTime(QDate(2026, 3, 13), QTime(23, 50, 0)));
    ScriptedPrompter prompter;
    const StartupValues values = breakValues(u"1"_s);
    BreakRecording recording(db, prompter, clock, values);

    prompter.expectMessage(u"Success!"_s, u"Start of Lunch recorded"_s, PromptIcon::Information);
    recording.record(card, card);
    clock.set(QDateTime(QDate(2026, 3, 14), QTime(0, 20, 5)));
    prompter.expectMessage(u"Success!"_s, u"End of Lunch recorded"_s, PromptIcon::Information);
    prompter.expectMessage(u"Completed"_s, u"All times for Lunch recorded!"_s,
                           PromptIcon::Information);
    QCOMPARE(recording.record(card, card), BreakRecording::Outcome::Ended);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));

    QCOMPARE(usedState(db), (QStringList{u"2"_s, u"0"_s, u"0"_s}));
    QCOMPARE(breakRows(db), (QStringList{u"1 03/11/26 0042 23:00:00-- - Y"_s,
                                         u"1 03/13/26 0042 12:00:00-12:30:00 - Y"_s,
                                         u"1 03/13/26 0042 23:50:00-00:20:05 - Y"_s}));
}

void TestBreakRecording::endWithoutOpenRow_data()
{
    QTest::addColumn<QStringList>("rows"); // "dt i out"
    QTest::newRow("no row") << QStringList();
    QTest::newRow("closed by hand") << QStringList{u"03/14/26 07:00:00 07:30:00"_s};
    QTest::newRow("open two days ago") << QStringList{u"03/12/26 07:00:00 -"_s};
}

void TestBreakRecording::endWithoutOpenRow()
{
    QFETCH(QStringList, rows);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    addEmployee(db, card, {u"1"_s, u"0"_s, u"0"_s});
    for (const QString &row : rows) {
        const QStringList parts = row.split(u' ');
        addBreak(db, parts[0], parts[1], parts[2], u"1"_s);
    }
    const QStringList before = breakRows(db);
    FixedClock clock;
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Not Processed"_s,
                           u"No open Lunch was found, so its end was not recorded. Please ask a "
                           "supervisor to enter it by hand."_s,
                           PromptIcon::Exclamation);
    const StartupValues values = breakValues(u"2"_s);

    QCOMPARE(BreakRecording(db, prompter, clock, values).record(card, card),
             BreakRecording::Outcome::NoOpenBreak);
    QCOMPARE(usedState(db), (QStringList{u"1"_s, u"0"_s, u"0"_s}));
    QCOMPARE(breakRows(db), before);
}

QTEST_MAIN(TestBreakRecording)
#include "tst_breakrecording.moc"
