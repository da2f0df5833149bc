#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Schema.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <limits>

using namespace Qt::StringLiterals;

class TestDatabaseStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A new database has every table and column the programs use, and exactly the one
    // row each single-row table needs.
    void newDatabaseIsComplete_data() { TestDatabase::addEngineRows(); }
    void newDatabaseIsComplete();
    // The database numbers ids itself.
    void idsAreAssigned_data() { TestDatabase::addEngineRows(); }
    void idsAreAssigned();
    // A failure inside an operation leaves nothing of it behind.
    void failedTransactionRollsBack_data() { TestDatabase::addEngineRows(); }
    void failedTransactionRollsBack();
    // Values are bound, so a quote is just a character.
    void quoteRoundTrips_data() { TestDatabase::addEngineRows(); }
    void quoteRoundTrips();
    // The unquoted reset of the log-in flag stores "0" as text on both engines.
    void numericResetStoresText_data() { TestDatabase::addEngineRows(); }
    void numericResetStoresText();
    void missingRowIsAnError_data() { TestDatabase::addEngineRows(); }
    void missingRowIsAnError();
    void badStatementCarriesDriverText_data() { TestDatabase::addEngineRows(); }
    void badStatementCarriesDriverText();
    // A server that dropped the connection (restart, idle timeout) is reconnected to
    // instead of failing every statement until the station is restarted.
    void droppedServerConnectionIsReopened();
    // A connection lost inside a transaction was retried on a new one, running the rest
    // of the operation without its first statements, or was shown as a refused
    // statement; the next operation must find the connection made again.
    void connectionLostInTransaction();
    // A server or shared folder out of reach taken for a refused statement, or a
    // folder made where the share should be.
    void openFailureIsUnreachable_data();
    void openFailureIsUnreachable();
    // A shared folder that goes away and comes back while the station runs.
    void sharedFolderGoneAndBack();
    // Statements are prepared once per connection: those kept from before a lost
    // connection are prepared again on the new one, and none is freed through the
    // connection that went (Qt warns for each).
    void keptStatementsAfterReconnect_data() { TestDatabase::addEngineRows(); }
    void keptStatementsAfterReconnect();
    // A kept statement holds no cursor between runs: it sees what another station
    // committed since, and does not keep that station from writing.
    void keptStatementSeesOtherStations_data();
    void keptStatementSeesOtherStations();
    // A kept statement that fails while running inside a transaction undoes the
    // operation and still runs in the next one, as do those first prepared in it.
    void keptStatementFailingInTransaction_data() { TestDatabase::addEngineRows(); }
    void keptStatementFailingInTransaction();
    // Files in the home take the write-ahead log, flushed at every commit; a file
    // elsewhere may lie on a network share and keeps (or gets back) the rollback journal.
    void journalFollowsLocation_data();
    void journalFollowsLocation();
    // A database made before the report indexes gets them all at its upgrade.
    void upgradeAddsIndexes_data() { TestDatabase::addEngineRows(); }
    void upgradeAddsIndexes();
};

