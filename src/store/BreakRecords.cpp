#include "store/BreakRecords.h"

#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace BreakRecords {

namespace {

const QString oneBreak = u" where dt = ? and name = ? and breaknumber = ?"_s;

} // namespace

void start(Database &db, const QString &date, const QString &card, const QString &time, int number)
{
    db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
            u"values (?,?,?,'-','-','Y',?)"_s,
            {date, card, time, QString::number(number)});
}

bool endRunning(Database &db, const QString &date, const QString &card, int number,
                const QString &time)
{
    return db.exec(u"update breaks set out = ? where dt = ? and name = ? "
                   u"and breaknumber = ? and out = '-'"_s,
                   {time, date, card, QString::number(number)}) > 0;
}

std::optional<QString> endOf(Database &db, const QString &date, const QString &card, int number)
{
    const QList<SqlRow> rows =
        db.select(u"select out from breaks"_s + oneBreak + db.dialect().forUpdate(),
                  {date, card, QString::number(number)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first()[u"out"_s];
}

std::optional<QString> timesOf(Database &db, const QString &date, const QString &card, int number)
{
    const QList<SqlRow> rows =
        db.select(u"select i,out from breaks"_s + oneBreak, {date, card, QString::number(number)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first()[u"i"_s] + u'-' + rows.first()[u"out"_s];
}

void add(Database &db, const QString &date, const QString &card, int number, const QString &start,
         const QString &end)
{
    db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
            u"values (?,?,?,?,'-','-',?)"_s,
            {date, card, start, end, QString::number(number)});
}

void correct(Database &db, const QString &date, const QString &card, int number,
             const std::optional<QString> &start, const std::optional<QString> &end)
{
    const QString breakNumber = QString::number(number);
    if (start && end)
        db.exec(u"update breaks set i = ?, out = ?"_s + oneBreak,
                {*start, *end, date, card, breakNumber});
    else if (start)
        db.exec(u"update breaks set i = ?"_s + oneBreak, {*start, date, card, breakNumber});
    else if (end)
        db.exec(u"update breaks set out = ?"_s + oneBreak, {*end, date, card, breakNumber});
}

void removeAll(Database &db)
{
    db.exec(u"delete from breaks"_s);
}

} // namespace BreakRecords
