#pragma once

#include <QDate>
#include <QString>

class Database;

// Supervisors' grants of a break, one row per granted card in `authorization`, each
// with the day it was made. A grant unlocks its card's break dialog on that day only.
// Every function throws DatabaseError.
namespace BreakGrant {

// True when `card` has a grant made on `today`.
bool isGrantedFor(Database &db, const QString &card, const QDate &today);

// Grants `card` on `today`, beside the grants of other cards. Run it inside a
// transaction.
void grant(Database &db, const QString &card, const QDate &today);

// Takes back the grant of `card`; the grants of other cards stay.
void withdraw(Database &db, const QString &card);

// Takes back every grant: none is left over for another day.
void withdrawAll(Database &db);

} // namespace BreakGrant
