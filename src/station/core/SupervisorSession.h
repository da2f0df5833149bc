#pragma once

#include <QDateTime>
#include <QString>

// Whether a supervisor is logged in at this station. The log-in belongs to the station
// where it was made: other stations on the same database are neither opened nor
// closed by it. A log-in left unused for longer than the idle limit ends by itself.
class SupervisorSession
{
public:
    // `idleMinutes` 0 keeps a log-in until Log-out.
    explicit SupervisorSession(int idleMinutes = 0) : m_idleMinutes(idleMinutes) {}

    bool loggedIn() const { return m_loggedIn; }
    // The account that logged in, for the audit trail.
    const QString &userName() const { return m_userName; }
    void logIn(const QDateTime &now, const QString &userName = {});
    void logOut() { m_loggedIn = false; }

    // Someone used the station: the idle time starts again.
    void touch(const QDateTime &now) { m_lastUse = now; }
    // Ends a log-in that has gone unused for longer than the idle limit; true when it did.
    bool endIfIdle(const QDateTime &now);

private:
    int m_idleMinutes;
    bool m_loggedIn = false;
    QString m_userName;
    QDateTime m_lastUse;
};
