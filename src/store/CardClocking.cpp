#include "store/CardClocking.h"

#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/LastIdentified.h"

using namespace Qt::StringLiterals;

namespace CardClocking {

namespace {

QString readStatement(bool rules, Newest newest)
{
    QString sql = u"select e.employee,l.id as stateid,l.locked,"
                  "case when exists (select 1 from allloggedin d where d.dt = ? and "
                  "d.cardnum = e.cardnum) then 1 else 0 end as done"_s;
    if (newest == Newest::Read)
        sql += u",(select max(g.id) from log g where g.cardnum = e.cardnum) as last"_s;
    if (rules)
        sql += u","_s + WorkSettings::columns(u"w."_s);
    sql += u" from employees e left join locked l on l.cardnum = e.cardnum"_s;
    if (rules)
        sql += u" left join worksettings w on 1 = 1"_s;
    return sql + u" where e.cardnum = ? order by e.id,l.id limit 1"_s;
}

// The shared WITH clause of a clocking's write, the OUT's done mark included or not.
QString writeStatement(bool in)
{
    QString sql = u"with s as (update locked set locked = ? where cardnum = ? and locked = ? "
                  "returning cardnum),"
                  "c as (insert into log (dt,tm,employee,type,cardnum) select ?,?,?,?,? "
                  "where exists (select 1 from s)),"_s;
    if (!in)
        sql += u"d as (insert into allloggedin (dt,cardnum,completed) select ?,?,'1' "
               "where exists (select 1 from s)),"_s;
    return sql + u"i as (update eauth set ename = ?,cardnum = ?) "
                 "select count(*) as changed from s"_s;
}

} // namespace

Card read(Database &db, const QString &card, const QString &date, Newest newest)
{
    // Made once: a clocking is the station's most frequent statement.
    static const QString statements[2][2] = {
        {readStatement(false, Newest::Skip), readStatement(false, Newest::Read)},
        {readStatement(true, Newest::Skip), readStatement(true, Newest::Read)}};
    // An older database without the work settings clocks by the defaults.
    const bool rules = db.hasTable(u"worksettings"_s);
    const QString &sql = statements[rules][newest == Newest::Read];

    Card found;
    const QList<SqlRow> rows = db.select(sql, {date, card});
    if (rows.isEmpty())
        return found;
    const SqlRow &row = rows.first();
    found.employee = row[u"employee"_s];
    if (!row[u"stateid"_s].isEmpty())
        found.state = row[u"locked"_s];
    found.doneForTheDay = row[u"done"_s] == u"1"_s;
    if (newest == Newest::Read)
        found.lastLogId = row[u"last"_s];
    if (rules)
        found.rules = WorkSettings::fromRow(row);
    return found;
}

bool write(Database &db, const Entry &entry)
{
    const QString type = entry.in ? ClockingLog::in : ClockingLog::out;
    const QString state = entry.in ? EmployeeRecords::clockedIn : EmployeeRecords::clockedOut;
    if (!db.dialect().writesInOneStatement()) {
        const bool changed = EmployeeRecords::setStateFrom(db, entry.card, entry.stateSeen, state);
        if (changed) {
            ClockingLog::add(db, entry.date, entry.time, entry.employee, entry.card, type);
            if (!entry.in)
                ClockingLog::markDone(db, entry.doneDate, entry.card);
        }
        LastIdentified::set(db, entry.employee, entry.card);
        return changed;
    }
    // One round trip: the rows are added only when the state moved.
    static const QString statements[2] = {writeStatement(false), writeStatement(true)};
    QVariantList values = {state,          entry.card, entry.stateSeen, entry.date, entry.time,
                           entry.employee, type,       entry.card};
    if (!entry.in)
        values << entry.doneDate << entry.card;
    values << entry.employee << entry.card;
    const QString &sql = statements[entry.in];
    return db.first(sql, values)[u"changed"_s] != u"0"_s;
}

} // namespace CardClocking
