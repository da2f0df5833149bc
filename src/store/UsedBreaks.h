#pragma once

#include <QString>
#include <QStringList>

class Database;

// An employee's row in `usedbreaks`: how far each break of the day has come, in
// columns used1 to used3.
namespace UsedBreaks {

inline const QString notTaken = QStringLiteral("0");
inline const QString running = QStringLiteral("1");
inline const QString done = QStringLiteral("2");
// A row the manual input made: the station leaves such a break alone.
inline const QString noState = QStringLiteral("-");

// Starts every change of break state, in every transaction that makes one: it keeps the
// other stations' changes of break state out until the transaction ends. The locks of
// such a transaction are taken in one order everywhere — `locked`, then `usedbreaks`
// (this), then `employees`, `breaks` and `authorization` — so that two of them never
// wait for each other.
void lockForChange(Database &db);

// The states of the employee's three breaks; a missing row is added first, with every
// break not taken yet. Call lockForChange() first, so two stations cannot both add it.
QStringList statesAddingRow(Database &db, const QString &card);

// The column of break `number`, 1 to 3.
QString column(int number);

// Sets the state of break `number` for the employee with `card`.
void setState(Database &db, const QString &card, int number, const QString &state);

// Adds the employee's row with every break in `state`.
void addRow(Database &db, const QString &card, const QString &state);

// Adds a row with every break not taken for each card on file that has none; a card
// that has one keeps it as it is.
void addMissingRows(Database &db);

// Sets every break of every employee back to not taken.
void resetAll(Database &db);

// Drops every employee's row.
void removeAll(Database &db);

} // namespace UsedBreaks
