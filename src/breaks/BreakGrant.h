#pragma once

#include <QString>
#include <QStringList>

class Database;

// The one grant all stations share in `authorization`, and the employee who entered a
// card last at any station (`eauth`). Every function throws DatabaseError.
namespace BreakGrant {

struct Employee
{
    QString name;
    QString card;
};

// True when the stored grant is for `card`.
bool isGrantedFor(Database &db, const QString &card);

// Replaces whatever grant is stored. Run it inside a transaction: a database without
// the grant row gets one.
void grant(Database &db, const QString &card);

// Takes back the stored grant when it is for one of `cards`; a grant another station is
// waiting for stays.
void withdraw(Database &db, const QStringList &cards);

// Who entered a valid card last, at any station.
Employee lastEmployee(Database &db);

} // namespace BreakGrant
