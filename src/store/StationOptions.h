#pragma once

#include <QString>

class Database;

// Options of this version that the older settings tables have no column for, kept as
// name/value rows in `options`. A database that predates the table, or an option never
// set, reads as the option's default.
class StationOptions
{
public:
    // Minutes without use after which a supervisor is logged out; 0 keeps the log-in.
    static inline const QString supervisorIdleMinutes = QStringLiteral("supervisoridleminutes");
    // The hosts whose break requests a station shows, separated by commas or blanks; none
    // shows every host's.
    static inline const QString breakRequestSenders = QStringLiteral("breakrequestsenders");
    // "1" when the station runs as a kiosk.
    static inline const QString kiosk = QStringLiteral("kiosk");

    explicit StationOptions(Database &db) : m_db(db) {}

    QString text(const QString &name, const QString &fallback = {}) const;
    // The stored whole number, or `fallback` when none or not a number.
    int number(const QString &name, int fallback) const;

    // Stores `value`; run it inside the caller's transaction. Throws DatabaseError.
    void set(const QString &name, const QString &value);

private:
    Database &m_db;
};
