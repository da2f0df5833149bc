#pragma once

#include "platform/core/TonePlayer.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

struct StationContext;

// One Enter in the card field: looks the card up, asks when confirmation is on and
// clocks the employee in or out. A card is clocked out at most once a day.
class ClockingTransaction
{
    Q_DECLARE_TR_FUNCTIONS(ClockingTransaction)

public:
    // `openBreakDialog` gets the employee's name; the card is the context's current one.
    ClockingTransaction(StationContext &context,
                        std::function<void(const QString &employee)> openBreakDialog);

    // Returns whether the card field should be cleared. A database error is shown and
    // leaves the field as it was, so the employee can simply press Enter again.
    bool run(const QString &cardNumber);

    // True when the last run() clocked someone and played the signal; the card field
    // then takes no input for TonePlayer::totalDurationMs(signalTones()).
    bool signalPlayed() const { return m_signalPlayed; }

    static const QList<Tone> &signalTones();

private:
    struct Clocking
    {
        QString card;
        QString date;
        QString time;
        QString employee;
        bool in = true;
        QString stateSeen;
        // The card's newest clocking row when the state was read before the question;
        // empty for none.
        QString lastLogId;
    };
    enum class Outcome
    {
        Ready, // identified, state known: the card can be clocked
        Recorded,
        Declined,
        Nothing, // the card went no further; what it left behind is written
        DoneForTheDay,
        ClockedElsewhere,
        ChangedForEveryone, // an automatic or forced log-in/out changed the state
        StateMissing
    };
    enum class Lock
    {
        None,
        StateRow
    };

    void clock(Clocking &clocking);
    Outcome clockAtOnce(Clocking &clocking);
    Outcome identify(Clocking &clocking, Lock lock);
    bool confirmed(const Clocking &clocking);
    Outcome record(const Clocking &clocking);
    void write(const Clocking &clocking);
    void tell(Outcome outcome, const Clocking &clocking);
    void logError(const Clocking &clocking, const QString &reason);

    StationContext &m_context;
    std::function<void(const QString &employee)> m_openBreakDialog;
    bool m_signalPlayed = false;
};
