#include "FixedClock.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "ScriptedPrompter.h"
#include "SilentTonePlayer.h"
#include "TestDatabase.h"
#include "station/core/ClockingTransaction.h"
#include "station/core/StationContext.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString card = u"0042137"_s;
const QString completedText =
    u"Employee has already been logged in/out for the day.No further logging is possible"_s;

struct Station
{
    explicit Station(const QString &location) : db(location) { values.confirmation = false; }

    Database db;
    ScriptedPrompter prompter;
    FixedClock clock;
    SilentTonePlayer tones;
    StartupValues values;
    RecordingMessenger messenger;
    StationContext context{db, prompter, clock, tones, messenger, values, {}};
    ClockingTransaction clocking{context, {}};
};

QStringList completedDates(Database &db)
{
    QStringList dates;
    for (const SqlRow &row : db.select(u"select dt from allloggedin"_s))
        dates << row[u"dt"_s];
    dates.sort();
    return dates;
}

QString newestType(Database &db)
{
    const QList<SqlRow> rows = db.select(u"select type from log order by id desc"_s);
    return rows.isEmpty() ? QString() : rows.first()[u"type"_s];
}

} // namespace

class TestShiftRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The station's two shift rules: off, a night worker cannot come back the evening
    // after; on, the done mark lands on the shift's own date and a second shift a day is
    // taken. A mark put on an old shift's date, or a day shift let through twice, fails.
    void clockings_data();
    void clockings();
};

void TestShiftRules::clockings_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("crossMidnight");
    QTest::addColumn<bool>("severalADay");
    QTest::addColumn<QString>("startState");
    // "yyyy-MM-dd HH:mm what": IN, OUT or refused.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("doneDates");

    struct Case
    {
        const char *name;
        bool crossMidnight;
        bool severalADay;
        QString startState;
        QStringList steps;
        QStringList doneDates;
    };
    const QList<Case> cases = {
        {"rules off: the night worker is refused in the evening",
         false,
         false,
         u"0"_s,
         {u"2026-03-13 22:00 IN"_s, u"2026-03-14 06:00 OUT"_s, u"2026-03-14 22:00 refused"_s},
         {u"03/14/26"_s}},
        {"across midnight: back in the evening",
         true,
         false,
         u"0"_s,
         {u"2026-03-13 22:00 IN"_s, u"2026-03-14 06:00 OUT"_s, u"2026-03-14 22:00 IN"_s,
          u"2026-03-15 06:00 OUT"_s},
         {u"03/13/26"_s, u"03/14/26"_s}},
        {"across midnight: a day shift is still once a day",
         true,
         false,
         u"0"_s,
         {u"2026-03-14 08:00 IN"_s, u"2026-03-14 16:00 OUT"_s, u"2026-03-14 18:00 refused"_s},
         {u"03/14/26"_s}},
        {"across midnight: an IN days old marks today",
         true,
         false,
         u"0"_s,
         {u"2026-03-10 08:00 IN"_s, u"2026-03-14 09:00 OUT"_s, u"2026-03-14 10:00 refused"_s},
         {u"03/14/26"_s}},
        {"across midnight: logged in automatically marks today",
         true,
         false,
         u"1"_s,
         {u"2026-03-14 06:00 OUT"_s, u"2026-03-14 22:00 refused"_s},
         {u"03/14/26"_s}},
        {"several a day",
         false,
         true,
         u"0"_s,
         {u"2026-03-14 08:00 IN"_s, u"2026-03-14 12:00 OUT"_s, u"2026-03-14 13:00 IN"_s,
          u"2026-03-14 17:00 OUT"_s, u"2026-03-14 18:00 IN"_s},
         {u"03/14/26"_s, u"03/14/26"_s}},
        {"both: a night and a day shift",
         true,
         true,
         u"0"_s,
         {u"2026-03-13 22:00 IN"_s, u"2026-03-14 06:00 OUT"_s, u"2026-03-14 10:00 IN"_s,
          u"2026-03-14 12:00 OUT"_s},
         {u"03/13/26"_s, u"03/14/26"_s}},
    };
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        for (const Case &c : cases)
            QTest::newRow(qPrintable(engine + u": "_s + QString::fromLatin1(c.name)))
                << engine << c.crossMidnight << c.severalADay << c.startState << c.steps
                << c.doneDates;
    }
}

void TestShiftRules::clockings()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(bool, crossMidnight);
    QFETCH(bool, severalADay);
    QFETCH(QString, startState);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, doneDates);
    {
        Database db(target.location());
        Schema::create(db);
        db.exec(u"insert into employees (employee,cardnum) values ('Ann',?)"_s, {card});
        db.exec(u"insert into locked (cardnum,locked) values (?,?)"_s, {card, startState});
        db.exec(u"update worksettings set crossmidnight = ?, severalclockins = ?"_s,
                {crossMidnight ? u"1"_s : u"0"_s, severalADay ? u"1"_s : u"0"_s});
    }
    Station station(target.location());

    for (const QString &step : steps) {
        const QStringList parts = step.split(u' ');
        station.clock.set(QDateTime::fromString(parts[0] + u' ' + parts[1], u"yyyy-MM-dd HH:mm"_s));
        const QString before = newestType(station.db);
        if (parts[2] == u"refused"_s)
            station.prompter.expectMessage(u"Completed"_s, completedText, PromptIcon::Error);
        QVERIFY(station.clocking.run(card));
        QVERIFY2(station.prompter.scriptDone(), qPrintable(step));
        QCOMPARE(newestType(station.db), parts[2] == u"refused"_s ? before : parts[2]);
    }
    QCOMPARE(completedDates(station.db), doneDates);
}

QTEST_GUILESS_MAIN(TestShiftRules)
#include "tst_shiftrules.moc"
