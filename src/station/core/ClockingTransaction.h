#pragma once

#include "platform/core/Prompter.h"
#include "platform/core/TonePlayer.h"
#include "station/core/ClockingFeedback.h"
#include "store/CardClocking.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <functional>
#include <optional>

struct StationContext;

// One Enter in the card field: looks the card up, asks when confirmation is on and
// clocks the employee in or out. A card is clocked out at most once a day, unless the
// work settings allow several clock-ins a day.
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
    // What the last run() did, for the status panel.
    const ClockingFeedback &feedback() const { return m_feedback; }

    static const QList<Tone> &signalTones();

private:
    struct Clocking
    {
        QString card;
        QString date;
        QString time;
        QDate day; // the date's value
        QTime at;  // the time's value, to the second
        QString employee;
        bool in = true;
        QString stateSeen;
        // The card's newest clocking row when the state was read; empty for none.
        QString lastLogId;
        bool onceADay = true;       // refused once clocked out for the day
        bool crossMidnight = false; // the done mark goes to the date the shift began
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
    void clock(Clocking &clocking);
    Outcome clockAtOnce(Clocking &clocking);
    Outcome identify(Clocking &clocking);
    bool confirmed(const Clocking &clocking);
    Outcome record(const Clocking &clocking);
    CardClocking::Entry entryOf(const Clocking &clocking);
    void tell(Outcome outcome, const Clocking &clocking);
    bool doneForTheDay(const Clocking &clocking);
    QString shiftDate(const Clocking &clocking);
    void logError(const Clocking &clocking, const QString &reason);
    // A card not clocked: the message box, and the same words on the status panel.
    void refuse(const QString &employee, const QString &caption, const QString &text,
                PromptIcon icon);

    StationContext &m_context;
    std::function<void(const QString &employee)> m_openBreakDialog;
    bool m_signalPlayed = false;
    ClockingFeedback m_feedback;
};
