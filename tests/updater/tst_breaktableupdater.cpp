#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "store/Database.h"
#include "store/DatabaseLocation.h"
#include "store/LocationFile.h"
#include "store/Schema.h"
#include "store/Transaction.h"
#include "updater/core/BreakTableUpdater.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QString done = u"Updates done successfully!"_s;
const QString upToDate = u"The database is already up to date. Nothing was changed."_s;

const QStringList customSettings = {u"1"_s, u"1"_s, u"Tea"_s, u"Lunch"_s, u"-"_s, u"2"_s};
const QStringList defaultSettings = {u"0"_s, u"0"_s, u"-"_s, u"-"_s, u"-"_s, u"0"_s};
const QStringList oneClocking = {u"03/13/26"_s, u"0042"_s, u"1"_s};

// A database as it was before the break functions: every table but `missing`. A missing
// "authorization.dt" leaves the grant table as stations kept it before grants had a day;
// missing "indexes", the tables lack the indexes the reports use.
void createWithout(Database &db, const QStringList &missing)
{
    Transaction transaction(db);
    for (const Schema::Table &table : Schema::tables()) {
        if (!missing.contains(table.name))
            Schema::createTable(db, table);
    }
    if (missing.contains(u"authorization.dt"_s)) {
        db.exec(u"drop table \"authorization\""_s);
        db.exec(u"create table \"authorization\" (authorized text,cardnumber text)"_s);
        db.exec(u"insert into \"authorization\" (authorized,cardnumber) values ('-','-')"_s);
    }
    if (missing.contains(u"indexes"_s))
        TestDatabase::dropReportIndexes(db);
    transaction.commit();
}

const Schema::Table &tableNamed(const QString &name)
{
    for (const Schema::Table &table : Schema::tables()) {
        if (table.name == name)
            return table;
    }
    qFatal("no table %s", qPrintable(name));
}

// The rows of a table, each as its values in column order; empty when it is missing.
QList<QStringList> rowsOf(Database &db, const QString &name)
{
    const Schema::Table &table = tableNamed(name);
    if (!db.hasTable(name))
        return {};
    return rowValues(db, table.columns, Schema::sqlName(table.name));
}

QStringList presentBreakTables(Database &db)
{
    QStringList present;
    for (const QString &name : BreakTableUpdater::tableNames()) {
        if (db.hasTable(name))
            present << name;
    }
    return present;
}

} // namespace

class TestBreakTableUpdater : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A table created twice, a half-updated database left half-updated, stored settings or
    // clockings overwritten, a single-row table left without its row (or given two), or a
    // complete database reported as updated.
    void completesDatabase_data();
    void completesDatabase();
    // A failure halfway that leaves some tables created.
    void failureChangesNothing_data() { TestDatabase::addEngineRows(); }
    void failureChangesNothing();
    // A station in network mode whose database is not the one updated.
    void updatesStationDatabase_data() { TestDatabase::addEngineRows(); }
    void updatesStationDatabase();
    // A missing database file made, break tables put into a database that is not set up,
    // or a location file and marker left in a home that had none.
    void refusesNoDatabase_data();
    void refusesNoDatabase();
    void refusesEmptyDatabase_data() { TestDatabase::addEngineRows(); }
    void refusesEmptyDatabase();
};

void TestBreakTableUpdater::completesDatabase_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("emptied"); // tables that lost their rows

    const QStringList all = BreakTableUpdater::tableNames();
    QStringList allButClockings = all;
    allButClockings.removeOne(u"allloggedin"_s);
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray prefix = engine.toLatin1() + ": ";
        QTest::newRow(prefix + "no break tables") << engine << all << QStringList();
        QTest::newRow(prefix + "only allloggedin") << engine << allButClockings << QStringList();
        QTest::newRow(prefix + "cut short after breaksettings")
            << engine << QStringList{u"usedbreaks"_s, u"usedlog"_s, u"eauth"_s}
            << QStringList{u"breaksettings"_s};
        QTest::newRow(prefix + "authorization without its row")
            << engine << QStringList() << QStringList{u"authorization"_s};
        QTest::newRow(prefix + "made by an earlier version")
            << engine
            << QStringList{u"options"_s, u"audit"_s, u"worksettings"_s, u"authorization.dt"_s,
                           u"indexes"_s}
            << QStringList();
        QTest::newRow(prefix + "complete") << engine << QStringList() << QStringList();
    }
}

