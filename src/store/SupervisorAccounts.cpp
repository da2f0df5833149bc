#include "store/SupervisorAccounts.h"

#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

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

bool any(Database &db)
{
    return !db.select(u"select username from users"_s).isEmpty();
}

QStringList passwordsOf(Database &db, const QString &userName)
{
    QStringList passwords;
    for (const SqlRow &row : db.select(
             u"select password from users where username = ? order by password"_s, {userName}))
        passwords << row[u"password"_s];
    return passwords;
}

void lockForChange(Database &db)
{
    Transaction::lockTable(db, u"users"_s);
}

void add(Database &db, const QString &userName, const QString &password)
{
    db.exec(u"insert into users (username,password) values (?,?)"_s, {userName, password});
}

int replaceAll(Database &db, const QString &userName, const QString &newName,
               const QString &newPassword)
{
    return db.exec(u"update users set username = ?,password = ? where username = ?"_s,
                   {newName, newPassword, userName});
}

bool replace(Database &db, const QString &userName, const QString &password, const QString &newName,
             const QString &newPassword)
{
    return db.exec(u"update users set username = ?,password = ? "
                   "where username = ? and password = ?"_s,
                   {newName, newPassword, userName, password}) > 0;
}

void setPassword(Database &db, const QString &userName, const QString &password,
                 const QString &newPassword)
{
    db.exec(u"update users set password = ? where username = ? and password = ?"_s,
            {newPassword, userName, password});
}

void remove(Database &db, const QString &userName, const QString &password)
{
    db.exec(u"delete from users where username = ? and password = ?"_s, {userName, password});
}

} // namespace SupervisorAccounts
