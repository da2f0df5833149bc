#pragma once

#include <QString>
#include <QStringList>

class Clock;
class Database;

// The record of what was changed through a supervisor command or by the timer: one row
// in `audit` per change, written in the change's own transaction so that both stand or
// fall together. Rows are only ever added. A value never holds a password or its hash.
class AuditTrail
{
public:
    // The kinds of change, as stored and as the report offers them.
    enum class Kind
    {
        ManualClocking,
        ManualBreak,
        EmployeeAdded,
        EmployeeChanged,
        EmployeeDeleted,
        AccountAdded,
        AccountChanged,
        AccountDeleted,
        TablesCleared,
        ProgramOptions,
        BreakOptions,
        CompanyDetails,
        NetworkOptions,
        ForcedLogIn,
        ForcedLogOut,
        AutomaticLogIn,
        AutomaticLogOut,
        BreakGrant,
    };

    // Who made the timer's changes.
    static inline const QString automatic = QStringLiteral("automatic");

    // Rows name `station`; by default the computer's host name.
    AuditTrail(Database &db, const Clock &clock, const QString &station = {});

    // The supervisor whose commands follow; empty when none is logged in.
    void setSupervisor(const QString &userName) { m_supervisor = userName; }
    const QString &supervisor() const { return m_supervisor; }

    // Adds the row of a supervisor's change; run it inside the change's transaction.
    // Throws DatabaseError.
    void append(Kind kind, const QString &before, const QString &after);
    // The same for a change the timer made.
    void appendAutomatic(Kind kind, const QString &before, const QString &after);

    // The stored name of `kind`.
    static QString kindName(Kind kind);
    static QStringList kindNames();

private:
    void write(const QString &supervisor, Kind kind, const QString &before, const QString &after);

    Database &m_db;
    const Clock &m_clock;
    QString m_station;
    QString m_supervisor;
};
