#pragma once

#include "platform/core/Clock.h"
#include "platform/core/Messenger.h"
#include "platform/core/Prompter.h"
#include "platform/core/TonePlayer.h"
#include "station/core/ClockingTransaction.h"
#include "station/core/StationContext.h"
#include "store/Database.h"
#include "store/StartupValues.h"

#include <QStringList>

// Says yes to every question and keeps every message, so the figures can tell when a
// clocking or a report stopped at one.
class KeepingPrompter : public Prompter
{
public:
    void inform(const QString &caption, const QString &text, PromptIcon) override
    {
        shown << caption + QStringLiteral(": ") + text;
    }
    bool ask(const QString &, const QString &, PromptIcon) override { return true; }

    QStringList shown;
};

// One station with its own connection, clocking its share of the cards through the
// station's clocking code, each card on the day after its last clocking, so every Enter
// records a clocking (in or out, as the card's state says).
class BenchStation
{
public:
    BenchStation(const QString &location, int firstCard, int cards);

    // Each card in turn.
    void clockNext();
    // The station's card `index` (0 for the first).
    void clock(int index);
    QString card(int index) const;
    // What the last clocking did: in, out or refused.
    ClockingFeedback::Kind lastKind() const { return m_clocking.feedback().kind; }
    Database &db() { return m_db; }
    const QStringList &prompts() const { return m_prompter.shown; }

private:
    class SetClock : public Clock
    {
    public:
        QDateTime now() const override { return at; }
        QDateTime at;
    };
    class Silence : public TonePlayer, public Messenger
    {
    public:
        void play(const QList<Tone> &) override {}
        void send(const QString &, const QString &) override {}
    };

    Database m_db;
    SetClock m_clock;
    KeepingPrompter m_prompter;
    Silence m_silence;
    StartupValues m_values;
    StationContext m_context;
    ClockingTransaction m_clocking;
    QDate m_firstDay;
    int m_firstCard;
    int m_cards;
    int m_next = 0;
    QList<int> m_clockings; // a card's clockings so far, which give its next day
};
