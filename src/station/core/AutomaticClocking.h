#pragma once

#include <QDateTime>
#include <optional>

class GlobalClocking;
class Prompter;

// Logs everyone in and out at the configured times of day. Each action runs once when
// the clock passes its time, even when that very second had no tick because the
// window was busy, and never twice for the same day. A time that had already passed
// when the station started waits for the next day.
class AutomaticClocking
{
public:
    // Without a time, that action never runs.
    AutomaticClocking(GlobalClocking &clocking, Prompter &prompter,
                      const std::optional<QTime> &logInTime, const std::optional<QTime> &logOutTime,
                      const QDateTime &startedAt);

    void tick(const QDateTime &now);

private:
    struct Action
    {
        std::optional<QTime> at;
        QDate lastRun;
    };

    // When the action fell due since the last check; nothing when it did not.
    std::optional<QDateTime> due(Action &action, const QDateTime &now);

    GlobalClocking &m_clocking;
    Prompter &m_prompter;
    Action m_logIn;
    Action m_logOut;
    QDateTime m_lastCheck;
};