void TestDatabaseStore::newDatabaseIsComplete()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    QVERIFY(!Schema::isPresent(db));
    Schema::create(db);
    QVERIFY(Schema::isPresent(db));

    const QList<QPair<QString, QString>> tables = {
        {u"employees"_s, u"id,employee,cardnum"_s},
        {u"locked"_s, u"id,cardnum,locked"_s},
        {u"log"_s, u"id,dt,tm,employee,type,cardnum"_s},
        {u"errorlog"_s, u"id,tm,dt,reason,sent"_s},
        {u"allloggedin"_s, u"dt,cardnum,completed"_s},
        {u"users"_s, u"username,password"_s},
        {u"breaks"_s, u"dt,name,i,out,locked,auth,breaknumber"_s},
        {u"usedbreaks"_s, u"employee,used1,used2,used3"_s},
        {u"i"_s, u"dt,e"_s},
        {u"o"_s, u"dt,e"_s},
        {u"usedlog"_s, u"cardnum,alldone"_s},
        {u"options"_s, u"name,value"_s},
        {u"audit"_s, u"id,dt,tm,station,supervisor,kind,oldvalue,newvalue"_s},
    };
    for (const auto &[table, columns] : tables) {
        QVERIFY2(db.hasTable(table), qPrintable(table));
        QVERIFY2(db.select(u"select %1 from %2"_s.arg(columns, table)).isEmpty(),
                 qPrintable(table + u" should start empty"_s));
    }

    const QList<QPair<QString, QStringList>> singleRows = {
        {u"tmp"_s, {u"tmp"_s, u"0"_s}},
        {u"run"_s, {u"first"_s, u"1"_s}},
        {u"eauth"_s, {u"ename"_s, u"-"_s, u"cardnum"_s, u"-"_s}},
        {u"\"authorization\""_s,
         {u"authorized"_s, u"-"_s, u"cardnumber"_s, u"-"_s, u"dt"_s, u"-"_s}},
        {u"breaksettings"_s,
         {u"enablebreaks"_s, u"0"_s, u"enableauth"_s, u"0"_s, u"break1"_s, u"-"_s, u"break2"_s,
          u"-"_s, u"break3"_s, u"-"_s, u"numof"_s, u"0"_s}},
        {u"settings"_s,
         {u"ali"_s, u""_s, u"alo"_s, u""_s, u"eco"_s, u""_s, u"lco"_s, u""_s, u"ipadd"_s, u""_s}},
        {u"company"_s,
         {u"cname"_s, u""_s, u"tnum"_s, u""_s, u"a1"_s, u""_s, u"a2"_s, u""_s, u"a3"_s, u""_s}},
        {u"con"_s, {u"active"_s, u"1"_s}},
        {u"worksettings"_s,
         {u"unpaidbreaks"_s, u"1"_s, u"rounding"_s, u"0"_s, u"overtimehours"_s, u"40"_s,
          u"crossmidnight"_s, u"0"_s, u"severalclockins"_s, u"0"_s}},
    };
    for (const auto &[table, expected] : singleRows) {
        QStringList columns;
        for (qsizetype i = 0; i < expected.size(); i += 2)
            columns << expected[i];
        const QList<SqlRow> rows = db.select(u"select %1 from %2"_s.arg(columns.join(u','), table));
        QCOMPARE(rows.size(), 1);
        for (qsizetype i = 0; i < expected.size(); i += 2)
            QCOMPARE(rows.first()[expected[i]], expected[i + 1]);
    }
}

void TestDatabaseStore::idsAreAssigned()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {u"Ann"_s, u"1"_s});
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {u"Bob"_s, u"2"_s});
    const QList<SqlRow> rows = db.select(u"select id from employees where id >= 0 order by id"_s);
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0][u"id"_s].toInt() >= 0);
    QVERIFY(rows[1][u"id"_s].toInt() > rows[0][u"id"_s].toInt());
}

void TestDatabaseStore::failedTransactionRollsBack()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    try {
        Transaction transaction(db);
        db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {u"Ann"_s, u"7"_s});
        db.exec(u"insert into nosuchtable (x) values (?)"_s, {u"1"_s});
        transaction.commit();
        QFAIL("the second statement should have failed");
    } catch (const DatabaseError &) {
    }
    QVERIFY(!db.inTransaction());
    QVERIFY(db.select(u"select employee from employees"_s).isEmpty());

    // The connection is usable afterwards and a committed operation stays.
    Transaction transaction(db);
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {u"Bob"_s, u"8"_s});
    transaction.commit();
    QCOMPARE(db.select(u"select employee from employees"_s).size(), 1);
}

