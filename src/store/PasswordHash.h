#pragma once

#include <QString>

// Supervisor passwords are kept as salted argon2id hashes, never as the typed text.
namespace PasswordHash {

// Throws DatabaseError when the hash cannot be computed (out of memory).
QString hash(const QString &password);

bool isHash(const QString &stored);

// True when `typed` is the password behind `stored`. A stored value that is not a hash
// comes from a database made before hashing and is compared as text.
bool matches(const QString &stored, const QString &typed);

} // namespace PasswordHash
