#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Database;

// The supervisor accounts in `users`. A user name may have more than one account.
// Passwords are stored as given: callers pass hashes.
namespace SupervisorAccounts {

// The stored password of the first account of `userName` that `typed` opens; nothing
// when none does. Throws DatabaseError.
std::optional<QString> matchingPassword(Database &db, const QString &userName,
                                        const QString &typed);

// True when `userName` has an account. Throws DatabaseError.
bool exists(Database &db, const QString &userName);

// The rest throw DatabaseError too.

// True when there is at least one account.
bool any(Database &db);
// The stored passwords of the accounts of `userName`, in a fixed order.
QStringList passwordsOf(Database &db, const QString &userName);

// Keeps other writers of `users` out until the transaction ends, so that an account
// found to remain still remains at commit.
void lockForChange(Database &db);

void add(Database &db, const QString &userName, const QString &password);
// Gives every account of `userName` the new name and password; returns how many.
int replaceAll(Database &db, const QString &userName, const QString &newName,
               const QString &newPassword);
// Changes the one account of `userName` with `password`; false when there is none.
bool replace(Database &db, const QString &userName, const QString &password, const QString &newName,
             const QString &newPassword);
// Changes the password of the one account of `userName` with `password`.
void setPassword(Database &db, const QString &userName, const QString &password,
                 const QString &newPassword);
void remove(Database &db, const QString &userName, const QString &password);

} // namespace SupervisorAccounts
