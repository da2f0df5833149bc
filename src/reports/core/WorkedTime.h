#pragma once

#include <QDateTime>
#include <QString>

class Database;

// What an employee has worked by their work periods: the shifts closed today, and those
// of this week from Monday on. A shift still open counts once it is closed.
namespace WorkedTime {

struct Totals
{
    int todayMinutes = 0;
    int weekMinutes = 0;
};

// Throws DatabaseError.
Totals of(Database &db, const QString &card, const QDateTime &now);

} // namespace WorkedTime
