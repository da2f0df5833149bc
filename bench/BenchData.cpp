#include "BenchData.h"

#include "platform/core/Clock.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/SqlDialect.h"
#include "store/Transaction.h"

#include <QStringList>
#include <QTime>
#include <QVariantList>

using namespace Qt::StringLiterals;

namespace BenchData {

namespace {

// Rows of one table, sent many at a time through one prepared statement.
class BatchInsert
{
public:
    BatchInsert(Database &db, const QString &table, const QStringList &columns)
        : m_db(db), m_table(table), m_columns(columns)
    {
    }
    ~BatchInsert() { flush(); }

    void add(const QVariantList &row)
    {
        m_values << row;
        if (++m_rows == rowsAStatement)
            flush();
    }

    void flush()
    {
        if (m_rows == 0)
            return;
        const QString marks = u"("_s + QStringList(m_columns.size(), u"?"_s).join(u',') + u")"_s;
        m_db.exec(u"insert into %1 (%2) values %3"_s.arg(m_table, m_columns.join(u','),
                                                         QStringList(m_rows, marks).join(u',')),
                  m_values);
        m_values.clear();
        m_rows = 0;
    }

private:
    static constexpr int rowsAStatement = 200;
    Database &m_db;
    QString m_table;
    QStringList m_columns;
    QVariantList m_values;
    int m_rows = 0;
};

QDate weekday(int index)
{
    // Monday 5 January 2015 and the weekdays after it.
    return QDate(2015, 1, 5).addDays(index / 5 * 7 + index % 5);
}

QString at(int hour, int minute, int second)
{
    return Clock::timeText(QTime(hour, minute, second));
}

} // namespace

QString card(int n)
{
    return QString::number(n);
}

QString name(int n)
{
    return u"Employee %1"_s.arg(QString::number(n).rightJustified(3, u'0'));
}

int days(int rows)
{
    return std::max(1, rows / (2 * clockingEmployees));
}

QDate firstDay()
{
    return weekday(0);
}

QDate lastDay(int rows)
{
    return weekday(days(rows) - 1);
}

// The names of the indexes the schema made, which a load of this size is quicker without.
QStringList indexNames(Database &db)
{
    const bool sqlite = db.dialect().engine() == SqlDialect::Engine::Sqlite;
    QStringList names;
    const QList<SqlRow> rows = db.select(
        sqlite ? u"select name from sqlite_master where type = 'index' and sql is not null"_s
               : u"select indexname as name from pg_indexes where schemaname = current_schema()"
                 " and indexname like 'idx%'"_s);
    for (const SqlRow &row : rows)
        names << row[u"name"_s];
    return names;
}

void fill(Database &db, int rows)
{
    Schema::create(db);
    if (db.dialect().engine() == SqlDialect::Engine::Sqlite)
        db.exec(u"pragma cache_size = -262144"_s);
    Transaction transaction(db);
    // Made again by the upgrade at the end, sorted once rather than row by row.
    for (const QString &index : indexNames(db))
        db.exec(u"drop index "_s + index);
    db.exec(u"update run set first = '0'"_s);
    db.exec(u"update con set active = '0'"_s);
    db.exec(u"update company set cname = 'Bench Ltd'"_s);
    db.exec(u"update breaksettings set enablebreaks = '1',numof = '2',break1 = 'Coffee',"
            "break2 = 'Tea'"_s);
    {
        BatchInsert staff(db, u"employees"_s, {u"employee"_s, u"cardnum"_s});
        BatchInsert locks(db, u"locked"_s, {u"cardnum"_s, u"locked"_s});
        for (int n = 1; n <= employees; ++n) {
            staff.add({name(n), card(n)});
            locks.add({card(n), u"0"_s});
        }
    }
    BatchInsert log(db, u"log"_s, {u"dt"_s, u"tm"_s, u"employee"_s, u"type"_s, u"cardnum"_s});
    BatchInsert done(db, u"allloggedin"_s, {u"dt"_s, u"cardnum"_s, u"completed"_s});
    BatchInsert breaks(
        db, u"breaks"_s,
        {u"dt"_s, u"name"_s, u"i"_s, u"out"_s, u"locked"_s, u"auth"_s, u"breaknumber"_s});
    for (int day = 0; day < days(rows); ++day) {
        const QString date = Clock::dateText(weekday(day));
        for (int n = 1; n <= clockingEmployees; ++n) {
            const int second = n % 60;
            log.add({date, at(8, n % 30, second), name(n), u"IN"_s, card(n)});
            log.add({date, at(17, n % 30, second), name(n), u"OUT"_s, card(n)});
            done.add({date, card(n), u"1"_s});
            if (n % 4 == 0) {
                breaks.add(
                    {date, card(n), at(10, 0, second), at(10, 15, second), u"-"_s, u"Y"_s, u"1"_s});
                breaks.add(
                    {date, card(n), at(15, 0, second), at(15, 10, second), u"-"_s, u"Y"_s, u"2"_s});
            }
        }
    }
    log.flush();
    done.flush();
    breaks.flush();
    Schema::upgrade(db);
    transaction.commit();
}

} // namespace BenchData
