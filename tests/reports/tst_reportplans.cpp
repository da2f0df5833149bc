#include "ReportFixture.h"
#include "reports/core/AuditTrailReport.h"
#include "reports/core/BreakOccurrenceReport.h"
#include "reports/core/DailyReport.h"
#include "reports/core/EarlyLateLeaversReport.h"
#include "reports/core/EmployeeHoursReport.h"
#include "reports/core/IndividualReport.h"
#include "reports/core/MonthlyReport.h"
#include "reports/core/NoClockReport.h"
#include "reports/core/Payroll.h"
#include "reports/core/WhoIsInReport.h"
#include "store/CardClocking.h"
#include "store/StartupValues.h"

#include <QRegularExpression>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

// Every statement a report sends reaches the clockings, breaks and done marks through an
// index: none walks one of those tables, which grow for as long as the station runs.
// PostgreSQL is asked with sequential scans turned off, so a table as small as the
// fixture's is still read through an index wherever one can serve. It calls a condition
// on a later column of an index an index condition although the whole index is read;
// SQLite, which calls that a SCAN, catches those.

namespace {

const QStringList growingTables = {u"log"_s, u"breaks"_s, u"allloggedin"_s};

struct Statement
{
    QString sql;
    QVariantList values;
};

QList<Statement> selectsOf(Database &db, const std::function<void()> &work)
{
    QList<Statement> sent;
    db.observe([&](const QString &sql, const QVariantList &values) {
        if (sql.trimmed().startsWith(u"select"_s, Qt::CaseInsensitive))
            sent.append({sql, values});
    });
    work();
    db.observe({});
    return sent;
}

// The names a statement gives the growing tables: their own and their aliases.
QStringList growingNames(const QString &sql)
{
    static const QRegularExpression named(
        u"\\b(log|breaks|allloggedin)\\b(?:\\s+(?:as\\s+)?(?!where\\b|order\\b|group\\b|left\\b|"
        "join\\b|inner\\b|on\\b|limit\\b|union\\b)(\\w+))?"_s,
        QRegularExpression::CaseInsensitiveOption);
    QStringList names = growingTables;
    for (auto match = named.globalMatch(sql); match.hasNext();) {
        const QString alias = match.next().captured(2);
        if (!alias.isEmpty())
            names << alias;
    }
    return names;
}

// `sql` with its values written in, for a server that cannot prepare an EXPLAIN.
QString inlined(const QString &sql, const QVariantList &values)
{
    QString written;
    qsizetype next = 0;
    bool quoted = false;
    for (const QChar c : sql) {
        if (c == u'\'')
            quoted = !quoted;
        if (c != u'?' || quoted) {
            written += c;
            continue;
        }
        written += u"'"_s + values.value(next++).toString().replace(u"'"_s, u"''"_s) + u"'"_s;
    }
    return written;
}

// The steps of the statement's plan that read a growing table whole; empty when none.
QStringList walks(Database &db, const Statement &statement)
{
    QStringList found;
    if (db.dialect().engine() == SqlDialect::Engine::Sqlite) {
        const QStringList names = growingNames(statement.sql);
        for (const SqlRow &step :
             db.select(u"explain query plan "_s + statement.sql, statement.values)) {
            const QString detail = step[u"detail"_s];
            const QString table = detail.section(u' ', 1, 1);
            if (detail.startsWith(u"SCAN "_s) && names.contains(table, Qt::CaseInsensitive))
                found << detail;
        }
        return found;
    }
    // A sequential scan, or an index scan with no condition on the index: both read every
    // row. A node's conditions are the lines below it, up to the next node.
    static const QRegularExpression sequential(u"Seq Scan on (log|breaks|allloggedin)\\b"_s);
    static const QRegularExpression indexed(
        u"Index (Only )?Scan (Backward )?using \\w+ on (log|breaks|allloggedin)\\b"_s);
    QStringList lines;
    for (const SqlRow &step : db.select(u"explain "_s + inlined(statement.sql, statement.values)))
        lines << step[u"QUERY PLAN"_s];
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (sequential.match(lines[i]).hasMatch()) {
            found << lines[i].trimmed();
        } else if (indexed.match(lines[i]).hasMatch()) {
            bool conditioned = false;
            for (qsizetype j = i + 1; j < lines.size() && !lines[j].contains(u"->"_s); ++j)
                conditioned = conditioned || lines[j].contains(u"Index Cond:"_s);
            if (!conditioned)
                found << lines[i].trimmed();
        }
    }
    return found;
}

} // namespace

