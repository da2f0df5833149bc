#pragma once

#include <QDate>
#include <QString>

class Database;

// The made-up company every figure is measured on: 500 employees on file, of whom the
// first 200 clock in and out on every weekday, and every fourth of those takes two
// breaks a day.
namespace BenchData {

inline constexpr int employees = 500;
inline constexpr int clockingEmployees = 200;

// Card number and name of employee `n` (1-based).
QString card(int n);
QString name(int n);

// The weekdays that give a log of `rows` rows, the first of them.
int days(int rows);
QDate firstDay();
// The last weekday of a log of `rows` rows.
QDate lastDay(int rows);

// Creates the tables and fills them in one transaction. Rows are inserted many to a
// statement, so the load takes seconds.
void fill(Database &db, int rows);

} // namespace BenchData