void TestDatabaseStore::quoteRoundTrips()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    const QString name = u"O'Brien \"Jr\" \u00c5se; drop table log"_s;
    db.exec(u"insert into employees (employee,cardnum) values (?,?)"_s, {name, u"12'3"_s});
    const QList<SqlRow> rows =
        db.select(u"select employee,cardnum from employees where cardnum = ?"_s, {u"12'3"_s});
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first()[u"employee"_s], name);
    QVERIFY(db.hasTable(u"log"_s));
}

void TestDatabaseStore::numericResetStoresText()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"update tmp set tmp = '1'"_s);
    db.exec(u"update tmp set tmp = 0"_s);
    QCOMPARE(db.first(u"select tmp from tmp"_s)[u"tmp"_s], u"0"_s);
}

void TestDatabaseStore::missingRowIsAnError()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"delete from run"_s);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, db.first(u"select first from run"_s));
}

void TestDatabaseStore::badStatementCarriesDriverText()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    try {
        db.select(u"select x from nosuchtable"_s);
        QFAIL("the query should have failed");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.text().contains(u"nosuchtable"_s), qPrintable(error.text()));
        QVERIFY(!error.unreachable());
    }
}

void TestDatabaseStore::droppedServerConnectionIsReopened()
{
    if (!TestDatabase::available(u"postgresql"_s))
        return;
    TestDatabase target(u"postgresql"_s);
    Database station(target.location());
    Schema::create(station);
    {
        Database other(target.location());
        other.select(u"select pg_terminate_backend(pid) as gone from pg_stat_activity "
                     "where datname = current_database() and pid <> pg_backend_pid()"_s);
    }
    QCOMPARE(station.first(u"select first from run"_s)[u"first"_s], u"1"_s);
}

void TestDatabaseStore::connectionLostInTransaction()
{
    if (!TestDatabase::available(u"postgresql"_s))
        return;
    TestDatabase target(u"postgresql"_s);
    Database station(target.location());
    Schema::create(station);
    try {
        Transaction transaction(station);
        station.exec(u"insert into errorlog (tm,dt,reason,sent) values ('1','2','first','NO')"_s);
        {
            Database other(target.location());
            other.select(u"select pg_terminate_backend(pid) as gone from pg_stat_activity "
                         "where datname = current_database() and pid <> pg_backend_pid()"_s);
        }
        station.exec(u"insert into errorlog (tm,dt,reason,sent) values ('1','2','second','NO')"_s);
        transaction.commit();
        QFAIL("the statement after the lost connection should have failed");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.unreachable(), qPrintable(error.text()));
        QVERIFY(!error.text().isEmpty());
    }
    QVERIFY(station.select(u"select reason from errorlog"_s).isEmpty());
}

void TestDatabaseStore::openFailureIsUnreachable_data()
{
    QTest::addColumn<QString>("location"); // "<tmp>" for a fresh temporary folder
    QTest::newRow("sqlite, folder gone") << u"<tmp>/share/main.db"_s;
    // Nothing listens on port 1 of the loopback: the connection is refused at once.
    QTest::newRow("postgresql, nobody listening")
        << u"postgresql://clock@127.0.0.1:1/chronel?connect_timeout=5"_s;
}

void TestDatabaseStore::openFailureIsUnreachable()
{
    QFETCH(QString, location);
    QTemporaryDir folder;
    location.replace(u"<tmp>"_s, folder.path());
    try {
        Database db(location);
        QFAIL("the database should not have opened");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.unreachable(), qPrintable(error.text()));
        QVERIFY(!error.text().isEmpty());
    }
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestDatabaseStore::sharedFolderGoneAndBack()
{
    QTemporaryDir folder;
    const QString share = folder.filePath(u"share"_s);
    const QString away = folder.filePath(u"away"_s);
    QVERIFY(QDir().mkdir(share));
    Database station(share + u"/main.db"_s);
    Schema::create(station);

    QVERIFY(QDir().rename(share, away));
    try {
        Transaction transaction(station);
        station.exec(u"insert into errorlog (tm,dt,reason,sent) values ('1','2','x','NO')"_s);
        transaction.commit();
        QFAIL("the write should have failed without its folder");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.unreachable(), qPrintable(error.text()));
    }
    QVERIFY(!QFile::exists(share));

    QVERIFY(QDir().rename(away, share));
    Transaction transaction(station);
    station.exec(u"insert into errorlog (tm,dt,reason,sent) values ('1','2','x','NO')"_s);
    transaction.commit();
    QCOMPARE(station.select(u"select reason from errorlog"_s).size(), 1);
}

