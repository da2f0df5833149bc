#pragma once

#include <QString>
#include <optional>

class Database;

// The clockings in `log` and the done-for-the-day rows in `allloggedin`. Every function
// throws DatabaseError.
namespace ClockingLog {

inline const QString in = QStringLiteral("IN");
inline const QString out = QStringLiteral("OUT");

// Adds one clocking; `type` is `in` or `out`.
void add(Database &db, const QString &date, const QString &time, const QString &employee,
         const QString &card, const QString &type);
// The date and type of the card's newest IN or OUT; none when it has neither.
struct Newest
{
    QString date;
    QString type;
};
std::optional<Newest> newestInOrOut(Database &db, const QString &card);
// The id of the card's newest clocking; empty when it has none.
QString lastId(Database &db, const QString &card);
void removeAll(Database &db);

// True when `card` was clocked out on `date`: it is not clocked again that day.
bool doneForTheDay(Database &db, const QString &date, const QString &card);
void markDone(Database &db, const QString &date, const QString &card);

} // namespace ClockingLog
