#pragma once

#include "store/WorkSettings.h"

#include <QString>
#include <optional>

class Database;

// A card at the clock: what one clocking reads and what it writes, each in a single
// statement where the engine allows. The write changes the card only from the state the
// read found, so a station needs no lock between the two: when another station clocked
// the card in between, the write changes nothing and says so. Throws DatabaseError.
namespace CardClocking {

struct Card
{
    QString employee;             // the first holder of the card; empty when none
    std::optional<QString> state; // the card's state row; none when it has none
    bool doneForTheDay = false;   // clocked out on the date asked about
    QString lastLogId;            // the card's newest log row; empty when none or not asked
    WorkSettings rules;
};
enum class Newest
{
    Skip,
    Read // for a write that comes later, to tell what changed in between
};
Card read(Database &db, const QString &card, const QString &date, Newest newest);

struct Entry
{
    QString date;
    QString time;
    QString employee;
    QString card;
    bool in = true;
    QString stateSeen; // the state the clocking moves the card from
    QString doneDate;  // an OUT marks this day done
};
// Adds the clocking, moves the card's state and, for an OUT, marks the day done, when the
// card is still in `stateSeen`; names the employee as the last one identified either
// way. False when another station changed the state first: then nothing was clocked.
bool write(Database &db, const Entry &entry);

} // namespace CardClocking
