#include "station/core/SupervisorSession.h"

void SupervisorSession::logIn(const QDateTime &now, const QString &userName)
{
    m_loggedIn = true;
    m_userName = userName;
    m_lastUse = now;
}

bool SupervisorSession::endIfIdle(const QDateTime &now)
{
    if (!m_loggedIn || m_idleMinutes <= 0)
        return false;
    // A clock set back counts as use, not as hours of idleness.
    if (m_lastUse.secsTo(now) < qint64(m_idleMinutes) * 60)
        return false;
    m_loggedIn = false;
    return true;
}
