#include "QuietWarnings.h"
#include "platform/audio/AudioTonePlayer.h"

#include <QElapsedTimer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Short, so that a machine with a speaker is not kept beeping by the tests.
const QList<Tone> shortSignal = {{5000, 40}, {2000, 40}, {5000, 40}};

} // namespace

class TestAudioTonePlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Playing blocks the station until the sound ends, or warns where no output exists.
    void playReturnsAtOnce();
    // A signal cut short by the next one, or by closing the program, crashes or warns.
    void interruptedSignal();
};

void TestAudioTonePlayer::playReturnsAtOnce()
{
    AudioTonePlayer player;
    const QList<Tone> fullSignal = {{5000, 1000}, {2000, 1000}, {5000, 1000}};
    QElapsedTimer elapsed;
    elapsed.start();
    player.play(fullSignal);
    QVERIFY2(elapsed.elapsed() < 1000, qPrintable(QString::number(elapsed.elapsed())));
}

void TestAudioTonePlayer::interruptedSignal()
{
    {
        AudioTonePlayer player;
        player.play(shortSignal);
        player.play(shortSignal);
        QTest::qWait(200);
        player.play(shortSignal);
    }
    QTest::qWait(50);
}

QTEST_MAIN(TestAudioTonePlayer)
#include "tst_audiotoneplayer.moc"
