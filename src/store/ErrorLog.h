#pragma once

#include <QString>

class Database;

// The error log in `errorlog`, which the error log report shows. Every function throws
// DatabaseError.
namespace ErrorLog {

// `sent` is "YES" or "NO": whether the entry was also sent to the supervisor.
void add(Database &db, const QString &time, const QString &date, const QString &reason,
         const QString &sent);
void removeAll(Database &db);

} // namespace ErrorLog
