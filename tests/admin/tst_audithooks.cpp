#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "admin/core/CompanySetup.h"
#include "admin/core/EmployeeManager.h"
#include "admin/core/NetworkOptions.h"
#include "admin/core/ProgramOptions.h"
#include "admin/core/SecurityManager.h"
#include "breaks/core/BreakOptions.h"
#include "breaks/core/ManualBreakAuthorization.h"
#include "breaks/core/ManualBreakEntry.h"
#include "breaks/core/RemoteBreakGrant.h"
#include "station/core/GlobalClocking.h"
#include "station/core/ManualClocking.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A station on a database in use: Ann in, Bob out, two accounts, one break named.
struct Fixture
{
    explicit Fixture(const QString &location) : db(location), audit(db, clock, u"desk-3"_s)
    {
        Schema::create(db);
        db.exec(u"insert into employees (employee,cardnum) values ('Ann Smith','0042'),"
                "('Bob','17')"_s);
        db.exec(u"insert into locked (cardnum,locked) values ('0042','1'),('17','0')"_s);
        db.exec(u"insert into users (username,password) values (?,?),(?,?)"_s,
                {u"ADMIN"_s, PasswordHash::hash(u"ADMINPW"_s), u"BOSS"_s,
                 PasswordHash::hash(u"BOSSPW"_s)});
        db.exec(u"update company set cname = 'Acme',tnum = '555',a1 = '1 Road',a2 = 'Town',"
                "a3 = 'Land'"_s);
        db.exec(u"update settings set ali = '07:00:00'"_s);
        db.exec(u"update breaksettings set enablebreaks = '1',numof = '1',break1 = 'Lunch'"_s);
        db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values "
                "('0042','0','0','0'),('17','0','0','0')"_s);
        audit.setSupervisor(u"ADMIN"_s);
    }

    // The next prompt tells of success, or of the error the change ran into.
    void expectDone(const QString &caption, const QString &text, bool works)
    {
        if (works)
            prompter.expectMessage(caption, text, PromptIcon::Information);
        else
            prompter.expectError();
    }

    TestHome home;
    Database db;
    FixedClock clock;
    ScriptedPrompter prompter;
    AuditTrail audit;
    std::optional<EmployeeManager::Employee> chosen;
    RemoteBreakGrant::Choice grantChoice{u"Ann Smith"_s, u"0042"_s, true};
};

// Makes one change through its feature; `works` is false when the audit row cannot be
// written, and the change must then fail as a whole.
using Change = std::function<void(Fixture &, bool works)>;

// Every row of every table but the audit trail, and the location file, so that any
// change shows.
QStringList everything(Fixture &f)
{
    QStringList rows;
    for (const Schema::Table &table : Schema::tables()) {
        if (table.name == u"audit"_s)
            continue;
        QStringList tableRows;
        for (const SqlRow &row : f.db.select(u"select * from "_s + Schema::sqlName(table.name))) {
            QStringList values;
            for (const QString &column : table.columns)
                values << row[column];
            tableRows << table.name + u": "_s + values.join(u'|');
        }
        tableRows.sort();
        rows << tableRows;
    }
    rows << u"location file: "_s + QString::number(QFile::exists(f.home.file(u"path.ini"_s)));
    return rows;
}

ManualClocking::Request manualLogIn()
{
    ManualClocking::Request request;
    request.employee = u"Ann Smith"_s;
    request.logIn = {true, u"03/14/26"_s, TimeEntry(u"08"_s, u"00"_s, u"00"_s)};
    return request;
}

ManualBreakEntry::Request manualBreak()
{
    ManualBreakEntry::Request request;
    request.employee = u"Ann Smith"_s;
    request.breakNumber = 1;
    request.date = QDate(2026, 3, 14);
    request.start = {true, TimeEntry(u"10"_s, u"00"_s, u"00"_s)};
    request.end = {true, TimeEntry(u"10"_s, u"15"_s, u"00"_s)};
    return request;
}

void forced(Fixture &f, bool works, bool in)
{
    f.prompter.expectQuestion(
        u"Confirm"_s,
        in ? u"This will cause all employees to be logged in.Are you sure?"_s
           : u"This will cause all employees to be logged out.Are you sure?"_s,
        true);
    f.expectDone(u"Success!"_s, in ? u"Forced login completed!"_s : u"Forced logout completed!"_s,
                 works);
    GlobalClocking clocking(f.db, f.prompter);
    in ? clocking.forceLogIn() : clocking.forceLogOut();
}

// The timer's actions throw; the timer shows the error.
void automatic(Fixture &f, bool works, bool in)
{
    GlobalClocking clocking(f.db, f.prompter);
    try {
        in ? clocking.logEveryoneIn() : clocking.logEveryoneOutAndResetBreaks();
        QVERIFY(works);
    } catch (const DatabaseError &) {
        QVERIFY(!works);
    }
}

} // namespace

