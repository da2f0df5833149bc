#pragma once

#include <QCoreApplication>

class Database;
class Prompter;

// Empties a group of tables at a supervisor's request: the clockings, the employees,
// the error log or the recorded breaks.
class DatabaseManager
{
    Q_DECLARE_TR_FUNCTIONS(DatabaseManager)

public:
    enum class Clearing
    {
        LogIns,
        Employees,
        ErrorLog,
        Breaks
    };

    DatabaseManager(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // Asks first; on Yes empties the group's tables as a whole and says so. Returns true
    // when the tables were emptied.
    bool clear(Clearing clearing);

private:
    Database &m_db;
    Prompter &m_prompter;
};
