#pragma once

#include <QDateTime>
#include <QString>

class Database;

// The time an employee has worked by their clockings: each IN up to the next OUT, and an
// IN still open up to now. A stand-in until the shift-aware work periods are on hand.
namespace WorkedTime {

struct Totals
{
    int todayMinutes = 0;
    int weekMinutes = 0; // Monday up to today
};

// Throws DatabaseError.
Totals of(Database &db, const QString &card, const QDateTime &now);

} // namespace WorkedTime
