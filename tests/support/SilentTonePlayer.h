#pragma once

#include "platform/core/TonePlayer.h"

// Plays nothing and keeps every signal it was asked to play.
class SilentTonePlayer : public TonePlayer
{
public:
    void play(const QList<Tone> &tones) override { m_plays.append(tones); }

    const QList<QList<Tone>> &plays() const { return m_plays; }

private:
    QList<QList<Tone>> m_plays;
};
