#pragma once

#include <QStringList>

class Database;

// The names the supervisor dialogs choose from: one entry per row, duplicates kept,
// sorted so that case does not split the list ("adams" beside "Adams", not after "Zane").
namespace NameList {

QStringList employees(Database &db);
QStringList users(Database &db);

void sort(QStringList &names);

} // namespace NameList
