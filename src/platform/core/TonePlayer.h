#pragma once

#include <QList>

struct Tone
{
    int frequencyHz;
    int durationMs;
};

// Plays a signal of tones one after the other. play() returns at once; the tones go on
// in the background. Where no audio output exists nothing is heard.
class TonePlayer
{
public:
    virtual ~TonePlayer() = default;
    virtual void play(const QList<Tone> &tones) = 0;

    static int totalDurationMs(const QList<Tone> &tones)
    {
        int total = 0;
        for (const Tone &tone : tones)
            total += tone.durationMs;
        return total;
    }
};
