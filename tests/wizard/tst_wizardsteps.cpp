#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"
#include "wizard/core/WizardDatabase.h"
#include "wizard/core/WizardRun.h"
#include "wizard/core/WizardSteps.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWizardSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // Every company field is required; nothing is written otherwise.
    void companyRefusals_data();
    void companyRefusals();
    // Empty fields and mismatched passwords are refused; nothing is written.
    void supervisorRefusals_data();
    void supervisorRefusals();
    // A full run records the company, one hashed supervisor and the set-up flag.
    void fullRun_data() { TestDatabase::addEngineRows(); }
    void fullRun();
    // Going back and pressing Next again adds a second account instead of replacing the
    // first, or keeps the old company; a later run does not add its own account.
    void repeatedStepsReplace();
    // The wizard works on the database the station resolves and makes it when missing.
    void createsStationDatabase();
    void networkLocationIsUsed();
    void isSetUpFollowsTheFlag();
    // A wizard closed before "Finish" left the database it made half-made behind, or
    // removed one it found.
    void unfinishedRunLeavesNoDatabase_data();
    void unfinishedRunLeavesNoDatabase();
    // A shared folder out of reach was made on the local disk, with a database in it.
    void missingShareIsNotMade();
};

void TestWizardSteps::companyRefusals_data()
{
    QTest::addColumn<int>("emptyField");
    for (int field = 0; field < 5; ++field)
        QTest::addRow("field %d empty", field) << field;
}

void TestWizardSteps::companyRefusals()
{
    QFETCH(int, emptyField);
    TestHome home;
    auto db = WizardDatabase::open();
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error"_s, u"Please check values"_s, PromptIcon::Error);

    QStringList values = {u"Acme"_s, u"555"_s, u"1 Road"_s, u"Town"_s, u"County"_s};
    values[emptyField].clear();
    WizardSteps steps(*db, prompter);
    QVERIFY(!steps.saveCompany({values[0], values[1], values[2], values[3], values[4]}));
    QVERIFY(prompter.scriptDone());
    QCOMPARE(db->first(u"select cname from company"_s)[u"cname"_s], QString());
}

void TestWizardSteps::supervisorRefusals_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("message");

    const QString check = u"Please check values!"_s;
    const QString match = u"Please check your passwords match"_s;
    QTest::newRow("no user") << QString() << u"pw"_s << u"pw"_s << check;
    QTest::newRow("no password") << u"boss"_s << QString() << u"pw"_s << check;
    QTest::newRow("no confirmation") << u"boss"_s << u"pw"_s << QString() << check;
    QTest::newRow("different") << u"boss"_s << u"pw1"_s << u"pw2"_s << match;
    QTest::newRow("case differs") << u"boss"_s << u"Pw"_s << u"pw"_s << match;
}

void TestWizardSteps::supervisorRefusals()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, confirmation);
    QFETCH(QString, message);
    TestHome home;
    auto db = WizardDatabase::open();
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error!"_s, message, PromptIcon::Error);

    WizardSteps steps(*db, prompter);
    QVERIFY(!steps.addSupervisor(user, password, confirmation));
    QVERIFY(prompter.scriptDone());
    QVERIFY(db->select(u"select username from users"_s).isEmpty());
}

void TestWizardSteps::fullRun()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, u"Settings saved.You can now run Chronel"_s,
                           PromptIcon::Information);

    WizardSteps steps(db, prompter);
    QVERIFY(steps.saveCompany(
        {u"O'Brien & Sons"_s, u"01 234"_s, u"1 Quay"_s, u"Cork"_s, u"Ireland"_s}));
    QVERIFY(steps.addSupervisor(u"BOSS"_s, u"MixedCase1"_s, u"MixedCase1"_s));
    QList<int> progress;
    QVERIFY(steps.finish([&](int value) { progress << value; }));
    QCOMPARE(progress, (QList<int>{25, 50, 75, 100}));
    QVERIFY(prompter.scriptDone());

    const SqlRow company = db.first(u"select cname,tnum,a1,a2,a3 from company"_s);
    QCOMPARE(company[u"cname"_s], u"O'Brien & Sons"_s);
    QCOMPARE(company[u"a3"_s], u"Ireland"_s);
    const QList<SqlRow> users = db.select(u"select username,password from users"_s);
    QCOMPARE(users.size(), 1);
    QCOMPARE(users.first()[u"username"_s], u"BOSS"_s);
    QVERIFY(PasswordHash::isHash(users.first()[u"password"_s]));
    QVERIFY(PasswordHash::matches(users.first()[u"password"_s], u"MixedCase1"_s));
    QVERIFY(!PasswordHash::matches(users.first()[u"password"_s], u"MIXEDCASE1"_s));
    QCOMPARE(db.first(u"select first from run"_s)[u"first"_s], u"0"_s);
}

