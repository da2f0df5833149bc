#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestHome.h"
#include "station/core/StationLock.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString caption = u"Chronel"_s;

QString refusal(const QString &home)
{
    return u"Chronel is already running in %1.\nOnly one station can run there at a time."_s.arg(
        QDir::toNativeSeparators(home));
}

// The id of a process that has ended.
qint64 endedProcess()
{
    QProcess process;
    process.start(u"true"_s, {});
    if (!process.waitForStarted())
        return 0;
    const qint64 id = process.processId();
    process.waitForFinished();
    return id;
}

} // namespace

class TestStationLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A second station on the same home opened on top of the first, and break requests
    // reached only one of them.
    void secondStationRefused();
    // A station that crashed left its lock: the next one must start, or the home is
    // dead until someone deletes the file by hand.
    void staleLockTakenOver();
    // The lock goes with the station: the next start in the home must not be refused.
    void lockReleasedAtEnd();
};

void TestStationLock::secondStationRefused()
{
    TestHome home;
    QLockFile running(home.file(StationLock::fileName));
    QVERIFY(running.tryLock(0));

    ScriptedPrompter prompter;
    prompter.expectMessage(caption, refusal(home.path()), PromptIcon::Exclamation);
    StationLock second(home.path());
    QVERIFY(!second.acquire(prompter));
    QVERIFY(prompter.scriptDone());
    // A long-running first station is not taken for a crashed one.
    QTest::qWait(50);
    QVERIFY(running.isLocked());
}

void TestStationLock::staleLockTakenOver()
{
    TestHome home;
    const QString path = home.file(StationLock::fileName);
    QByteArray content;
    {
        QLockFile made(path);
        QVERIFY(made.tryLock(0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        content = file.readAll();
    }
    // The same lock, left by a process that is gone.
    const qint64 gone = endedProcess();
    QVERIFY(gone > 0);
    const qsizetype lineEnd = content.indexOf('\n');
    QVERIFY(lineEnd > 0);
    home.write(StationLock::fileName, QByteArray::number(gone) + content.mid(lineEnd));

    ScriptedPrompter prompter;
    StationLock station(home.path());
    QVERIFY(station.acquire(prompter));
    QVERIFY(prompter.seen().isEmpty());
}

void TestStationLock::lockReleasedAtEnd()
{
    TestHome home;
    ScriptedPrompter prompter;
    {
        StationLock first(home.path());
        QVERIFY(first.acquire(prompter));
        prompter.expectMessage(caption, refusal(home.path()), PromptIcon::Exclamation);
        StationLock second(home.path());
        QVERIFY(!second.acquire(prompter));
    }
    StationLock next(home.path());
    QVERIFY(next.acquire(prompter));
    QVERIFY(prompter.scriptDone());
}

QTEST_GUILESS_MAIN(TestStationLock)
#include "tst_stationlock.moc"
