#pragma once

#include <QString>

class Clock;
class Database;
class Prompter;

// Supervisor log-in and log-out. The flag they set is shared by every station on the
// same database.
class SupervisorLogin
{
public:
    enum class Result
    {
        LoggedIn,
        Refused,
        Failed
    };

    SupervisorLogin(Database &db, Prompter &prompter, Clock &clock)
        : m_db(db), m_prompter(prompter), m_clock(clock)
    {
    }

    // Checks the account; a refusal is recorded in the error log. The log-in dialog
    // closes on LoggedIn and empties its fields on Refused.
    Result logIn(const QString &userName, const QString &password);
    // Asks, then clears the flag.
    void logOut();

private:
    bool accountMatches(const QString &userName, const QString &password);

    Database &m_db;
    Prompter &m_prompter;
    Clock &m_clock;
};
