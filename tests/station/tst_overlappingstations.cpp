#include "FixedClock.h"
#include "Overlap.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "SilentTonePlayer.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "breaks/core/BreakRecording.h"
#include "breaks/core/ManualBreakEntry.h"
#include "platform/core/Prompter.h"
#include "station/core/ClockingTransaction.h"
#include "station/core/GlobalClocking.h"
#include "station/core/StationContext.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

#include <QMutex>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

// Two stations on one database at the same moment, for real: station B works in a
// thread of its own while station A (the test) holds its transaction open. Each case
// fails when the row or table locks of the road under test are taken away.

namespace {

const QString card = u"0042"_s;
const QString clockedElsewhere =
    u"This card was clocked at another station a moment ago. Please try again."_s;
const QString changedForEveryone =
    u"Employees were logged in/out automatically a moment ago. Please try again."_s;

// Station B's prompts, kept to be compared on the test's thread; every question is
// answered Yes, after `onQuestion` has run.
class RecordingPrompter : public Prompter
{
public:
    std::function<void()> onQuestion;

    void inform(const QString &caption, const QString &text, PromptIcon) override
    {
        QMutexLocker lock(&m_mutex);
        m_shown << caption + u": "_s + text;
    }
    bool ask(const QString &caption, const QString &text, PromptIcon) override
    {
        if (onQuestion)
            onQuestion();
        QMutexLocker lock(&m_mutex);
        m_shown << caption + u"? "_s + text;
        return true;
    }
    QStringList shown()
    {
        QMutexLocker lock(&m_mutex);
        return m_shown;
    }

private:
    QMutex m_mutex;
    QStringList m_shown;
};

StartupValues stationValues()
{
    StartupValues values;
    values.confirmation = true;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = 2;
    values.breakNames = {u"Lunch"_s, u"Tea"_s, u"-"_s};
    return values;
}

// What station A does while its transaction is open.
enum class Hold
{
    ClockIn,        // clocks the card in, as another station's Enter does
    ClockOut,       // clocks the card, which is in, out for the day
    LogEveryoneIn,  // the automatic or forced log-in
    StartBreak,     // records the start of break 1
    StartFirstBreak // the same for an employee without break marks yet
};

void hold(Database &db, Hold what)
{
    switch (what) {
    case Hold::ClockIn:
        db.select(u"select locked from locked where cardnum = ?"_s + db.dialect().forUpdate(),
                  {card});
        db.exec(u"insert into log (dt,tm,employee,type,cardnum) "
                u"values ('03/14/26','08:05:00','Ann','IN',?)"_s,
                {card});
        db.exec(u"update locked set locked = '1' where cardnum = ?"_s, {card});
        break;
    case Hold::ClockOut:
        db.exec(u"insert into log (dt,tm,employee,type,cardnum) "
                u"values ('03/14/26','08:05:00','Ann','OUT',?)"_s,
                {card});
        db.exec(u"update locked set locked = '0' where cardnum = ?"_s, {card});
        db.exec(u"insert into allloggedin (dt,cardnum,completed) values ('03/14/26',?,'1')"_s,
                {card});
        break;
    case Hold::LogEveryoneIn:
        db.exec(u"update locked set locked = '1'"_s);
        break;
    case Hold::StartBreak:
    case Hold::StartFirstBreak:
        UsedBreaks::lockForChange(db);
        UsedBreaks::statesAddingRow(db, card);
        db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
                u"values ('03/14/26',?,'08:00:00','-','-','Y','1')"_s,
                {card});
        UsedBreaks::setState(db, card, 1, UsedBreaks::running);
        break;
    }
}

// What station B tries meanwhile.
enum class Attempt
{
    Clock,       // Enter with the card, answering the question while A is at work
    ClockAtOnce, // Enter with the card at a station that asks nothing
    RecordBreak, // Enter in the break dialog
    EnterBreakEnd
};

} // namespace

class TestOverlappingStations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    void overlap_data();
    void overlap();
};