void TestWizardSteps::repeatedStepsReplace()
{
    TestHome home;
    auto db = WizardDatabase::open();
    ScriptedPrompter prompter;
    const auto accounts = [&] {
        QStringList found;
        for (const SqlRow &row : db->select(u"select username,password from users"_s))
            found << row[u"username"_s] + u' ' +
                         (PasswordHash::matches(row[u"password"_s], u"pw2"_s) ? u"pw2"_s : u"?"_s);
        found.sort();
        return found;
    };
    WizardSteps steps(*db, prompter);
    QVERIFY(steps.saveCompany({u"First"_s, u"1"_s, u"a"_s, u"b"_s, u"c"_s}));
    QVERIFY(steps.addSupervisor(u"ONE"_s, u"pw1"_s, u"pw1"_s));
    QVERIFY(steps.saveCompany({u"Second"_s, u"2"_s, u"d"_s, u"e"_s, u"f"_s}));
    QVERIFY(steps.addSupervisor(u"TWO"_s, u"pw2"_s, u"pw2"_s));
    // Back to the supervisor page only: the same name again.
    QVERIFY(steps.addSupervisor(u"TWO"_s, u"pw2"_s, u"pw2"_s));

    QCOMPARE(accounts(), QStringList{u"TWO pw2"_s});
    const QList<SqlRow> companies = db->select(u"select cname from company"_s);
    QCOMPARE(companies.size(), 1);
    QCOMPARE(companies.first()[u"cname"_s], u"Second"_s);

    WizardSteps nextRun(*db, prompter);
    QVERIFY(nextRun.addSupervisor(u"TWO"_s, u"pw2"_s, u"pw2"_s));
    QCOMPARE(accounts(), (QStringList{u"TWO pw2"_s, u"TWO pw2"_s}));
    QVERIFY(prompter.seen().isEmpty());
}

void TestWizardSteps::createsStationDatabase()
{
    TestHome home;
    auto db = WizardDatabase::open();
    QVERIFY(QFile::exists(home.file(u"main.db"_s)));
    // Only its owner reads it, as the location file.
    QCOMPARE(QFile::permissions(home.file(u"main.db"_s)) &
                 (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
             QFile::Permissions());
    QVERIFY(Schema::isPresent(*db));
    QCOMPARE(db->first(u"select first from run"_s)[u"first"_s], u"1"_s);
}

void TestWizardSteps::networkLocationIsUsed()
{
    TestHome home;
    QTemporaryDir share;
    home.write(u"path.ini"_s, share.path().toUtf8());
    auto db = WizardDatabase::open();
    QCOMPARE(db->location(), share.filePath(u"main.db"_s));
    QVERIFY(QFile::exists(share.filePath(u"main.db"_s)));
    QVERIFY(!QFile::exists(home.file(u"main.db"_s)));
}

void TestWizardSteps::isSetUpFollowsTheFlag()
{
    TestHome home;
    QVERIFY(!WizardDatabase::isSetUp());
    QVERIFY(!QFile::exists(home.file(u"main.db"_s)));
    auto db = WizardDatabase::open();
    QVERIFY(!WizardDatabase::isSetUp());
    db->exec(u"update run set first = '0'"_s);
    QVERIFY(WizardDatabase::isSetUp());
}

void TestWizardSteps::unfinishedRunLeavesNoDatabase_data()
{
    QTest::addColumn<bool>("existedBefore");
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("kept");
    QTest::newRow("made, closed early") << false << false << false;
    QTest::newRow("made, finished") << false << true << true;
    QTest::newRow("found, closed early") << true << false << true;
}

void TestWizardSteps::unfinishedRunLeavesNoDatabase()
{
    QFETCH(bool, existedBefore);
    QFETCH(bool, finished);
    QFETCH(bool, kept);
    TestHome home;
    const QString file = home.file(u"main.db"_s);
    if (existedBefore)
        WizardDatabase::open();
    {
        WizardRun run;
        QVERIFY(Schema::isPresent(run.database()));
        run.database().exec(u"update company set cname = 'Half'"_s);
        if (finished)
            run.finish();
    }
    QCOMPARE(QFile::exists(file), kept);
    QVERIFY(!QFile::exists(file + u"-journal"_s));
}

void TestWizardSteps::missingShareIsNotMade()
{
    TestHome home;
    const QString share = home.file(u"share"_s);
    home.write(u"path.ini"_s, share.toUtf8());
    try {
        WizardRun run;
        QFAIL("the wizard should not have found a database");
    } catch (const DatabaseError &error) {
        QVERIFY2(error.unreachable(), qPrintable(error.text()));
    }
    QVERIFY(!QFile::exists(share));
}

QTEST_GUILESS_MAIN(TestWizardSteps)
#include "tst_wizardsteps.moc"