void TestBreakTableUpdater::completesDatabase()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(QStringList, missing);
    QFETCH(QStringList, emptied);
    Database db(target.location());
    createWithout(db, missing);
    for (const QString &table : emptied)
        db.exec(u"delete from "_s + Schema::sqlName(table));
    const bool hadClockings = !missing.contains(u"allloggedin"_s);
    if (hadClockings)
        db.exec(u"insert into allloggedin (dt,cardnum,completed) values (?,?,?)"_s,
                {oneClocking[0], oneClocking[1], oneClocking[2]});
    const bool hadSettings =
        !missing.contains(u"breaksettings"_s) && !emptied.contains(u"breaksettings"_s);
    if (hadSettings)
        db.exec(u"update breaksettings set enablebreaks = ?, enableauth = ?, break1 = ?, "
                u"break2 = ?, break3 = ?, numof = ?"_s,
                {customSettings[0], customSettings[1], customSettings[2], customSettings[3],
                 customSettings[4], customSettings[5]});
    const bool changes = !missing.isEmpty() || !emptied.isEmpty();
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, changes ? done : upToDate, PromptIcon::Information);
    QList<int> progress;

    const auto outcome =
        BreakTableUpdater(prompter, [&](int percent) { progress << percent; }).update(db);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(outcome,
             changes ? BreakTableUpdater::Outcome::Updated : BreakTableUpdater::Outcome::UpToDate);
    QVERIFY(!db.inTransaction());
    QCOMPARE(presentBreakTables(db), BreakTableUpdater::tableNames());
    QCOMPARE(rowsOf(db, u"breaksettings"_s),
             QList<QStringList>{hadSettings ? customSettings : defaultSettings});
    QCOMPARE(rowsOf(db, u"eauth"_s), (QList<QStringList>{{u"-"_s, u"-"_s}}));
    QCOMPARE(rowsOf(db, u"authorization"_s),
             (QList<QStringList>{
                 {u"-"_s, u"-"_s, missing.contains(u"authorization.dt"_s) ? QString() : u"-"_s}}));
    QVERIFY(db.hasTable(u"options"_s));
    QVERIFY(db.hasTable(u"audit"_s));
    QCOMPARE(rowsOf(db, u"worksettings"_s),
             (QList<QStringList>{{u"1"_s, u"0"_s, u"40"_s, u"0"_s, u"0"_s}}));
    const QStringList indexes = TestDatabase::indexNames(db);
    for (const QString &index : TestDatabase::reportIndexes())
        QVERIFY2(indexes.contains(index), qPrintable(index));
    QCOMPARE(rowsOf(db, u"allloggedin"_s),
             hadClockings ? QList<QStringList>{oneClocking} : QList<QStringList>());
    for (const QString &table : {u"breaks"_s, u"usedbreaks"_s, u"usedlog"_s})
        QVERIFY2(rowsOf(db, table).isEmpty(), qPrintable(table));
    // The created tables are the station's: its statements run on them.
    db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
            u"values ('03/14/26','0042','08:00:00','-','-','Y','1')"_s);
    db.exec(u"insert into \"authorization\" (authorized,cardnumber,dt) "
            u"values ('1','0042','03/14/26')"_s);
    db.exec(u"insert into options (name,value) values ('x','1')"_s);

    // The bar starts at 10, only climbs, shows 100 with the outcome and is emptied after.
    QVERIFY(progress.size() >= 3);
    QCOMPARE(progress.first(), 10);
    QCOMPARE(progress.last(), 0);
    QCOMPARE(progress.at(progress.size() - 2), 100);
    QVERIFY(std::is_sorted(progress.cbegin(), progress.cend() - 1));
}