void TestOverlappingStations::overlap_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<int>("hold");
    QTest::addColumn<int>("attempt");
    QTest::addColumn<QStringList>("shown");     // B's prompts
    QTest::addColumn<QStringList>("clockings"); // "type cardnum"
    QTest::addColumn<QStringList>("breaks");    // "i out" of break 1
    QTest::addColumn<QStringList>("marks");     // "employee used1"

    const int clock = int(Attempt::Clock);
    const int recordBreak = int(Attempt::RecordBreak);
    const QString question = u"Confirm?? Clock Ann IN?"_s;
    const QStringList ended = {u"Success!: End of Lunch recorded!"_s,
                               u"Completed: All times for Lunch recorded!"_s};
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        // B read "out" before its question; A's clock-in commits while B waits.
        QTest::addRow("%s: both clock in", e.constData())
            << engine << int(Hold::ClockIn) << clock
            << QStringList{question, u"Not Processed: "_s + clockedElsewhere}
            << QStringList{u"IN 0042"_s} << QStringList() << QStringList{u"0042 0"_s};
        // B asks nothing: the state it acts on is the one A leaves, so B clocks out.
        QTest::addRow("%s: clock in, then at once out", e.constData())
            << engine << int(Hold::ClockIn) << int(Attempt::ClockAtOnce) << QStringList()
            << QStringList{u"IN 0042"_s, u"OUT 0042"_s} << QStringList()
            << QStringList{u"0042 0"_s};
        // B read "in" and "not done"; A's clock-out leaves the day done before B writes.
        QTest::addRow("%s: clock out, then at once again", e.constData())
            << engine << int(Hold::ClockOut) << int(Attempt::ClockAtOnce)
            << QStringList{u"Completed: Employee has already been logged in/out for the "
                           u"day.No further logging is possible"_s}
            << QStringList{u"OUT 0042"_s} << QStringList() << QStringList{u"0042 0"_s};
        QTest::addRow("%s: everyone logged in meanwhile", e.constData())
            << engine << int(Hold::LogEveryoneIn) << clock
            << QStringList{question, u"Not Processed: "_s + changedForEveryone} << QStringList()
            << QStringList() << QStringList{u"0042 0"_s};
        // A's break start commits while B waits: B ends that break, never starts a second.
        QTest::addRow("%s: break start and end", e.constData())
            << engine << int(Hold::StartBreak) << recordBreak << ended << QStringList()
            << QStringList{u"08:00:00 08:05:09"_s} << QStringList{u"0042 2"_s};
        QTest::addRow("%s: first break of a new employee", e.constData())
            << engine << int(Hold::StartFirstBreak) << recordBreak << ended << QStringList()
            << QStringList{u"08:00:00 08:05:09"_s} << QStringList{u"0042 2"_s};
        // A supervisor enters the end by hand while the station records the start.
        QTest::addRow("%s: manual end while the start is recorded", e.constData())
            << engine << int(Hold::StartBreak) << int(Attempt::EnterBreakEnd)
            << QStringList{u"Success!: Manual entries added successfully!"_s} << QStringList()
            << QStringList{u"08:00:00 08:30:00"_s} << QStringList{u"0042 2"_s};
    }
}

void TestOverlappingStations::overlap()
{
    QFETCH(int, hold);
    QFETCH(int, attempt);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, clockings);
    QFETCH(QStringList, breaks);
    QFETCH(QStringList, marks);
    CHRONEL_FETCH_ENGINE(target);
    Database stationA(target.location());
    Schema::create(stationA);
    stationA.exec(u"insert into employees (employee,cardnum) values ('Ann',?)"_s, {card});
    stationA.exec(u"insert into locked (cardnum,locked) values (?,?)"_s,
                  {card, Hold(hold) == Hold::ClockOut ? u"1"_s : u"0"_s});
    if (Hold(hold) != Hold::StartFirstBreak)
        stationA.exec(u"insert into usedbreaks (employee,used1,used2,used3) "
                      u"values (?,'0','0','0')"_s,
                      {card});

    Overlap overlap;
    RecordingPrompter prompter;
    overlap.start([&] {
        Database db(target.location());
        FixedClock clock;
        SilentTonePlayer tones;
        const StartupValues values = stationValues();
        switch (Attempt(attempt)) {
        case Attempt::Clock: {
            RecordingMessenger messenger;
            StationContext context{db, prompter, clock, tones, messenger, values, {}};
            // B has read the state and asks; A goes to work before the answer.
            prompter.onQuestion = [&] { overlap.pauseHere(); };
            ClockingTransaction(context, {}).run(card);
            break;
        }
        case Attempt::ClockAtOnce: {
            RecordingMessenger messenger;
            StartupValues asksNothing = values;
            asksNothing.confirmation = false;
            StationContext context{db, prompter, clock, tones, messenger, asksNothing, {}};
            overlap.pauseHere();
            ClockingTransaction(context, {}).run(card);
            break;
        }
        case Attempt::RecordBreak:
            overlap.pauseHere();
            BreakRecording(db, prompter, clock, values).record(card, card);
            break;
        case Attempt::EnterBreakEnd: {
            overlap.pauseHere();
            ManualBreakEntry::Request request;
            request.employee = u"Ann"_s;
            request.date = clock.now().date();
            request.end.used = true;
            request.end.time = TimeEntry(u"08"_s, u"30"_s, u"00"_s);
            ManualBreakEntry(db, prompter, clock).process(request);
            break;
        }
        }
    });

    overlap.waitUntilPaused();
    {
        Transaction transaction(stationA);
        ::hold(stationA, Hold(hold));
        overlap.resume();
        QVERIFY2(overlap.stillWaitingAfter(300), "station B did not wait for station A");
        transaction.commit();
    }
    overlap.finish();

    QCOMPARE(prompter.shown(), shown);
    QCOMPARE(rowsOf(stationA, {u"type"_s, u"cardnum"_s}, u"log order by id"_s), clockings);
    QCOMPARE(rowsOf(stationA, {u"i"_s, u"out"_s}, u"breaks"_s), breaks);
    QCOMPARE(rowsOf(stationA, {u"employee"_s, u"used1"_s}, u"usedbreaks"_s), marks);
}

QTEST_GUILESS_MAIN(TestOverlappingStations)
#include "tst_overlappingstations.moc"
