#include "store/BreakGrant.h"

#include "platform/core/Clock.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace {

const QString table = Schema::sqlName(u"authorization"_s);
// The idle row every database starts with; it is never a grant.
const QString noCard = u"-"_s;

} // namespace

namespace BreakGrant {

bool isGrantedFor(Database &db, const QString &card, const QDate &today)
{
    return !db.select(u"select authorized from %1 where cardnumber = ? and authorized = '1' "
                      u"and dt = ?"_s.arg(table),
                      {card, Clock::dateText(today)})
                .isEmpty();
}

void grant(Database &db, const QString &card, const QDate &today)
{
    // Two supervisors granting the same card at once must leave one row.
    Transaction::lockTable(db, table);
    const QString day = Clock::dateText(today);
    if (db.exec(u"update %1 set authorized = '1',dt = ? where cardnumber = ?"_s.arg(table),
                {day, card}) == 0)
        db.exec(u"insert into %1 (authorized,cardnumber,dt) values ('1',?,?)"_s.arg(table),
                {card, day});
}

void withdraw(Database &db, const QString &card)
{
    if (card != noCard)
        db.exec(u"delete from %1 where cardnumber = ?"_s.arg(table), {card});
}

void withdrawAll(Database &db)
{
    db.exec(u"delete from %1 where cardnumber <> ?"_s.arg(table), {noCard});
}

} // namespace BreakGrant
