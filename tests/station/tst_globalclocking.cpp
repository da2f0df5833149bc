#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "station/core/AutomaticClocking.h"
#include "station/core/GlobalClocking.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StationSettings.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// A database with two employees in an unknown state and used breaks.
void seed(Database &db)
{
    db.exec(u"update locked set locked = 'X'"_s);
    db.exec(u"update usedbreaks set used1 = 'X',used2 = 'X',used3 = 'X'"_s);
    // A grant nobody used.
    db.exec(u"delete from \"authorization\" where cardnumber <> '-'"_s);
    db.exec(u"insert into \"authorization\" (authorized,cardnumber,dt) values "
            u"('1','1','03/14/26')"_s);
}

QDateTime at(const QString &text)
{
    QDateTime moment = QDateTime::fromString(text, u"MM/dd/yy HH:mm:ss"_s);
    return moment.addYears(100); // two-digit years read as 19xx
}

} // namespace

class TestGlobalClocking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Each automatic action runs once when its time passes: on the exact second, after
    // a second without a tick, across midnight, never twice a day, not for a time that
    // had passed before the start.
    void automatic_data();
    void automatic();
    // The supervisor's forced commands change every state only on Yes; the forced
    // log-out leaves the break marks alone.
    void forced_data();
    void forced();
};

void TestGlobalClocking::automatic_data()
{
    QTest::addColumn<QString>("logInTime");
    QTest::addColumn<QString>("logOutTime");
    QTest::addColumn<QString>("startedAt");
    // Each tick: "MM/dd/yy HH:mm:ss" and the state every row has after it: X when
    // nothing ran, 1 after the log-in, 0 after the log-out (which resets the breaks and
    // withdraws the grants), "1 reset" when a log-out ran before a log-in.
    QTest::addColumn<QStringList>("ticks");

    QTest::newRow("exact second") << u"07:00:00"_s << u"17:00:00"_s << u"03/14/26 06:00:00"_s
                                  << QStringList{u"03/14/26 06:59:59 X"_s, u"03/14/26 07:00:00 1"_s,
                                                 u"03/14/26 07:00:01 X"_s,
                                                 u"03/14/26 17:00:00 0"_s};
    QTest::newRow("second without a tick")
        << u"07:00:00"_s << u"17:00:00"_s << u"03/14/26 06:00:00"_s
        << QStringList{u"03/14/26 06:59:58 X"_s, u"03/14/26 07:00:03 1"_s, u"03/14/26 07:00:04 X"_s,
                       u"03/14/26 17:00:05 0"_s};
    QTest::newRow("started after the time")
        << u"07:00:00"_s << QString() << u"03/14/26 07:30:00"_s
        << QStringList{u"03/14/26 07:30:01 X"_s, u"03/15/26 06:59:59 X"_s,
                       u"03/15/26 07:00:00 1"_s};
    QTest::newRow("started on the second") << u"07:00:00"_s << QString() << u"03/14/26 07:00:00"_s
                                           << QStringList{u"03/14/26 07:00:00 1"_s};
    QTest::newRow("midnight") << QString() << u"00:00:00"_s << u"03/14/26 23:59:58"_s
                              << QStringList{u"03/14/26 23:59:59 X"_s, u"03/15/26 00:00:01 0"_s,
                                             u"03/15/26 00:00:02 X"_s};
    QTest::newRow("one-digit parts")
        << u"7:0:0"_s << u"17:5:0"_s << u"03/14/26 06:00:00"_s
        << QStringList{u"03/14/26 07:00:00 1"_s, u"03/14/26 17:05:00 0"_s};
    QTest::newRow("equal times: in, then out")
        << u"12:00:00"_s << u"12:00:00"_s << u"03/14/26 11:00:00"_s
        << QStringList{u"03/14/26 12:00:00 0"_s, u"03/14/26 12:00:01 X"_s};
    // Both fell due while the station was busy: the later decides the state.
    QTest::newRow("both missed, log-out later")
        << u"07:00:00"_s << u"08:00:00"_s << u"03/14/26 06:00:00"_s
        << QStringList{u"03/14/26 09:00:00 0"_s};
    QTest::newRow("both missed, log-in later")
        << u"08:00:00"_s << u"07:00:00"_s << u"03/14/26 06:00:00"_s
        << QStringList{u"03/14/26 09:00:00 1 reset"_s};
    QTest::newRow("both missed across midnight")
        << u"06:00:00"_s << u"23:00:00"_s << u"03/14/26 22:00:00"_s
        << QStringList{u"03/15/26 07:00:00 1 reset"_s};
    QTest::newRow("no or unusable times")
        << QString() << u"25:00:00"_s << u"03/14/26 00:00:00"_s
        << QStringList{u"03/14/26 12:00:00 X"_s, u"03/15/26 01:00:00 X"_s};
    QTest::newRow("a long pause runs once")
        << u"07:00:00"_s << QString() << u"03/14/26 06:00:00"_s
        << QStringList{u"03/17/26 08:00:00 1"_s, u"03/17/26 08:00:01 X"_s};
    QTest::newRow("clock set back runs nothing twice")
        << u"07:00:00"_s << QString() << u"03/14/26 06:00:00"_s
        << QStringList{u"03/14/26 07:00:00 1"_s, u"03/14/26 06:59:00 X"_s, u"03/14/26 07:00:00 X"_s,
                       u"03/15/26 07:00:00 1"_s};
}

