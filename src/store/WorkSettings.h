#pragma once

#include <QString>

class Database;
class SqlRow;

// How clockings become paid hours, and the two shift rules of the station: the single
// row of `worksettings`. A database that predates the table reads as the defaults, which
// keep the station's clocking as it always was.
struct WorkSettings
{
    bool unpaidBreaks = true;
    int roundingMinutes = 0;       // 0, 5, 10 or 15: each clocking to the nearest
    int overtimeMinutes = 40 * 60; // paid time a week beyond which is overtime
    bool crossMidnight = false;    // an OUT closes the open IN on a later date too
    bool severalClockIns = false;  // no done-for-the-day refusal

    bool operator==(const WorkSettings &) const = default;

    static bool isRounding(int minutes);

    // Throws DatabaseError.
    static WorkSettings load(Database &db);
    // The columns load() reads, each after `prefix` (a table alias and its dot), for a
    // query that reads the settings with other rows.
    static QString columns(const QString &prefix = {});
    // The settings in a row of those columns; missing or unreadable values are defaults.
    static WorkSettings fromRow(const SqlRow &row);
    // Each stores one value; run it inside the caller's transaction.
    static void setUnpaidBreaks(Database &db, bool on);
    static void setRounding(Database &db, int minutes);
    static void setOvertimeMinutes(Database &db, int minutes);
    static void setCrossMidnight(Database &db, bool on);
    static void setSeveralClockIns(Database &db, bool on);
};