Q_DECLARE_METATYPE(Change)

class TestAuditHooks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A supervisor command that leaves no audit row, leaves two, records the wrong
    // values, supervisor or station, or a password; or a change that stands although its
    // audit row could not be written.
    void oneRowWithTheChange_data();
    void oneRowWithTheChange();
};

void TestAuditHooks::oneRowWithTheChange_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("supervisor");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    struct Row
    {
        const char *name;
        Change change;
        QString kind;
        QString supervisor;
        QString before;
        QString after;
    };
    const QString admin = u"ADMIN"_s;
    const QList<Row> rows = {
        {"manual log in/out",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success!"_s, u"Manual Log-in Succeded!"_s, works);
             ManualClocking(f.db, f.prompter).process(manualLogIn());
         },
         u"manual log in/out"_s,
         admin,
         {},
         u"Ann Smith (0042): IN 03/14/26 08:00:00"_s},
        {"manual break input",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success!"_s, u"Manual entries added successfully!"_s, works);
             ManualBreakEntry(f.db, f.prompter, f.clock).process(manualBreak());
         },
         u"manual break input"_s,
         admin,
         {},
         u"Ann Smith (0042) break 1 03/14/26: 10:00:00-10:15:00"_s},
        {"employee added",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success"_s, u"Employee Added Successfully!"_s, works);
             EmployeeManager(f.db, f.prompter, f.chosen).add({u"Cy"_s, u"99"_s});
         },
         u"employee added"_s,
         admin,
         {},
         u"Cy (99)"_s},
        {"employee updated",
         [](Fixture &f, bool works) {
             f.chosen = EmployeeManager::Employee{u"Ann Smith"_s, u"0042"_s};
             f.expectDone(u"Success"_s, u"Employee Updated Successfully!"_s, works);
             EmployeeManager(f.db, f.prompter, f.chosen).update({u"Ann Jones"_s, u"0043"_s});
         },
         u"employee updated"_s, admin, u"Ann Smith (0042)"_s, u"Ann Jones (0043)"_s},
        {"employee deleted",
         [](Fixture &f, bool works) {
             f.chosen = EmployeeManager::Employee{u"Bob"_s, u"17"_s};
             f.expectDone(u"Success"_s, u"Employee Deleted Successfully!"_s, works);
             EmployeeManager(f.db, f.prompter, f.chosen).remove({u"Bob"_s, u"17"_s});
         },
         u"employee deleted"_s,
         admin,
         u"Bob (17)"_s,
         {}},
        {"account added",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success!"_s, u"User Inserted"_s, works);
             SecurityManager(f.db, f.prompter).add({u"CHIEF"_s, u"SECRET"_s, u"SECRET"_s});
         },
         u"account added"_s,
         admin,
         {},
         u"CHIEF"_s},
        {"account updated",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success!"_s, u"User Updated"_s, works);
             SecurityManager(f.db, f.prompter)
                 .update(u"BOSS"_s, {u"BOSS2"_s, u"SECRET"_s, u"SECRET"_s});
         },
         u"account updated"_s, admin, u"BOSS"_s, u"BOSS2, new password"_s},
        {"account deleted",
         [](Fixture &f, bool works) {
             f.prompter.expectQuestion(u"Confirm"_s, u"Delete user BOSS?"_s, true);
             f.expectDone(u"Success!"_s, u"User Deleted"_s, works);
             SecurityManager(f.db, f.prompter).remove(u"BOSS"_s);
         },
         u"account deleted"_s,
         admin,
         u"BOSS"_s,
         {}},
        {"program options",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success"_s,
                          u"Auto login time updated.Please restart Chronel for changes to "
                          "take effect!"_s,
                          works);
             ProgramOptions(f.db, f.prompter)
                 .updateTime(ProgramOptions::Time::AutoLogIn, TimeEntry(u"07"_s, u"30"_s, u"00"_s));
         },
         u"program options"_s, admin, u"automatic log-in: 07:00:00"_s,
         u"automatic log-in: 07:30:00"_s},
        {"break options",
         [](Fixture &f, bool works) {
             if (works) {
                 f.prompter.expectMessage(u"Update!"_s, u"Break 1 and Break 2 names updated!"_s,
                                          PromptIcon::Information);
                 f.prompter.expectMessage(u"Success"_s,
                                          u"Please restart Chronel for changes to take effect!"_s,
                                          PromptIcon::Information);
             } else {
                 f.prompter.expectError();
             }
             BreakOptions(f.db, f.prompter).apply(u"2"_s, {u"Lunch"_s, u"Tea"_s, QString()});
         },
         u"break options"_s, admin, u"1: Lunch, -, -"_s, u"2: Lunch, Tea, -"_s},
        {"company details",
         [](Fixture &f, bool works) {
             if (!works)
                 f.prompter.expectError();
             CompanySetup(f.db, f.prompter)
                 .update({u"Acme Ltd"_s, u"556"_s, u"1 Road"_s, u"Town"_s, u"Land"_s});
         },
         u"company details"_s, admin, u"Acme; 555; 1 Road; Town; Land"_s,
         u"Acme Ltd; 556; 1 Road; Town; Land"_s},
        {"network options",
         [](Fixture &f, bool works) {
             f.expectDone(u"Changes"_s,
                          u"Chronel will now exit for changes to take effect.Please re-run "
                          "Chronel!"_s,
                          works);
             NetworkOptions(f.home.path(), f.prompter, &f.db)
                 .apply(NetworkOptions::Choice::Network, u"/srv/clock"_s);
         },
         u"network options"_s, admin, u"local: %1/main.db"_s, u"network: /srv/clock/main.db"_s},
        {"forced global log-in", [](Fixture &f, bool works) { forced(f, works, true); },
         u"forced global log-in"_s, admin, u"1 of 2 clocked in"_s, u"2 of 2 clocked in"_s},
        {"forced global log-out", [](Fixture &f, bool works) { forced(f, works, false); },
         u"forced global log-out"_s, admin, u"1 of 2 clocked in"_s, u"0 of 2 clocked in"_s},
        {"automatic log-in", [](Fixture &f, bool works) { automatic(f, works, true); },
         u"automatic log-in"_s, u"automatic"_s, u"1 of 2 clocked in"_s, u"2 of 2 clocked in"_s},
        {"automatic log-out", [](Fixture &f, bool works) { automatic(f, works, false); },
         u"automatic log-out"_s, u"automatic"_s, u"1 of 2 clocked in"_s, u"0 of 2 clocked in"_s},
        {"break granted from the list",
         [](Fixture &f, bool works) {
             f.prompter.expectQuestion(u"Confirm"_s, u"Proceed with break authorization?"_s, true);
             if (!works)
                 f.prompter.expectError();
             RemoteBreakGrant(f.db, f.prompter, f.clock, f.grantChoice).grant();
         },
         u"break grant"_s,
         admin,
         {},
         u"Ann Smith (0042) 03/14/26"_s},
        {"break granted with a typed account",
         [](Fixture &f, bool works) {
             f.expectDone(u"Success"_s, u"Authorization Successful"_s, works);
             ManualBreakAuthorization(f.db, f.prompter, f.clock, u"0042"_s)
                 .authorize(u"BOSS"_s, u"BOSSPW"_s);
         },
         u"break grant"_s,
         u"BOSS"_s,
         {},
         u"0042 03/14/26"_s},
    };
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        for (const Row &row : rows)
            QTest::addRow("%s %s", row.name, qPrintable(engine))
                << engine << row.change << row.kind << row.supervisor << row.before << row.after;
    }
}

