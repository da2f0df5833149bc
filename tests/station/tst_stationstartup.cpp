#include "Database.h"
#include "LocationFile.h"
#include "QuietWarnings.h"
#include "Schema.h"
#include "ScriptedPrompter.h"
#include "StationOptions.h"
#include "StationStartup.h"
#include "TestDatabase.h"
#include "TestHome.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString wizardCaption = u"Wizard"_s;
const QString wizardText = u"Please run the Chronel wizard before continuing"_s;

// A set-up database at `location` with the given first-run flag and a logged-in
// supervisor left over from an earlier run.
void makeDatabase(const QString &location, const QString &first)
{
    Database db(location);
    Schema::create(db);
    db.exec(u"update run set first = ?"_s, {first});
    db.exec(u"update tmp set tmp = '1'"_s);
    db.exec(u"update settings set ali = ?, alo = ?, ipadd = ?"_s,
            {u"07:00:00"_s, u"18:30:00"_s, u"manager.local"_s});
    db.exec(u"update con set active = '0'"_s);
    db.exec(u"update breaksettings set enablebreaks = '1', enableauth = '1', numof = '2', "
            "break1 = 'Tea', break2 = 'Lunch'"_s);
    db.exec(u"insert into options (name,value) values (?,?)"_s,
            {StationOptions::breakRequestSenders, u"10.0.0.5, boss-pc"_s});
}

QString flag(const QString &location)
{
    Database db(location);
    return db.first(u"select tmp from tmp"_s)[u"tmp"_s];
}

} // namespace

class TestStationStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A database the wizard has not finished is refused with exit code 3, after the
    // supervisor flag was reset.
    void notSetUpIsRefused();
    // Any first-run value but "1" lets the station start, with its start-up values read,
    // on either engine.
    void setUpDatabaseStarts_data();
    void setUpDatabaseStarts();
    // A missing database is never created by the station: the wizard makes it.
    void missingDatabaseAsksForWizard_data();
    void missingDatabaseAsksForWizard();
    // Any other database error is shown and the station does not run.
    void brokenDatabaseFails();
};

void TestStationStartup::notSetUpIsRefused()
{
    TestHome home;
    makeDatabase(home.file(u"main.db"_s), u"1"_s);
    ScriptedPrompter prompter;
    prompter.expectMessage(wizardCaption, wizardText, PromptIcon::Information);

    StationStartup startup(prompter);
    const auto outcome = startup.run();
    QCOMPARE(outcome, StationStartup::Outcome::NotSetUp);
    QCOMPARE(StationStartup::exitCode(outcome), 3);
    QVERIFY(prompter.scriptDone());
    QVERIFY(!startup.takeDatabase());
    QCOMPARE(flag(home.file(u"main.db"_s)), u"0"_s);
}

void TestStationStartup::setUpDatabaseStarts_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("first");
    QTest::newRow("sqlite, set up") << u"sqlite"_s << u"0"_s;
    QTest::newRow("sqlite, empty flag") << u"sqlite"_s << QString();
    QTest::newRow("postgresql, set up") << u"postgresql"_s << u"0"_s;
}

void TestStationStartup::setUpDatabaseStarts()
{
    QFETCH(QString, first);
    CHRONEL_FETCH_ENGINE(target);
    TestHome home;
    makeDatabase(target.location(), first);
    // The station finds a shared database through its location file.
    if (engine == u"sqlite"_s) {
        home.write(LocationFile::fileName, target.location().toUtf8());
        home.write(LocationFile::markerName, {});
    } else {
        home.write(LocationFile::fileName, target.location().toUtf8());
    }
    ScriptedPrompter prompter;

    StationStartup startup(prompter);
    QCOMPARE(startup.run(), StationStartup::Outcome::Ready);
    QCOMPARE(startup.location().path, target.location());
    QVERIFY(startup.takeDatabase());

    const StartupValues &values = startup.values();
    QCOMPARE(values.autoLogInTime, u"07:00:00"_s);
    QCOMPARE(values.autoLogOutTime, u"18:30:00"_s);
    QCOMPARE(values.managerAddress, u"manager.local"_s);
    QVERIFY(!values.confirmationOn());
    QVERIFY(values.breaksOn());
    QVERIFY(values.authorisationOn());
    QCOMPARE(values.numberOfBreaks, u"2"_s);
    QCOMPARE(values.breakNames, (QStringList{u"Tea"_s, u"Lunch"_s, u"-"_s}));
    QCOMPARE(values.breakRequestSenders, u"10.0.0.5, boss-pc"_s);
    QCOMPARE(flag(target.location()), u"0"_s);
}

void TestStationStartup::missingDatabaseAsksForWizard_data()
{
    QTest::addColumn<bool>("emptyFile");
    QTest::newRow("no file") << false;
    QTest::newRow("empty file without tables") << true;
}

void TestStationStartup::missingDatabaseAsksForWizard()
{
    QFETCH(bool, emptyFile);
    TestHome home;
    if (emptyFile)
        home.write(u"main.db"_s, {});
    ScriptedPrompter prompter;
    prompter.expectMessage(wizardCaption, wizardText, PromptIcon::Information);

    StationStartup startup(prompter);
    QCOMPARE(startup.run(), StationStartup::Outcome::NotSetUp);
    QVERIFY(prompter.scriptDone());
    QCOMPARE(QFile::exists(home.file(u"main.db"_s)), emptyFile);
    if (emptyFile)
        QCOMPARE(home.read(u"main.db"_s), QByteArray());
    // The location was still resolved and written for the wizard to use.
    QCOMPARE(home.read(LocationFile::fileName), home.file(u"main.db"_s).toUtf8());
}

void TestStationStartup::brokenDatabaseFails()
{
    TestHome home;
    makeDatabase(home.file(u"main.db"_s), u"0"_s);
    {
        Database db(home.file(u"main.db"_s));
        db.exec(u"drop table breaksettings"_s);
    }
    ScriptedPrompter prompter;
    prompter.expectError();

    StationStartup startup(prompter);
    const auto outcome = startup.run();
    QCOMPARE(outcome, StationStartup::Outcome::Failed);
    QVERIFY(StationStartup::exitCode(outcome) != 0);
    QVERIFY(prompter.seen().first().text.contains(u"breaksettings"_s));
    QVERIFY(!startup.takeDatabase());
}

QTEST_GUILESS_MAIN(TestStationStartup)
#include "tst_stationstartup.moc"
