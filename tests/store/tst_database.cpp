#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/Schema.h"
#include "store/Transaction.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

QTEST_GUILESS_MAIN(TestDatabaseStore)
#include "tst_database.moc"