void TestAuditHooks::oneRowWithTheChange()
{
    CHRONEL_FETCH_ENGINE(target);
    QFETCH(Change, change);
    QFETCH(QString, kind);
    QFETCH(QString, supervisor);
    QFETCH(QString, before);
    QFETCH(QString, after);
    {
        Fixture f(target.location());
        const QStringList untouched = everything(f);
        change(f, true);
        QVERIFY2(f.prompter.scriptDone(), qPrintable(f.prompter.pending()));
        QVERIFY(everything(f) != untouched);
        const QList<SqlRow> rows =
            f.db.select(u"select dt,tm,station,supervisor,kind,oldvalue,newvalue from audit"_s);
        QCOMPARE(rows.size(), 1);
        const SqlRow &row = rows.first();
        QCOMPARE(row[u"dt"_s] + u' ' + row[u"tm"_s], u"03/14/26 08:05:09"_s);
        QCOMPARE(row[u"station"_s], u"desk-3"_s);
        QCOMPARE(row[u"supervisor"_s], supervisor);
        QCOMPARE(row[u"kind"_s], kind);
        QCOMPARE(row[u"oldvalue"_s], before.contains(u"%1"_s)
                                         ? before.arg(QDir::toNativeSeparators(f.home.path()))
                                         : before);
        QCOMPARE(row[u"newvalue"_s], after);
        for (const QString &secret : {u"SECRET"_s, u"BOSSPW"_s, u"$argon2"_s})
            QVERIFY(!(row[u"oldvalue"_s] + row[u"newvalue"_s]).contains(secret));
    }
    // Without its audit row the change does not happen either.
    TestDatabase fresh(engine);
    Fixture f(fresh.location());
    f.db.exec(u"drop table audit"_s);
    const QStringList untouched = everything(f);
    change(f, false);
    QVERIFY2(f.prompter.scriptDone(), qPrintable(f.prompter.pending()));
    QVERIFY(!f.db.inTransaction());
    QCOMPARE(everything(f), untouched);
}

QTEST_MAIN(TestAuditHooks)
#include "tst_audithooks.moc"
