#include "platform/audio/AudioTonePlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QtMath>

#include <algorithm>
#include <limits>

namespace {

constexpr int fallbackSampleRate = 44100;
// Lowest rate at which the highest tone of the signal is still a tone.
constexpr int minimumSampleRate = 16000;
// A short fade at both ends of each tone, so the speaker does not click.
constexpr int fadeMs = 5;
constexpr double loudness = 0.5;

// The device's own layout with 16-bit samples, or an invalid format when it takes none.
QAudioFormat formatFor(const QAudioDevice &device)
{
    QAudioFormat format = device.preferredFormat();
    if (format.sampleRate() < minimumSampleRate)
        format.setSampleRate(fallbackSampleRate);
    if (format.channelCount() < 1)
        format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return {};
    return format;
}

// Qt's audio layer warns once when no sound server runs. For a station without speakers
// that is the normal state, so the note is dropped while the outputs are listed.
QtMessageHandler handlerBeforeProbe = nullptr;

void dropSoundServerNote(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("PulseAudioService:")))
        return;
    if (handlerBeforeProbe)
        handlerBeforeProbe(type, context, text);
}

QAudioDevice defaultOutput()
{
    handlerBeforeProbe = qInstallMessageHandler(dropSoundServerNote);
    const bool any = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(handlerBeforeProbe);
    return any ? QMediaDevices::defaultAudioOutput() : QAudioDevice();
}

QByteArray sineWaves(const QList<Tone> &tones, const QAudioFormat &format)
{
    const int rate = format.sampleRate();
    const int channels = format.channelCount();
    QByteArray pcm;
    for (const Tone &tone : tones) {
        const qint64 frames = qint64(rate) * tone.durationMs / 1000;
        const qint64 fadeFrames = std::max<qint64>(1, qint64(rate) * fadeMs / 1000);
        const qsizetype start = pcm.size();
        pcm.resize(start + frames * channels * qsizetype(sizeof(qint16)));
        auto *out = reinterpret_cast<qint16 *>(pcm.data() + start);
        for (qint64 i = 0; i < frames; ++i) {
            const double fade =
                std::min({1.0, double(i) / fadeFrames, double(frames - 1 - i) / fadeFrames});
            const double value =
                loudness * fade * qSin(2 * M_PI * tone.frequencyHz * double(i) / rate);
            const auto sample = qint16(value * std::numeric_limits<qint16>::max());
            for (int channel = 0; channel < channels; ++channel)
                *out++ = sample;
        }
    }
    return pcm;
}

} // namespace

AudioTonePlayer::AudioTonePlayer(QObject *parent) : QObject(parent) {}

AudioTonePlayer::~AudioTonePlayer()
{
    stop();
}

void AudioTonePlayer::play(const QList<Tone> &tones)
{
    stop();
    const QAudioDevice device = defaultOutput();
    if (device.isNull())
        return;
    const QAudioFormat format = formatFor(device);
    if (!format.isValid())
        return;

    m_buffer = new QBuffer(this);
    m_buffer->setData(sineWaves(tones, format));
    m_buffer->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(device, format, this);
    connect(m_sink, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: every sample has been played, or the device went away.
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            stop();
    });
    m_sink->start(m_buffer);
}

void AudioTonePlayer::stop()
{
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    if (m_buffer) {
        m_buffer->deleteLater();
        m_buffer = nullptr;
    }
}
