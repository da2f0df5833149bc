#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "WhenModal.h"
#include "admin/core/DatabaseManager.h"
#include "admin/gui/DatabaseManagerDialog.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Clearing = DatabaseManager::Clearing;
using Snapshot = QMap<QString, QStringList>;

const QStringList watched = {u"log"_s,      u"employees"_s,   u"locked"_s,
                             u"errorlog"_s, u"breaks"_s,      u"usedbreaks"_s,
                             u"eauth"_s,    u"allloggedin"_s, u"breaksettings"_s};

// A database in use: clockings, two employees, errors and breaks taken today.
void fill(Database &db)
{
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042'),('Bob','17')"_s);
    db.exec(u"insert into locked (cardnum,locked) values ('0042','1'),('17','0')"_s);
    db.exec(u"insert into log (dt,tm,employee,type,cardnum) values "
            "('03/14/26','08:00:00','Ann','IN','0042'),('03/14/26','09:00:00','Bob','IN','17')"_s);
    db.exec(u"insert into errorlog (tm,dt,reason,sent) values "
            "('08:01:00','03/14/26','Invalid card: 99','NO')"_s);
    db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) values "
            "('03/14/26','0042','10:00:00','10:15:00','-','Y','1')"_s);
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values "
            "('0042','2','1','0'),('17','0','0','0')"_s);
    db.exec(u"update eauth set ename = 'Ann', cardnum = '0042'"_s);
    db.exec(u"insert into allloggedin (dt,cardnum,completed) values ('03/13/26','17','1')"_s);
}

// Every row of the tables the manager may touch, sorted, so any change shows.
Snapshot snapshot(Database &db)
{
    Snapshot tables;
    for (const QString &name : watched) {
        const Schema::Table *table = nullptr;
        for (const Schema::Table &candidate : Schema::tables()) {
            if (candidate.name == name)
                table = &candidate;
        }
        QStringList rows;
        for (const SqlRow &row : db.select(u"select * from "_s + name)) {
            QStringList values;
            for (const QString &column : table->columns)
                values << row[column];
            rows << values.join(u'|');
        }
        rows.sort();
        tables.insert(name, rows);
    }
    return tables;
}

QString clearQuestion(Clearing clearing)
{
    switch (clearing) {
    case Clearing::LogIns:
        return u"This will delete all Login/Logout information.Are you sure?"_s;
    case Clearing::Employees:
        return u"All employees will be deleted.Are you sure?"_s;
    case Clearing::ErrorLog:
        return u"This will clear the Error Log.Are you sure?"_s;
    case Clearing::Breaks:
        return u"This will clear all the recorded breaks.Are you sure?"_s;
    }
    return {};
}

// The tables whose rows a button deletes, so their copies are made.
QStringList archived(Clearing clearing)
{
    switch (clearing) {
    case Clearing::LogIns:
        return {u"log"_s};
    case Clearing::Employees:
        return {u"employees"_s, u"locked"_s};
    case Clearing::ErrorLog:
        return {u"errorlog"_s};
    case Clearing::Breaks:
        return {u"breaks"_s};
    }
    return {};
}

// Where the copy of `table` goes at the fixed clock's time.
QString archiveFile(const TestHome &home, const QString &table)
{
    return home.file(u"archive/"_s + table + u"-2026-03-14-080509.csv"_s);
}

QString question(const TestHome &home, Clearing clearing)
{
    QStringList files;
    for (const QString &table : archived(clearing))
        files << QDir::toNativeSeparators(archiveFile(home, table));
    return clearQuestion(clearing) + u"\n\nThe rows are archived first to:\n"_s + files.join(u'\n');
}

// A station's pieces the manager works with, on one database.
struct Manager
{
    explicit Manager(Database &db) : audit(db, clock, u"desk-3"_s)
    {
        audit.setSupervisor(u"ADMIN"_s);
    }

    TestHome home;
    FixedClock clock;
    ScriptedPrompter prompter;
    AuditTrail audit;
};

void addClearingRows(const QStringList &engines)
{
    const QList<QPair<QString, Clearing>> clearings = {{u"log-ins"_s, Clearing::LogIns},
                                                       {u"employees"_s, Clearing::Employees},
                                                       {u"error log"_s, Clearing::ErrorLog},
                                                       {u"breaks"_s, Clearing::Breaks}};
    for (const QString &engine : engines) {
        for (const auto &[name, clearing] : clearings)
            QTest::addRow("%s %s", qPrintable(name), qPrintable(engine)) << engine << clearing;
    }
}

} // namespace

Q_DECLARE_METATYPE(DatabaseManager::Clearing)

class TestDatabaseManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { closeModalWidgets(); }

    // A button that empties the wrong tables, leaves a row behind, drops the break
    // marks instead of resetting them, or touches anything else.
    void clearEmptiesItsTables_data();
    void clearEmptiesItsTables();
    // An answer other than Yes that still deletes.
    void noChangesNothing_data();
    void noChangesNothing();
    // Empty tables reported as a failure.
    void emptyTablesStillSucceed_data();
    void emptyTablesStillSucceed();
    // A second statement that fails leaving the first one done, or reported as success.
    void failureUndoesTheWhole_data();
    void failureUndoesTheWhole();
    // Rows deleted without a whole copy: a missing file, a missing header, a row left
    // out, values changed on the way; or a clearing the audit trail does not show.
    void clearArchivesAndAudits_data();
    void clearArchivesAndAudits();
    // An archive that cannot be written still deleting, leaving an audit row, or leaving
    // the copies already made of a clearing that did not happen.
    void unwritableArchiveDeletesNothing_data();
    void unwritableArchiveDeletesNothing();
    // The breaks button usable while breaks were off at start-up; a click not reaching
    // the database; Enter doing something.
    void dialog_data();
    void dialog();
};

void TestDatabaseManager::clearEmptiesItsTables_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<Clearing>("clearing");
    addClearingRows({u"sqlite"_s, u"postgresql"_s});
}

void TestDatabaseManager::clearEmptiesItsTables()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(Clearing, clearing);
    Database db(target.location());
    fill(db);
    Snapshot expected = snapshot(db);
    switch (clearing) {
    case Clearing::LogIns:
        expected[u"log"_s].clear();
        break;
    case Clearing::Employees:
        expected[u"employees"_s].clear();
        expected[u"locked"_s].clear();
        break;
    case Clearing::ErrorLog:
        expected[u"errorlog"_s].clear();
        break;
    case Clearing::Breaks:
        expected[u"breaks"_s].clear();
        expected[u"usedbreaks"_s] = QStringList{u"0042|0|0|0"_s, u"17|0|0|0"_s};
        break;
    }
    Manager station(db);
    ScriptedPrompter &prompter = station.prompter;
    prompter.expectQuestion(u"Confirm"_s, question(station.home, clearing), true);
    prompter.expectMessage(u"Success"_s, u"Entries Deleted"_s, PromptIcon::Information);

    QVERIFY(DatabaseManager(db, prompter, station.clock, station.audit).clear(clearing));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(snapshot(db), expected);
    QVERIFY(!db.inTransaction());
}

void TestDatabaseManager::noChangesNothing_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<Clearing>("clearing");
    addClearingRows({u"sqlite"_s});
}

void TestDatabaseManager::noChangesNothing()
{
    QFETCH(QString, engine);
    QFETCH(Clearing, clearing);
    TestDatabase target(engine);
    Database db(target.location());
    fill(db);
    const Snapshot before = snapshot(db);
    Manager station(db);
    ScriptedPrompter &prompter = station.prompter;
    prompter.expectQuestion(u"Confirm"_s, question(station.home, clearing), false);

    QVERIFY(!DatabaseManager(db, prompter, station.clock, station.audit).clear(clearing));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(snapshot(db), before);
    QVERIFY(!QFile::exists(station.home.file(u"archive"_s)));
    QVERIFY(db.select(u"select kind from audit"_s).isEmpty());
}

void TestDatabaseManager::emptyTablesStillSucceed_data()
{
    noChangesNothing_data();
}

void TestDatabaseManager::emptyTablesStillSucceed()
{
    QFETCH(QString, engine);
    QFETCH(Clearing, clearing);
    TestDatabase target(engine);
    Database db(target.location());
    Schema::create(db);
    Manager station(db);
    ScriptedPrompter &prompter = station.prompter;
    prompter.expectQuestion(u"Confirm"_s, question(station.home, clearing), true);
    prompter.expectMessage(u"Success"_s, u"Entries Deleted"_s, PromptIcon::Information);

    QVERIFY(DatabaseManager(db, prompter, station.clock, station.audit).clear(clearing));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestDatabaseManager::failureUndoesTheWhole_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<Clearing>("clearing");
    QTest::addColumn<QString>("missingTable"); // the second statement's table
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        QTest::addRow("employees %s", qPrintable(engine))
            << engine << Clearing::Employees << u"locked"_s;
        QTest::addRow("breaks %s", qPrintable(engine))
            << engine << Clearing::Breaks << u"usedbreaks"_s;
    }
}

