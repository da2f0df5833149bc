#pragma once

#include <QString>
#include <optional>

class Database;
class Prompter;

// "Manual Authorization": a supervisor at the station grants the break with a user name
// and password instead of from another computer.
class ManualBreakAuthorization
{
public:
    ManualBreakAuthorization(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // Checks the account and grants the employee who entered a card last; returns that
    // card. Nothing when refused or failed; the user has been told why.
    std::optional<QString> authorize(const QString &userName, const QString &password);

private:
    Database &m_db;
    Prompter &m_prompter;
};
