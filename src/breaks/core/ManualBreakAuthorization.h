#pragma once

#include <QCoreApplication>
#include <QString>

class Clock;
class Database;
class Prompter;

// "Manual Authorization": a supervisor at the station grants the break of the employee
// whose break dialog is open, with a user name and password instead of from another
// computer.
class ManualBreakAuthorization
{
    Q_DECLARE_TR_FUNCTIONS(ManualBreakAuthorization)

public:
    ManualBreakAuthorization(Database &db, Prompter &prompter, const Clock &clock,
                             const QString &card)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_card(card)
    {
    }

    // Checks the account and grants the dialog's card. False when refused or failed; the
    // user has been told why.
    bool authorize(const QString &userName, const QString &password);

private:
    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    QString m_card;
};