void TestDatabaseManager::failureUndoesTheWhole()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(Clearing, clearing);
    QFETCH(QString, missingTable);
    Database db(target.location());
    fill(db);
    db.exec(u"drop table "_s + missingTable);
    const int breaks = db.select(u"select name from breaks"_s).size();
    Manager station(db);
    ScriptedPrompter &prompter = station.prompter;
    prompter.expectQuestion(u"Confirm"_s, question(station.home, clearing), true);
    prompter.expectError();

    QVERIFY(!DatabaseManager(db, prompter, station.clock, station.audit).clear(clearing));
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QVERIFY(db.select(u"select kind from audit"_s).isEmpty());
    QVERIFY(!db.inTransaction());
    QCOMPARE(db.select(u"select employee from employees"_s).size(), 2);
    QCOMPARE(db.select(u"select name from breaks"_s).size(), breaks);
    QCOMPARE(QDir(station.home.file(u"archive"_s)).entryList(QDir::Files), QStringList());
}

void TestDatabaseManager::clearArchivesAndAudits_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<Clearing>("clearing");
    QTest::addColumn<QStringList>("files"); // each table's copy, as its lines
    QTest::addColumn<QString>("counted");   // the audit row's before value
    const QMap<Clearing, QStringList> files = {
        {Clearing::LogIns,
         {u"id,dt,tm,employee,type,cardnum|1,03/14/26,08:00:00,Ann,IN,0042|"
          "2,03/14/26,09:00:00,Bob,IN,17|3,03/14/26,09:30:00,\"O'Hara, \"\"Jo\"\"\",IN,5"_s}},
        {Clearing::Employees,
         {u"id,employee,cardnum|1,Ann,0042|2,Bob,17"_s, u"id,cardnum,locked|1,0042,1|2,17,0"_s}},
        {Clearing::ErrorLog, {u"id,tm,dt,reason,sent|1,08:01:00,03/14/26,Invalid card: 99,NO"_s}},
        {Clearing::Breaks,
         {u"dt,name,i,out,locked,auth,breaknumber|03/14/26,0042,10:00:00,10:15:00,-,Y,1"_s}},
    };
    const QMap<Clearing, QString> counted = {{Clearing::LogIns, u"log: 3"_s},
                                             {Clearing::Employees, u"employees: 2, locked: 2"_s},
                                             {Clearing::ErrorLog, u"errorlog: 1"_s},
                                             {Clearing::Breaks, u"breaks: 1"_s}};
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        for (auto it = files.cbegin(); it != files.cend(); ++it)
            QTest::addRow("%s %d", qPrintable(engine), int(it.key()))
                << engine << it.key() << it.value() << counted.value(it.key());
    }
}

void TestDatabaseManager::clearArchivesAndAudits()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(Clearing, clearing);
    QFETCH(QStringList, files);
    QFETCH(QString, counted);
    Database db(target.location());
    fill(db);
    // A name the file must quote, so a reader gets it back whole.
    db.exec(u"insert into log (dt,tm,employee,type,cardnum) values (?,?,?,?,?)"_s,
            {u"03/14/26"_s, u"09:30:00"_s, u"O'Hara, \"Jo\""_s, u"IN"_s, u"5"_s});
    Manager station(db);
    station.prompter.expectQuestion(u"Confirm"_s, question(station.home, clearing), true);
    station.prompter.expectMessage(u"Success"_s, u"Entries Deleted"_s, PromptIcon::Information);

    QVERIFY(DatabaseManager(db, station.prompter, station.clock, station.audit).clear(clearing));

    const QStringList tables = archived(clearing);
    QStringList paths;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        QFile file(archiveFile(station.home, tables[i]));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QString expected = files[i].split(u'|').join(u"\r\n"_s) + u"\r\n"_s;
        QCOMPARE(QString::fromUtf8(file.readAll()), expected);
        paths << QDir::toNativeSeparators(file.fileName());
    }
    const QList<SqlRow> audit =
        db.select(u"select dt,tm,station,supervisor,kind,oldvalue,newvalue from audit"_s);
    QCOMPARE(audit.size(), 1);
    QCOMPARE(audit[0][u"dt"_s], u"03/14/26"_s);
    QCOMPARE(audit[0][u"tm"_s], u"08:05:09"_s);
    QCOMPARE(audit[0][u"station"_s], u"desk-3"_s);
    QCOMPARE(audit[0][u"supervisor"_s], u"ADMIN"_s);
    QCOMPARE(audit[0][u"kind"_s], u"tables cleared"_s);
    QCOMPARE(audit[0][u"oldvalue"_s], counted);
    QCOMPARE(audit[0][u"newvalue"_s], u"archived to "_s + paths.join(u", "_s));
}

