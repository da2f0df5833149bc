#pragma once

#include <QString>
#include <QStringList>

class Clock;
class Database;

// The record of what was changed through a supervisor command or by the timer: one row
// in `audit` per change, written in the change's own transaction so that both stand or
// fall together. Rows are only ever added. A value never holds a password or its hash.
//
// A trail belongs to one connection: while it lives, the features record their changes
// on that connection through note(). The station makes one at its start; the wizard and
// the updater, which change nothing a supervisor answers for, make none.
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
    ~AuditTrail();
    AuditTrail(const AuditTrail &) = delete;
    AuditTrail &operator=(const AuditTrail &) = delete;

    // The trail of `db`, if one lives.
    static AuditTrail *of(const Database &db);
    // Adds the row of a supervisor's change on `db` to its trail; without a trail nothing
    // is kept. Run it inside the change's transaction. Throws DatabaseError.
    static void note(Database &db, Kind kind, const QString &before, const QString &after);
    // The same for a change the timer made.
    static void noteAutomatic(Database &db, Kind kind, const QString &before, const QString &after);
    // The same for a change made under an account other than the logged-in one (a break
    // granted with a user name and password typed at the station).
    static void noteAs(Database &db, const QString &supervisor, Kind kind, const QString &before,
                       const QString &after);
    // The same for a change made outside the database (the location file): the row is
    // written in a transaction of its own.
    static void noteAlone(Database &db, Kind kind, const QString &before, const QString &after);

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
