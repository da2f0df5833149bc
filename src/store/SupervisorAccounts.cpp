#include "store/SupervisorAccounts.h"

#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/TextInput.h"

using namespace Qt::StringLiterals;

namespace SupervisorAccounts {

std::optional<QString> matchingPassword(Database &db, const QString &userName, const QString &typed)
{
    // No account holds such a name, and PostgreSQL would refuse the query.
    if (!TextInput::storable(userName))
        return std::nullopt;
    const QList<SqlRow> accounts =
        db.select(u"select password from users where username = ?"_s, {userName});
    for (const SqlRow &account : accounts) {
        const QString stored = account[u"password"_s];
        if (PasswordHash::matches(stored, typed))
            return stored;
    }
    return std::nullopt;
}

bool exists(Database &db, const QString &userName)
{
    return !db.select(u"select username from users where username = ?"_s, {userName}).isEmpty();
}

} // namespace SupervisorAccounts