void TestBreakTableUpdater::failureChangesNothing()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    createWithout(db, BreakTableUpdater::tableNames());
    // An index of that name makes creating `usedbreaks` fail after other tables are made.
    db.exec(u"create index idx_usedbreaks_employee on employees (employee)"_s);
    ScriptedPrompter prompter;
    prompter.expectError();
    QList<int> progress;

    const auto outcome =
        BreakTableUpdater(prompter, [&](int percent) { progress << percent; }).update(db);

    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(outcome, BreakTableUpdater::Outcome::Failed);
    QVERIFY(!db.inTransaction());
    QCOMPARE(presentBreakTables(db), QStringList());
    QCOMPARE(progress.last(), 0);
    QVERIFY(!progress.contains(100));
}

void TestBreakTableUpdater::updatesStationDatabase()
{
    CHRONEL_FETCH_ENGINE(target);
    TestHome home;
    {
        Database db(target.location());
        createWithout(db, BreakTableUpdater::tableNames());
    }
    // Network mode: a shared folder (or server) and no marker.
    const QString shared = DatabaseLocation::isServerUri(target.location())
                               ? target.location()
                               : QFileInfo(target.location()).absolutePath();
    home.write(LocationFile::fileName, shared.toUtf8());
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, done, PromptIcon::Information);

    QCOMPARE(BreakTableUpdater(prompter).updateStationDatabase(),
             BreakTableUpdater::Outcome::Updated);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    Database db(target.location());
    QCOMPARE(presentBreakTables(db), BreakTableUpdater::tableNames());
    QVERIFY(!QFile::exists(home.file(LocationFile::databaseName)));
}

void TestBreakTableUpdater::refusesNoDatabase_data()
{
    QTest::addColumn<bool>("homeExists");
    QTest::newRow("empty home") << true;
    QTest::newRow("no home yet") << false;
}

void TestBreakTableUpdater::refusesNoDatabase()
{
    QFETCH(bool, homeExists);
    TestHome parent;
    const QString home = homeExists ? parent.path() : parent.file(u"chronel"_s);
    qputenv("CHRONEL_HOME", home.toUtf8());
    const QString path = home + u'/' + LocationFile::databaseName;
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error"_s,
                           u"There is no Chronel database at %1.\nPlease run the Chronel wizard "
                           u"before updating."_s.arg(path),
                           PromptIcon::Error);
    QList<int> progress;

    BreakTableUpdater::tightenHome();
    QCOMPARE(BreakTableUpdater(prompter, [&](int percent) { progress << percent; })
                 .updateStationDatabase(),
             BreakTableUpdater::Outcome::NoDatabase);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(progress.isEmpty());
    // Nothing of the updater's is left there: no database, location file or marker.
    QCOMPARE(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestBreakTableUpdater::refusesEmptyDatabase()
{
    CHRONEL_FETCH_ENGINE(target);
    TestHome home;
    QString location = target.location();
    QUrl server(location);
    if (DatabaseLocation::isServerUri(location) && server.password().isEmpty()) {
        // A password the test server does not ask for, to see it is not shown.
        server.setPassword(u"s3cret"_s);
        location = server.toString();
    }
    home.write(LocationFile::fileName, location.toUtf8());
    home.write(LocationFile::markerName, {});
    {
        Database db(location); // an empty file or server database
    }
    ScriptedPrompter prompter;
    prompter.expectError();

    QCOMPARE(BreakTableUpdater(prompter).updateStationDatabase(),
             BreakTableUpdater::Outcome::NoDatabase);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    const QString shown = prompter.seen().first().text;
    QVERIFY2(shown.startsWith(u"There is no Chronel database at "_s), qPrintable(shown));
    if (!server.password().isEmpty())
        QVERIFY2(!shown.contains(server.password()), qPrintable(shown));
    Database db(location);
    QCOMPARE(presentBreakTables(db), QStringList());
}

QTEST_MAIN(TestBreakTableUpdater)
#include "tst_breaktableupdater.moc"
