#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class Database;

// The employees in `employees` and their clocking state in `locked`, both keyed by card
// number. Every function throws DatabaseError.
namespace EmployeeRecords {

inline const QString clockedIn = QStringLiteral("1");
inline const QString clockedOut = QStringLiteral("0");

// Whether a read is followed by a change of the rows it found, in the same transaction.
enum class Read
{
    Plain,
    ForUpdate
};

// True when at least one employee is on file.
bool any(Database &db);

// The name of the first employee with `card`.
std::optional<QString> nameOf(Database &db, const QString &card);

// The cards of the employees called `name`, the oldest first.
QStringList cardsOf(Database &db, const QString &name, Read read = Read::Plain);

// The name of the first employee with `card`, leaving out `except` (name, card).
std::optional<QString> cardHolder(Database &db, const QString &card,
                                  const std::optional<std::pair<QString, QString>> &except);

// Keeps other writers of `employees` out until the transaction ends, so that a card
// number found free is still free at commit.
void lockForChange(Database &db);

// Adds the employee, clocked out.
void add(Database &db, const QString &name, const QString &card);
// Renames or renumbers the employee `name` with `card`, whose clocking state moves with
// the card; false when there is no such employee.
bool change(Database &db, const QString &name, const QString &card, const QString &newName,
            const QString &newCard);
// False when there is no such employee.
bool remove(Database &db, const QString &name, const QString &card);
void removeAll(Database &db);

// The clocking state of `card`: clocked in, clocked out or whatever else is stored; none
// when the card has no state row.
std::optional<QString> state(Database &db, const QString &card);

// Sets the state only where it is still `from`; false when it was not.
bool setStateFrom(Database &db, const QString &card, const QString &from, const QString &state);
// The automatic and forced log-ins and log-outs.
void setEveryone(Database &db, const QString &state);
// How many cards are clocked in, of how many with a state.
struct Presence
{
    int in = 0;
    int all = 0;
};
Presence presence(Database &db);

} // namespace EmployeeRecords
