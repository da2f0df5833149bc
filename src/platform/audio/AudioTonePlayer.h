#pragma once

#include "platform/core/TonePlayer.h"

#include <QObject>

class QAudioSink;
class QBuffer;

// Plays tones as sine waves on the default audio output. Without an output (or one that
// takes no 16-bit samples) it stays silent. The sound plays on while play() has returned.
class AudioTonePlayer : public QObject, public TonePlayer
{
    Q_OBJECT

public:
    explicit AudioTonePlayer(QObject *parent = nullptr);
    ~AudioTonePlayer() override;

    // A new signal cuts off the one still playing.
    void play(const QList<Tone> &tones) override;

private:
    void stop();

    QAudioSink *m_sink = nullptr;
    QBuffer *m_buffer = nullptr;
};
