#pragma once

#include <QString>
#include <optional>

class Database;

// The breaks taken, one row per employee, day and break number in `breaks`. A break not
// ended yet has "-" as its end. Every function throws DatabaseError.
namespace BreakRecords {

inline const QString notEnded = QStringLiteral("-");

// Starts break `number` of the employee with `card` at the station.
void start(Database &db, const QString &date, const QString &card, const QString &time, int number);
// Ends the break of `date` that is still running; false when there is none.
bool endRunning(Database &db, const QString &date, const QString &card, int number,
                const QString &time);

// The supervisor's input by hand. The end of the break, locked for the change that
// follows; none when there is no such break.
std::optional<QString> endOf(Database &db, const QString &date, const QString &card, int number);
// The start and end of the break as "10:00:00-10:15:00"; none when there is no such
// break.
std::optional<QString> timesOf(Database &db, const QString &date, const QString &card, int number);
// Adds a break entered by hand; `end` may be `notEnded`.
void add(Database &db, const QString &date, const QString &card, int number, const QString &start,
         const QString &end);
// Sets the times given; one not given stays as it is.
void correct(Database &db, const QString &date, const QString &card, int number,
             const std::optional<QString> &start, const std::optional<QString> &end);

void removeAll(Database &db);

} // namespace BreakRecords
