#include "store/ClockingLog.h"

#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace ClockingLog {

void add(Database &db, const QString &date, const QString &time, const QString &employee,
         const QString &card, const QString &type)
{
    db.exec(u"insert into log (dt,tm,employee,type,cardnum) values (?,?,?,?,?)"_s,
            {date, time, employee, type, card});
}

std::optional<Newest> newestInOrOut(Database &db, const QString &card)
{
    const QList<SqlRow> rows = db.select(
        u"select dt,type from log where id = (select max(id) from log where cardnum = ? and "
        u"type in ('IN','OUT'))"_s,
        {card});
    if (rows.isEmpty())
        return std::nullopt;
    return Newest{rows.first()[u"dt"_s], rows.first()[u"type"_s]};
}

QString lastId(Database &db, const QString &card)
{
    return db.first(u"select max(id) as last from log where cardnum = ?"_s, {card}).text(u"last"_s);
}

void removeAll(Database &db)
{
    db.exec(u"delete from log where id >= 0"_s);
}

bool doneForTheDay(Database &db, const QString &date, const QString &card)
{
    return !db.select(u"select dt,completed from allloggedin where dt = ? and cardnum = ?"_s,
                      {date, card})
                .isEmpty();
}

void markDone(Database &db, const QString &date, const QString &card)
{
    db.exec(u"insert into allloggedin (dt,cardnum,completed) values (?,?,?)"_s,
            {date, card, u"1"_s});
}

} // namespace ClockingLog