namespace {

// Ends the server connections of the database `location` names, other than its own.
void dropOtherConnections(const QString &location)
{
    Database other(location);
    other.select(u"select pg_terminate_backend(pid) as gone from pg_stat_activity "
                 "where datname = current_database() and pid <> pg_backend_pid()"_s);
}

const QString insertError = u"insert into errorlog (tm,dt,reason,sent) values (?,?,?,?)"_s;

QVariantList errorRow(const QString &reason)
{
    return {u"10:00:00"_s, u"03/14/26"_s, reason, u"NO"_s};
}

} // namespace

void TestDatabaseStore::keptStatementsAfterReconnect()
{
    QFETCH(QString, engine);
    if (!TestDatabase::available(engine))
        return;
    const bool sqlite = engine == u"sqlite"_s;
    QTemporaryDir folder;
    const QString share = folder.filePath(u"share"_s);
    QVERIFY(QDir().mkdir(share));
    std::unique_ptr<TestDatabase> server;
    if (!sqlite)
        server = std::make_unique<TestDatabase>(engine);
    const QString location = sqlite ? share + u"/main.db"_s : server->location();
    Database station(location);
    Schema::create(station);
    station.exec(insertError, errorRow(u"before"_s));
    QCOMPARE(station.first(u"select first from run"_s)[u"first"_s], u"1"_s);

    if (sqlite) {
        // A write without its folder fails; the next statement connects again.
        const QString away = folder.filePath(u"away"_s);
        QVERIFY(QDir().rename(share, away));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, station.exec(insertError, errorRow(u"lost"_s)));
        QVERIFY(QDir().rename(away, share));
    } else {
        dropOtherConnections(location);
    }

    QCOMPARE(station.first(u"select first from run"_s)[u"first"_s], u"1"_s);
    station.exec(insertError, errorRow(u"after"_s));
    QCOMPARE(station.select(u"select reason from errorlog"_s).size(), 2);
}

void TestDatabaseStore::keptStatementSeesOtherStations_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<bool>("inHome");
    QTest::newRow("sqlite, shared folder") << u"sqlite"_s << false;
    QTest::newRow("sqlite, home (write-ahead log)") << u"sqlite"_s << true;
    QTest::newRow("postgresql") << u"postgresql"_s << false;
}

void TestDatabaseStore::keptStatementSeesOtherStations()
{
    QFETCH(bool, inHome);
    CHRONEL_FETCH_ENGINE(target);
    TestHome home;
    const QString location = inHome ? home.file(u"main.db"_s) : target.location();
    Database station(location);
    Schema::create(station);
    Database other(location);
    const QString count = u"select count(*) as n from errorlog where sent = ?"_s;
    QCOMPARE(station.first(count, {u"NO"_s})[u"n"_s], u"0"_s);
    station.exec(insertError, errorRow(u"mine"_s));

    // Waits for the station's read to end, if it were still open.
    Transaction transaction(other);
    other.exec(insertError, errorRow(u"theirs"_s));
    transaction.commit();

    QCOMPARE(station.first(count, {u"NO"_s})[u"n"_s], u"2"_s);
}