class TestReportPlans : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyReportUsesIndexes_data();
    void everyReportUsesIndexes();
};

void TestReportPlans::everyReportUsesIndexes_data()
{
    TestDatabase::addEngineRows();
}

void TestReportPlans::everyReportUsesIndexes()
{
    CHRONEL_REPORT_FIXTURE(fx);
    Database &db = fx.db();
    fx.addEmployee(u"Ann"_s, u"0042"_s);
    db.exec(u"insert into locked (cardnum,locked) values ('0042','0')"_s);
    fx.addClocking(u"03/13/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s, u"0042"_s);
    fx.addClocking(u"03/13/26"_s, u"15:30:00"_s, u"Ann"_s, u"OUT"_s, u"0042"_s);
    fx.addClocking(u"03/14/26"_s, u"09:30:00"_s, u"Ann"_s, u"IN"_s, u"0042"_s);
    fx.addBreak(u"03/14/26"_s, u"0042"_s, u"10:00:00"_s, u"10:15:00"_s, u"1"_s);
    fx.addError(u"03/14/26"_s, u"07:00:00"_s, u"Invalid employee :9"_s);
    db.exec(u"update settings set eco = '16:00:00', lco = '18:00:00'"_s);
    db.exec(u"insert into audit (dt,tm,station,supervisor,kind,oldvalue,newvalue) "
            u"values ('03/14/26','08:00:00','desk','sam','employee','','Ann 0042')"_s);
    if (db.dialect().engine() == SqlDialect::Engine::PostgreSql)
        db.exec(u"set enable_seqscan = off"_s);

    StartupValues values;
    values.numberOfBreaks = 1;
    values.breakNames = {u"Coffee"_s, u"-"_s, u"-"_s};
    const QDate day(2026, 3, 14);
    const QDate first = day.addDays(-27);
    const QList<std::pair<QString, std::function<void()>>> runs = {
        {u"daily"_s,
         [&] {
             DailyReport(db, fx.prompter, values).run({day, true, true, true});
         }},
        {u"monthly"_s,
         [&] {
             MonthlyReport(db, fx.prompter).run({first, day, true, true});
         }},
        {u"individual by card"_s,
         [&] {
             IndividualReport(db, fx.prompter).run({u"Ann"_s, u"0042"_s, first, day});
         }},
        {u"individual by name"_s,
         [&] {
             IndividualReport(db, fx.prompter).run({u"Ann"_s, {}, first, day});
         }},
        {u"no clock"_s,
         [&] {
             NoClockReport(db, fx.prompter).run({day, true, true});
         }},
        {u"leavers"_s,
         [&] {
             EarlyLateLeaversReport leavers(db, fx.prompter);
             leavers.loadCutOffs();
             leavers.run({first, day, true, true});
         }},
        {u"hours"_s,
         [&] {
             EmployeeHoursReport(db, fx.prompter).run({u"Ann"_s, u"0042"_s, first, day});
         }},
        {u"breaks"_s,
         [&] {
             BreakOccurrenceReport(db, fx.prompter, values).run({u"Ann"_s, u"0042"_s, first, day});
         }},
        {u"who is in"_s, [&] { WhoIsInReport(db, fx.prompter, values.breakNames).run(); }},
        {u"audit"_s,
         [&] {
             AuditTrailReport(db, fx.prompter).run({first, day, {}});
         }},
        {u"payroll"_s,
         [&] {
             Payroll::load(db, {first, day, {}}, QDateTime(day, QTime(18, 0)));
         }},
        {u"a clocking's look at its card"_s,
         [&] { CardClocking::read(db, u"0042"_s, u"03/14/26"_s, CardClocking::Newest::Read); }},
    };
    for (const auto &[name, run] : runs) {
        const QList<Statement> sent = selectsOf(db, run);
        QVERIFY2(!sent.isEmpty(), qPrintable(name));
        for (const Statement &statement : sent) {
            const QStringList found = walks(db, statement);
            QVERIFY2(found.isEmpty(),
                     qPrintable(u"%1: %2\n  %3"_s.arg(name, statement.sql, found.join(u"\n  "_s))));
        }
    }
}

QTEST_MAIN(TestReportPlans)
#include "tst_reportplans.moc"