void TestGlobalClocking::automatic()
{
    QFETCH(QString, logInTime);
    QFETCH(QString, logOutTime);
    QFETCH(QString, startedAt);
    QFETCH(QStringList, ticks);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into locked (cardnum,locked) values ('1','X'),('2','X')"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values ('1','X','X','X')"_s);
    ScriptedPrompter prompter;
    GlobalClocking clocking(db, prompter);
    AutomaticClocking automatic(clocking, prompter, StationSettings::timeOfDay(logInTime),
                                StationSettings::timeOfDay(logOutTime), at(startedAt));

    for (const QString &tick : ticks) {
        seed(db);
        automatic.tick(at(tick.left(17)));
        const QString expected = tick.mid(18, 1);
        const bool reset = expected == u"0"_s || tick.endsWith(u" reset"_s);
        for (const SqlRow &row : db.select(u"select locked from locked"_s))
            QCOMPARE(row[u"locked"_s], expected);
        const SqlRow breaks = db.first(u"select used1,used3 from usedbreaks"_s);
        QCOMPARE(breaks[u"used1"_s], reset ? u"0"_s : u"X"_s);
        QCOMPARE(breaks[u"used3"_s], reset ? u"0"_s : u"X"_s);
        QCOMPARE(
            db.select(u"select cardnumber from \"authorization\" where authorized = '1'"_s).size(),
            reset ? 0 : 1);
    }
}

void TestGlobalClocking::forced_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("logIn");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("expected");

    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        QTest::addRow("%s: log-in, yes", e.constData()) << engine << true << true << u"1"_s;
        QTest::addRow("%s: log-out, yes", e.constData()) << engine << false << true << u"0"_s;
        QTest::addRow("%s: log-in, no", e.constData()) << engine << true << false << u"X"_s;
        QTest::addRow("%s: log-out, no", e.constData()) << engine << false << false << u"X"_s;
    }
}

void TestGlobalClocking::forced()
{
    QFETCH(bool, logIn);
    QFETCH(bool, answer);
    QFETCH(QString, expected);
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into locked (cardnum,locked) values ('1','X'),('2','X')"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values ('1','X','X','X')"_s);
    ScriptedPrompter prompter;
    const QString what = logIn ? u"in"_s : u"out"_s;
    prompter.expectQuestion(
        u"Confirm"_s, u"This will cause all employees to be logged %1.Are you sure?"_s.arg(what),
        answer);
    if (answer)
        prompter.expectMessage(u"Success!"_s, u"Forced log%1 completed!"_s.arg(what),
                               PromptIcon::Information);

    GlobalClocking clocking(db, prompter);
    logIn ? clocking.forceLogIn() : clocking.forceLogOut();
    QVERIFY(prompter.scriptDone());
    for (const SqlRow &row : db.select(u"select locked from locked"_s))
        QCOMPARE(row[u"locked"_s], expected);
    QCOMPARE(db.first(u"select used2 from usedbreaks"_s)[u"used2"_s], u"X"_s);
}

QTEST_GUILESS_MAIN(TestGlobalClocking)
#include "tst_globalclocking.moc"