void TestDatabaseManager::unwritableArchiveDeletesNothing_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<Clearing>("clearing");
    QTest::addColumn<QString>("blocked"); // a folder where this file should go
    QTest::addColumn<QString>("reason");
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        QTest::addRow("file in the archive folder's place %s", qPrintable(engine))
            << engine << Clearing::LogIns << QString() << u"the folder %1 cannot be made"_s;
        QTest::addRow("second copy blocked %s", qPrintable(engine))
            << engine << Clearing::Employees << u"locked"_s << QString();
    }
}

void TestDatabaseManager::unwritableArchiveDeletesNothing()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(Clearing, clearing);
    QFETCH(QString, blocked);
    QFETCH(QString, reason);
    Database db(target.location());
    fill(db);
    const Snapshot before = snapshot(db);
    Manager station(db);
    const QString folder = station.home.file(u"archive"_s);
    if (blocked.isEmpty())
        station.home.write(u"archive"_s, "not a folder");
    else
        QVERIFY(QDir().mkpath(archiveFile(station.home, blocked)));
    station.prompter.expectQuestion(u"Confirm"_s, question(station.home, clearing), true);
    station.prompter.expectError();

    QVERIFY(!DatabaseManager(db, station.prompter, station.clock, station.audit).clear(clearing));

    QVERIFY2(station.prompter.scriptDone(), qPrintable(station.prompter.pending()));
    const QString shown = station.prompter.seen().last().text;
    const QString failed = blocked.isEmpty() ? archiveFile(station.home, archived(clearing)[0])
                                             : archiveFile(station.home, blocked);
    QVERIFY2(shown.startsWith(u"The rows could not be archived to "_s +
                              QDir::toNativeSeparators(failed) + u": "_s),
             qPrintable(shown));
    if (!reason.isEmpty())
        QVERIFY2(shown.contains(reason.arg(QDir::toNativeSeparators(folder))), qPrintable(shown));
    QVERIFY(shown.endsWith(u"\nNothing was deleted."_s));
    QCOMPARE(snapshot(db), before);
    QVERIFY(db.select(u"select kind from audit"_s).isEmpty());
    if (!blocked.isEmpty())
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
}

void TestDatabaseManager::dialog_data()
{
    QTest::addColumn<bool>("breaksEnabled");
    QTest::newRow("breaks on at start-up") << true;
    QTest::newRow("breaks off at start-up") << false;
}

void TestDatabaseManager::dialog()
{
    QFETCH(bool, breaksEnabled);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    fill(db);
    Manager station(db);
    ScriptedPrompter &prompter = station.prompter;
    bool checked = false;

    whenDialogOpens(this, [&](QDialog *dialog) {
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(dialog->windowTitle(), u":: Database Management ::"_s);
        const QStringList names = {u"clearLogInsButton"_s, u"clearEmployeesButton"_s,
                                   u"clearErrorLogButton"_s, u"clearBreaksButton"_s};
        for (const QString &name : names) {
            auto *button = dialog->findChild<QPushButton *>(name);
            QVERIFY2(button, qPrintable(name));
            QVERIFY(!button->autoDefault());
            QCOMPARE(button->isEnabled(), name != u"clearBreaksButton"_s || breaksEnabled);
        }
        auto *employees = dialog->findChild<QPushButton *>(u"clearEmployeesButton"_s);
        employees->setFocus();
        QTest::keyClick(employees, Qt::Key_Return);
        QVERIFY(prompter.seen().isEmpty());

        prompter.expectQuestion(u"Confirm"_s, question(station.home, Clearing::Employees), true);
        prompter.expectMessage(u"Success"_s, u"Entries Deleted"_s, PromptIcon::Information);
        QTest::mouseClick(employees, Qt::LeftButton);
        QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
        QVERIFY(db.select(u"select employee from employees"_s).isEmpty());
        QVERIFY(dialog->isVisible());

        // A disabled button takes no click.
        auto *breaks = dialog->findChild<QPushButton *>(u"clearBreaksButton"_s);
        if (!breaksEnabled)
            QTest::mouseClick(breaks, Qt::LeftButton);
        QCOMPARE(db.select(u"select name from breaks"_s).size(), 1);
        checked = true;
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
    });
    DatabaseManagerDialog::run(DatabaseManager(db, prompter, station.clock, station.audit),
                               breaksEnabled, nullptr);
    QVERIFY(checked);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    QCOMPARE(db.select(u"select employee from log"_s).size(), 2);
}

QTEST_MAIN(TestDatabaseManager)
#include "tst_databasemanager.moc"