void TestDatabaseStore::keptStatementFailingInTransaction()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    // Prepared without fault; fails only when it runs, on a value out of range.
    const QString absolute = u"select abs(cast(? as bigint)) as v from run"_s;
    QCOMPARE(db.first(absolute, {-5})[u"v"_s], u"5"_s);

    try {
        Transaction transaction(db);
        db.exec(insertError, errorRow(u"undone"_s));
        db.select(absolute, {std::numeric_limits<qint64>::min()});
        transaction.commit();
        QFAIL("the value out of range should have failed");
    } catch (const DatabaseError &error) {
        QVERIFY(!error.unreachable());
    }
    QVERIFY(!db.inTransaction());
    QVERIFY(db.select(u"select reason from errorlog"_s).isEmpty());

    Transaction transaction(db);
    db.exec(insertError, errorRow(u"kept"_s));
    QCOMPARE(db.first(absolute, {-7})[u"v"_s], u"7"_s);
    transaction.commit();
    QCOMPARE(db.first(u"select reason from errorlog"_s)[u"reason"_s], u"kept"_s);
}

void TestDatabaseStore::journalFollowsLocation_data()
{
    QTest::addColumn<QString>("folder"); // in the home, or "elsewhere"
    QTest::addColumn<bool>("madeInHome");
    QTest::addColumn<QString>("journal");
    QTest::newRow("home") << u"."_s << true << u"wal"_s;
    QTest::newRow("folder in the home") << u"station"_s << true << u"wal"_s;
    QTest::newRow("shared folder") << u"elsewhere"_s << false << u"delete"_s;
    QTest::newRow("moved from the home to a share") << u"elsewhere"_s << true << u"delete"_s;
}

void TestDatabaseStore::journalFollowsLocation()
{
    QFETCH(QString, folder);
    QFETCH(bool, madeInHome);
    QFETCH(QString, journal);
    TestHome home;
    QTemporaryDir elsewhere;
    const QString location = folder == u"elsewhere"_s ? elsewhere.filePath(u"main.db"_s)
                                                      : home.file(folder + u"/main.db"_s);
    QVERIFY(QDir().mkpath(QFileInfo(location).absolutePath()));
    if (madeInHome) {
        {
            Database made(home.file(u"made.db"_s));
            Schema::create(made);
        }
        QVERIFY(QFile::rename(home.file(u"made.db"_s), location));
    }
    Database db(location);
    if (!madeInHome)
        Schema::create(db);
    QCOMPARE(db.first(u"pragma journal_mode"_s)[u"journal_mode"_s], journal);
    if (journal == u"wal"_s) {
        constexpr int full = 2;
        QCOMPARE(db.first(u"pragma synchronous"_s)[u"synchronous"_s].toInt(), full);
    }
    db.exec(u"update run set first = '0'"_s);
    QCOMPARE(db.first(u"select first from run"_s)[u"first"_s], u"0"_s);
}

void TestDatabaseStore::upgradeAddsIndexes()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    const QStringList made = TestDatabase::indexNames(db);
    TestDatabase::dropReportIndexes(db);
    // One that an earlier version made, which an index of several columns replaces.
    db.exec(u"create index idx_log_cardnum on log (cardnum)"_s);
    QVERIFY(TestDatabase::indexNames(db) != made);

    db.exec(u"insert into log (dt,tm,employee,type,cardnum) "
            u"values ('03/14/26','08:00:00','Ann','IN','0042')"_s);

    Transaction transaction(db);
    Schema::upgrade(db);
    transaction.commit();
    QCOMPARE(TestDatabase::indexNames(db), made);
    // The server's planner has the values of the date key it has just indexed.
    if (db.dialect().engine() == SqlDialect::Engine::PostgreSql)
        QCOMPARE(db.first(u"select count(*) as n from pg_stats where tablename = 'idx_log_date'"_s)
                     .text(u"n"_s),
                 u"1"_s);
}

QTEST_GUILESS_MAIN(TestDatabaseStore)
#include "tst_database.moc"
