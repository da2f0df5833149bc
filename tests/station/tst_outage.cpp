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

#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString card = u"0042137"_s;
const QString unreachableStart = u"The database cannot be reached: "_s;
const QString unreachableEnd = u". Chronel will try again at the next action."_s;

// The script that scripts/start-test-postgres.sh leaves beside the test server's data
// folder to stop and start it; empty for a server started some other way.
QString serverControl()
{
    Database admin(qEnvironmentVariable("CHRONEL_TEST_PG_URI"));
    const QString data = admin.first(u"show data_directory"_s)[u"data_directory"_s];
    const QString control = QFileInfo(data).absolutePath() + u"/control"_s;
    return QFileInfo(control).isExecutable() ? control : QString();
}

bool control(const QString &script, const QString &action)
{
    QProcess process;
    process.start(script, {action});
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Stops the server for as long as it lives, so that a failing test cannot leave the
// rest of the suite without one.
class ServerOutage
{
public:
    explicit ServerOutage(QString script) : m_script(std::move(script))
    {
        m_stopped = control(m_script, u"stop"_s);
    }
    ~ServerOutage() { end(); }
    bool stopped() const { return m_stopped; }
    bool end()
    {
        if (m_stopped && control(m_script, u"start"_s))
            m_stopped = false;
        return !m_stopped;
    }

private:
    QString m_script;
    bool m_stopped = false;
};

QStringList logTypes(Database &db)
{
    return rowsOf(db, {u"type"_s}, u"log order by id"_s);
}

} // namespace

class TestOutage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A server that went away showed an empty box from the second action on, and the
    // station stayed without a connection until it was restarted.
    void clockingAcrossServerRestart();
};

void TestOutage::clockingAcrossServerRestart()
{
    if (!TestDatabase::available(u"postgresql"_s))
        return;
    const QString script = serverControl();
    if (script.isEmpty()) {
        if (qEnvironmentVariable("CI") == u"true"_s)
            QFAIL(
                "the test server cannot be stopped: start it with scripts/start-test-postgres.sh");
        QSKIP("the test server cannot be stopped: start it with scripts/start-test-postgres.sh");
    }
    TestDatabase target(u"postgresql"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {u"Ann Smith"_s, card});
    db.exec(u"insert into locked (cardnum,locked) values (?,'0')"_s, {card});
    ScriptedPrompter prompter;
    FixedClock clock;
    SilentTonePlayer tones;
    StartupValues values;
    RecordingMessenger messenger;
    StationContext context{db, prompter, clock, tones, messenger, values, {}};
    ClockingTransaction clocking(context, {});

    QVERIFY(clocking.run(card));
    QCOMPARE(logTypes(db), QStringList{u"IN"_s});

    {
        ServerOutage outage(script);
        QVERIFY(outage.stopped());
        // Every action while it is down says so in full, not only the first.
        for (int attempt = 0; attempt < 2; ++attempt) {
            prompter.expectError(u"Database Error"_s);
            QVERIFY(!clocking.run(card));
            QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
            const QString text = prompter.seen().last().text;
            QVERIFY2(text.startsWith(unreachableStart) && text.endsWith(unreachableEnd),
                     qPrintable(text));
            QVERIFY2(text.size() > unreachableStart.size() + unreachableEnd.size(),
                     qPrintable(text));
        }
        QVERIFY(outage.end());
    }

    QVERIFY(clocking.run(card));
    QCOMPARE(logTypes(db), (QStringList{u"IN"_s, u"OUT"_s}));
    QCOMPARE(prompter.seen().size(), 2);
}

QTEST_GUILESS_MAIN(TestOutage)
#include "tst_outage.moc"
