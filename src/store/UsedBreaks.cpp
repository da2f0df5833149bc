#include "store/UsedBreaks.h"

#include "store/Database.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace UsedBreaks {

void lockForChange(Database &db)
{
    Transaction::lockTable(db, u"usedbreaks"_s);
}

QStringList statesAddingRow(Database &db, const QString &card)
{
    const QList<SqlRow> rows =
        db.select(u"select used1,used2,used3 from usedbreaks where employee = ?"_s, {card});
    if (rows.isEmpty()) {
        // Employees added after breaks were switched on have no row yet.
        addRow(db, card, notTaken);
        return {notTaken, notTaken, notTaken};
    }
    const SqlRow &row = rows.first();
    return {row[column(1)], row[column(2)], row[column(3)]};
}

QString column(int number)
{
    return u"used"_s + QString::number(number);
}

void setState(Database &db, const QString &card, int number, const QString &state)
{
    db.exec(u"update usedbreaks set %1 = ? where employee = ?"_s.arg(column(number)),
            {state, card});
}

void addRow(Database &db, const QString &card, const QString &state)
{
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values (?,?,?,?)"_s,
            {card, state, state, state});
}

void addMissingRows(Database &db)
{
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) "
            "select distinct e.cardnum,'0','0','0' from employees e "
            "where e.cardnum is not null and not exists "
            "(select 1 from usedbreaks u where u.employee = e.cardnum)"_s);
}

void resetAll(Database &db)
{
    db.exec(u"update usedbreaks set used1 = ?,used2 = ?,used3 = ?"_s,
            {notTaken, notTaken, notTaken});
}

void removeAll(Database &db)
{
    db.exec(u"delete from usedbreaks"_s);
}

} // namespace UsedBreaks
