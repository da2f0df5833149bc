#include "store/NameList.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"

#include <QHash>
#include <QObject>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace NameList {

namespace {

bool before(const QString &a, const QString &b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

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

bool anyEmployees(Prompter &prompter, qsizetype count)
{
    if (count == 0)
        prompter.inform(QObject::tr("Error!"), QObject::tr("Fatal error - no employees found!"),
                        PromptIcon::Error);
    return count > 0;
}

void sort(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), before);
}

QList<Employee> employeesWithCards(Database &db)
{
    QList<Employee> employees;
    QHash<QString, int> named;
    for (const SqlRow &row : db.select(u"select employee,cardnum from employees order by id"_s)) {
        employees.append({row[u"employee"_s], row[u"cardnum"_s], row[u"employee"_s]});
        ++named[row[u"employee"_s]];
    }
    for (Employee &employee : employees) {
        if (named.value(employee.name) > 1)
            employee.label = employee.name + u" ("_s + employee.cardNumber + u')';
    }
    std::stable_sort(employees.begin(), employees.end(), [](const Employee &a, const Employee &b) {
        if (a.name != b.name)
            return before(a.name, b.name);
        return before(a.cardNumber, b.cardNumber);
    });
    return employees;
}

QStringList labels(const QList<Employee> &employees)
{
    QStringList shown;
    for (const Employee &employee : employees)
        shown << employee.label;
    return shown;
}

} // namespace NameList
