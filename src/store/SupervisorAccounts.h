#pragma once

#include <QString>
#include <optional>

class Database;

// The supervisor accounts in `users`. A user name may have more than one account.
namespace SupervisorAccounts {

// The stored password of the first account of `userName` that `typed` opens; nothing
// when none does. Throws DatabaseError.
std::optional<QString> matchingPassword(Database &db, const QString &userName,
                                        const QString &typed);

// True when `userName` has an account. Throws DatabaseError.
bool exists(Database &db, const QString &userName);

} // namespace SupervisorAccounts
