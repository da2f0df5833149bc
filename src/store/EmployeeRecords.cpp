#include "store/EmployeeRecords.h"

#include "store/Database.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace EmployeeRecords {

namespace {

QString suffix(Database &db, Read read)
{
    return read == Read::ForUpdate ? db.dialect().forUpdate() : QString();
}

void addState(Database &db, const QString &card)
{
    db.exec(u"insert into locked (cardnum,locked) values (?,'0')"_s, {card});
}

} // namespace

bool any(Database &db)
{
    return !db.select(u"select employee from employees limit 1"_s).isEmpty();
}

std::optional<QString> nameOf(Database &db, const QString &card)
{
    const QList<SqlRow> rows =
        db.select(u"select employee from employees where cardnum = ? order by id"_s, {card});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first()[u"employee"_s];
}

QStringList cardsOf(Database &db, const QString &name, Read read)
{
    QStringList cards;
    for (const SqlRow &row : db.select(
             u"select cardnum from employees where employee = ? order by id"_s + suffix(db, read),
             {name}))
        cards << row[u"cardnum"_s];
    return cards;
}

std::optional<QString> cardHolder(Database &db, const QString &card,
                                  const std::optional<std::pair<QString, QString>> &except)
{
    QString sql = u"select employee from employees where cardnum = ?"_s;
    QVariantList values{card};
    if (except) {
        sql += u" and not (employee = ? and cardnum = ?)"_s;
        values << except->first << except->second;
    }
    const QList<SqlRow> holders = db.select(sql + u" order by id"_s, values);
    if (holders.isEmpty())
        return std::nullopt;
    return holders.first()[u"employee"_s];
}

void lockForChange(Database &db)
{
    Transaction::lockTable(db, u"employees"_s);
}

void add(Database &db, const QString &name, const QString &card)
{
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, card});
    addState(db, card);
}

bool change(Database &db, const QString &name, const QString &card, const QString &newName,
            const QString &newCard)
{
    // Only this employee: another of the same name keeps name and card.
    if (db.exec(u"update employees set employee = ?,cardnum = ? "
                "where employee = ? and cardnum = ?"_s,
                {newName, newCard, name, card}) == 0)
        return false;
    // Renumbered, not recreated, so the clocked-in state moves with the card.
    if (db.exec(u"update locked set cardnum = ? where cardnum = ?"_s, {newCard, card}) == 0)
        addState(db, newCard);
    return true;
}

bool remove(Database &db, const QString &name, const QString &card)
{
    if (db.exec(u"delete from employees where employee = ? and cardnum = ?"_s, {name, card}) == 0)
        return false;
    db.exec(u"delete from locked where cardnum = ?"_s, {card});
    return true;
}

void removeAll(Database &db)
{
    db.exec(u"delete from employees where id >= 0"_s);
    db.exec(u"delete from locked where id >= 0"_s);
}

std::optional<QString> state(Database &db, const QString &card)
{
    const QList<SqlRow> rows =
        db.select(u"select locked from locked where cardnum = ? order by id"_s, {card});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first()[u"locked"_s];
}

bool setStateFrom(Database &db, const QString &card, const QString &from, const QString &state)
{
    return db.exec(u"update locked set locked = ? where cardnum = ? and locked = ?"_s,
                   {state, card, from}) > 0;
}

void setEveryone(Database &db, const QString &state)
{
    db.exec(u"update locked set locked = ?"_s, {state});
}

Presence presence(Database &db)
{
    const SqlRow row = db.first(u"select count(*) as everyone,"
                                "sum(case when locked = ? then 1 else 0 end) as present "
                                "from locked"_s,
                                {clockedIn});
    return {row[u"present"_s].toInt(), row[u"everyone"_s].toInt()};
}

} // namespace EmployeeRecords
