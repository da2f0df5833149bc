#include "store/Schema.h"

#include "store/Database.h"
#include "store/SqlDialect.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

namespace Schema {

const QList<Table> &tables()
{
    static const QList<Table> all = {
        {u"employees"_s, true, {u"employee"_s, u"cardnum"_s}, {}, {u"cardnum"_s, u"employee"_s}},
        {u"locked"_s, true, {u"cardnum"_s, u"locked"_s}, {}, {u"cardnum"_s}},
        {u"log"_s,
         true,
         {u"dt"_s, u"tm"_s, u"employee"_s, u"type"_s, u"cardnum"_s},
         {},
         {},
         {{u"idx_log_day"_s, u"dt,cardnum"_s},
          // A card's newest clocking, found without walking back through the others'.
          {u"idx_log_card_entry"_s, u"cardnum,id"_s},
          {u"idx_log_date"_s, SqlDialect::dateKey(u"dt"_s)},
          {u"idx_log_card_date"_s, u"cardnum,"_s + SqlDialect::dateKey(u"dt"_s)},
          {u"idx_log_employee_date"_s, u"employee,"_s + SqlDialect::dateKey(u"dt"_s)}}},
        {u"errorlog"_s, true, {u"tm"_s, u"dt"_s, u"reason"_s, u"sent"_s}, {}, {u"dt"_s}},
        {u"allloggedin"_s,
         false,
         {u"dt"_s, u"cardnum"_s, u"completed"_s},
         {},
         {},
         {{u"idx_allloggedin_card_day"_s, u"cardnum,dt"_s}}},
        {u"eauth"_s, false, {u"ename"_s, u"cardnum"_s}, {u"-"_s, u"-"_s}, {}},
        {u"tmp"_s, false, {u"tmp"_s}, {u"0"_s}, {}},
        {u"run"_s, false, {u"first"_s}, {u"1"_s}, {}},
        {u"settings"_s,
         false,
         {u"ali"_s, u"alo"_s, u"eco"_s, u"lco"_s, u"ipadd"_s},
         {u""_s, u""_s, u""_s, u""_s, u""_s},
         {}},
        {u"con"_s, false, {u"active"_s}, {u"1"_s}, {}},
        {u"company"_s,
         false,
         {u"cname"_s, u"tnum"_s, u"a1"_s, u"a2"_s, u"a3"_s},
         {u""_s, u""_s, u""_s, u""_s, u""_s},
         {}},
        {u"users"_s, false, {u"username"_s, u"password"_s}, {}, {}},
        {u"breaksettings"_s,
         false,
         {u"enablebreaks"_s, u"enableauth"_s, u"break1"_s, u"break2"_s, u"break3"_s, u"numof"_s},
         {u"0"_s, u"0"_s, u"-"_s, u"-"_s, u"-"_s, u"0"_s},
         {}},
        {u"breaks"_s,
         false,
         {u"dt"_s, u"name"_s, u"i"_s, u"out"_s, u"locked"_s, u"auth"_s, u"breaknumber"_s},
         {},
         {u"dt"_s},
         {{u"idx_breaks_date"_s, SqlDialect::dateKey(u"dt"_s)},
          {u"idx_breaks_name_date"_s, u"name,"_s + SqlDialect::dateKey(u"dt"_s)}}},
        {u"usedbreaks"_s,
         false,
         {u"employee"_s, u"used1"_s, u"used2"_s, u"used3"_s},
         {},
         {u"employee"_s}},
        // One row per granted card, besides the idle first row; `dt` is the day of the grant.
        {u"authorization"_s,
         false,
         {u"authorized"_s, u"cardnumber"_s, u"dt"_s},
         {u"-"_s, u"-"_s, u"-"_s},
         {}},
        {u"i"_s, false, {u"dt"_s, u"e"_s}, {}, {}},
        {u"o"_s, false, {u"dt"_s, u"e"_s}, {}, {}},
        {u"usedlog"_s, false, {u"cardnum"_s, u"alldone"_s}, {}, {}},
        // Station options that have no column of their own, as name/value pairs.
        {u"options"_s, false, {u"name"_s, u"value"_s}, {}, {u"name"_s}},
        // What supervisors and the timer changed; rows are added, never changed or removed.
        {u"audit"_s,
         true,
         {u"dt"_s, u"tm"_s, u"station"_s, u"supervisor"_s, u"kind"_s, u"oldvalue"_s, u"newvalue"_s},
         {},
         {u"dt"_s, u"kind"_s}},
        // How clockings become paid hours, and the shift rules of the station.
        {u"worksettings"_s,
         false,
         {u"unpaidbreaks"_s, u"rounding"_s, u"overtimehours"_s, u"crossmidnight"_s,
          u"severalclockins"_s},
         {u"1"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s},
         {}},
    };
    return all;
}

QString sqlName(const QString &table)
{
    return table == u"authorization"_s ? u"\"authorization\""_s : table;
}

bool isPresent(const Database &db)
{
    return db.hasTable(u"run"_s);
}

namespace {

// Tables that earlier versions did not have; the others are either in every database or
// added by the updater.
bool addedByThisVersion(const QString &table)
{
    return table == u"options"_s || table == u"audit"_s || table == u"worksettings"_s;
}

// Indexes earlier versions made whose work an index of several columns now does, each
// starting with the same column: they only slowed every clocking down.
const QStringList &retiredIndexes()
{
    static const QStringList names = {u"idx_log_dt"_s, u"idx_log_employee"_s, u"idx_log_cardnum"_s,
                                      u"idx_allloggedin_cardnum"_s, u"idx_breaks_name"_s};
    return names;
}

QList<Index> indexes(const Table &table)
{
    QList<Index> all;
    for (const QString &column : table.indexed)
        all.append({u"idx_%1_%2"_s.arg(table.name, column), column});
    return all + table.composite;
}

QString indexStatement(const Table &table, const Index &index, const QString &ifMissing)
{
    return u"create index %1%2 on %3 (%4)"_s.arg(ifMissing, index.name, sqlName(table.name),
                                                 index.columns);
}

} // namespace

void createTable(Database &db, const Table &table)
{
    QStringList definitions;
    if (table.hasId)
        definitions << db.dialect().autoIdColumn(u"id"_s);
    for (const QString &column : table.columns)
        definitions << column + u" text"_s;
    db.exec(u"create table %1 (%2)"_s.arg(sqlName(table.name), definitions.join(u',')));

    for (const Index &index : indexes(table))
        db.exec(indexStatement(table, index, {}));

    if (!table.firstRow.isEmpty())
        addFirstRow(db, table);
}

void addFirstRow(Database &db, const Table &table)
{
    QStringList marks;
    QVariantList values;
    for (const QString &value : table.firstRow) {
        marks << u"?"_s;
        values << value;
    }
    db.exec(u"insert into %1 (%2) values (%3)"_s.arg(sqlName(table.name), table.columns.join(u','),
                                                     marks.join(u',')),
            values);
}

void create(Database &db)
{
    Transaction transaction(db);
    for (const Table &table : tables())
        createTable(db, table);
    transaction.commit();
}

bool upgrade(Database &db)
{
    bool changed = false;
    // Two stations starting at once must not both add the same column.
    if (const QString lock = db.dialect().schemaLock(); !lock.isEmpty())
        db.exec(lock);
    QStringList present;
    for (const SqlRow &row : db.select(db.dialect().indexNamesQuery()))
        present << row[u"name"_s];
    QStringList indexed; // tables that got an index
    for (const Table &table : tables()) {
        if (!db.hasTable(table.name)) {
            if (addedByThisVersion(table.name)) {
                createTable(db, table);
                changed = true;
            }
            continue;
        }
        for (const QString &column : table.columns) {
            if (!db.hasColumn(sqlName(table.name), column)) {
                db.exec(u"alter table %1 add column %2 text"_s.arg(sqlName(table.name), column));
                changed = true;
            }
        }
        for (const Index &index : indexes(table)) {
            if (present.contains(index.name))
                continue;
            db.exec(indexStatement(table, index, u"if not exists "_s));
            if (!indexed.contains(table.name))
                indexed << table.name;
        }
    }
    for (const QString &index : retiredIndexes()) {
        if (present.contains(index))
            db.exec(u"drop index if exists "_s + index);
    }
    // The planner knows an indexed expression's values only from statistics gathered
    // after its index is there; without them it may walk the log rather than use it.
    for (const QString &table : indexed) {
        if (const QString gather = db.dialect().gatherStatistics(sqlName(table)); !gather.isEmpty())
            db.exec(gather);
    }
    return changed;
}

} // namespace Schema
