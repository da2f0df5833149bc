#include "BreakGrant.h"

#include "Database.h"
#include "Schema.h"

using namespace Qt::StringLiterals;

namespace {

const QString table = Schema::sqlName(u"authorization"_s);

} // namespace

namespace BreakGrant {

bool isGrantedFor(Database &db, const QString &card)
{
    const QList<SqlRow> rows =
        db.select(u"select authorized from %1 where cardnumber = ?"_s.arg(table), {card});
    return !rows.isEmpty() && rows.first()[u"authorized"_s] == u"1"_s;
}

void grant(Database &db, const QString &card)
{
    if (db.exec(u"update %1 set authorized = '1',cardnumber = ?"_s.arg(table), {card}) == 0)
        db.exec(u"insert into %1 (authorized,cardnumber) values ('1',?)"_s.arg(table), {card});
}

void withdraw(Database &db, const QStringList &cards)
{
    for (const QString &card : cards)
        db.exec(
            u"update %1 set authorized = '-',cardnumber = '-' where cardnumber = ?"_s.arg(table),
            {card});
}

Employee lastEmployee(Database &db)
{
    const SqlRow row = db.first(u"select ename,cardnum from eauth"_s);
    return {row[u"ename"_s], row[u"cardnum"_s]};
}

} // namespace BreakGrant
