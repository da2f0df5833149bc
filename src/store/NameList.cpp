#include "NameList.h"

#include "Database.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NameList {

namespace {

QStringList load(Database &db, const QString &sql, const QString &column)
{
    QStringList names;
    for (const SqlRow &row : db.select(sql))
        names << row[column];
    sort(names);
    return names;
}

} // namespace

QStringList employees(Database &db)
{
    return load(db, u"select employee from employees"_s, u"employee"_s);
}

QStringList users(Database &db)
{
    return load(db, u"select username from users"_s, u"username"_s);
}

void sort(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
}

} // namespace NameList
