#include "station/core/AutomaticClocking.h"

#include "station/core/GlobalClocking.h"
#include "store/ReportedErrors.h"

AutomaticClocking::AutomaticClocking(GlobalClocking &clocking, Prompter &prompter,
                                     const std::optional<QTime> &logInTime,
                                     const std::optional<QTime> &logOutTime,
                                     const QDateTime &startedAt)
    : m_clocking(clocking), m_prompter(prompter), m_logIn{logInTime, {}}, m_logOut{logOutTime, {}},
      m_lastCheck(startedAt.addSecs(-1))
{
}

std::optional<QDateTime> AutomaticClocking::due(Action &action, const QDateTime &now)
{
    if (!action.at)
        return std::nullopt;
    QDateTime latest(now.date(), *action.at);
    if (latest > now)
        latest = latest.addDays(-1);
    if (latest <= m_lastCheck || action.lastRun == latest.date())
        return std::nullopt;
    action.lastRun = latest.date();
    return latest;
}

void AutomaticClocking::tick(const QDateTime &now)
{
    const std::optional<QDateTime> logIn = due(m_logIn, now);
    const std::optional<QDateTime> logOut = due(m_logOut, now);
    m_lastCheck = now;
    const auto runLogIn = [&] { runReported(m_prompter, [&] { m_clocking.logEveryoneIn(); }); };
    const auto runLogOut = [&] {
        runReported(m_prompter, [&] { m_clocking.logEveryoneOutAndResetBreaks(); });
    };
    // Both fell due while the station was busy or asleep: the later one decides the
    // state employees are left in. At the same time the log-in comes first.
    if (logIn && logOut && *logOut < *logIn) {
        runLogOut();
        runLogIn();
        return;
    }
    if (logIn)
        runLogIn();
    if (logOut)
        runLogOut();
}
