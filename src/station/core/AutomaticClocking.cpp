#include "station/core/AutomaticClocking.h"

#include "station/core/GlobalClocking.h"
#include "store/ReportedErrors.h"

AutomaticClocking::AutomaticClocking(GlobalClocking &clocking, Prompter &prompter,
                                     const QString &logInTime, const QString &logOutTime,
                                     const QDateTime &startedAt)
    : m_clocking(clocking),
      m_prompter(prompter), m_logIn{timeOfDay(logInTime), {}}, m_logOut{timeOfDay(logOutTime), {}},
      m_lastCheck(startedAt.addSecs(-1))
{
}

std::optional<QTime> AutomaticClocking::timeOfDay(const QString &text)
{
    const QStringList parts = text.trimmed().split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || parts[i].size() > 2)
            return std::nullopt;
    }
    const QTime time(values[0], values[1], values[2]);
    return time.isValid() ? std::optional<QTime>(time) : std::nullopt;
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
