#pragma once

#include <QCoreApplication>

class AuditTrail;
class Clock;
class Database;
class Prompter;

// Empties a group of tables at a supervisor's request: the clockings, the employees,
// the error log or the recorded breaks. The rows go to the archive first.
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

    DatabaseManager(Database &db, Prompter &prompter, const Clock &clock, AuditTrail &audit)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_audit(audit)
    {
    }

    // Asks first, naming the archive files; on Yes copies the rows to them and empties the
    // group's tables as a whole, and says so. A copy that cannot be written deletes
    // nothing. Returns true when the tables were emptied.
    bool clear(Clearing clearing);

private:
    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    AuditTrail &m_audit;
};
