#pragma once

#include <QStringList>

class Database;
class Prompter;

// The names the supervisor dialogs choose from: one entry per row, duplicates kept,
// sorted so that case does not split the list ("adams" beside "Adams", not after "Zane").
namespace NameList {

QStringList employees(Database &db);
QStringList users(Database &db);

void sort(QStringList &names);

// Tells the supervisor that no employee is on file when `count` is 0; true when there is
// someone to choose.
bool anyEmployees(Prompter &prompter, qsizetype count);

// An employee as a list that picks by card number shows them.
struct Employee
{
    QString name;
    QString cardNumber;
    // The name; "name (card)" where another employee has the same name.
    QString label;
};

// Every employee in list order, those of one name by card number. Throws DatabaseError.
QList<Employee> employeesWithCards(Database &db);
QStringList labels(const QList<Employee> &employees);

} // namespace NameList
