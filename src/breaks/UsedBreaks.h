#pragma once

#include <QString>

class Database;

// An employee's row in `usedbreaks`: how far each break of the day has come, in
// columns used1 to used3.
namespace UsedBreaks {

inline const QString notTaken = QStringLiteral("0");
inline const QString running = QStringLiteral("1");
inline const QString done = QStringLiteral("2");
// A row the manual input made: the station leaves such a break alone.
inline const QString noState = QStringLiteral("-");

// The column of break `number`, 1 to 3.
QString column(int number);

// Sets the state of break `number` for the employee with `card`.
void setState(Database &db, const QString &card, int number, const QString &state);

// Adds the employee's row with every break in `state`.
void addRow(Database &db, const QString &card, const QString &state);

} // namespace UsedBreaks
