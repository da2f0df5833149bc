#pragma once

#include <QCoreApplication>
#include <QString>

class Clock;
class Database;
class Prompter;
class SupervisorSession;

// Supervisor log-in and log-out at this station.
class SupervisorLogin
{
    Q_DECLARE_TR_FUNCTIONS(SupervisorLogin)

public:
    enum class Result
    {
        LoggedIn,
        Refused,
        Failed
    };

    SupervisorLogin(Database &db, Prompter &prompter, Clock &clock, SupervisorSession &session)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_session(session)
    {
    }

    // Checks the account; a refusal is recorded in the error log. The log-in dialog
    // closes on LoggedIn and empties its fields on Refused.
    Result logIn(const QString &userName, const QString &password);
    // Asks, then ends this station's log-in.
    void logOut();

private:
    bool accountMatches(const QString &userName, const QString &password);

    Database &m_db;
    Prompter &m_prompter;
    Clock &m_clock;
    SupervisorSession &m_session;
};
