#pragma once

#include <QString>

class Database;

// The employee who last entered a valid card at any station, the single row of `eauth`:
// the break dialogs name whoever it holds. Throws DatabaseError.
namespace LastIdentified {

void set(Database &db, const QString &employee, const QString &card);

} // namespace LastIdentified
