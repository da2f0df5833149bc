#include "FixedClock.h"
#include "QuietWarnings.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "station/core/AccessGate.h"
#include "station/core/SupervisorLogin.h"
#include "station/core/SupervisorSession.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString denied = u"Sorry you do not have access to this function"_s;
const QString breaksOff =
    u"Breaks are currently disabled.They can be enabled via the program options menu"_s;

// The log-in as the old shared flag showed it: "1" logged in, "0" not.
QString flag(const SupervisorSession &session)
{
    return session.loggedIn() ? u"1"_s : u"0"_s;
}

} // namespace

class TestSupervisorAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The right account opens this station's menus; a wrong one is recorded without
    // the typed password, and without a user name that is no account's (often a
    // password typed in the wrong field).
    void logIn_data();
    void logIn();
    // Accounts from before hashing still work once and are hashed at once.
    void plainTextAccountIsHashedOnUse();
    void logOut_data();
    void logOut();
    // The break switch is tested before the log-in; an open command never asks.
    void gate_data();
    void gate();
    // A log-in opens the menus of its own station only; logging out or starting
    // another station on the same database closes nobody else's.
    void logInStaysAtItsStation_data() { TestDatabase::addEngineRows(); }
    void logInStaysAtItsStation();
    // A log-in left unused ends after the idle time, never while in use, never with 0.
    void idleLogInEnds_data();
    void idleLogInEnds();
};

void TestSupervisorAccess::logIn_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("flagAfter");
    QTest::addColumn<QString>("errorReason"); // empty: no error log row

    const int in = int(SupervisorLogin::Result::LoggedIn);
    const int refused = int(SupervisorLogin::Result::Refused);
    const QString invalid = u"Invalid username or password!"_s;
    const QString check = u"Please check your username and password are correct"_s;
    for (const QString &engine : {u"sqlite"_s, u"postgresql"_s}) {
        const QByteArray e = engine.toLatin1();
        QTest::addRow("%s: right account", e.constData())
            << engine << u"O'Hara"_s << u"Se'cret"_s << u"Success"_s << u"Log-in Successful!"_s
            << in << u"1"_s << QString();
        QTest::addRow("%s: wrong password", e.constData())
            << engine << u"O'Hara"_s << u"secret"_s << u"Error!"_s << invalid << refused << u"0"_s
            << u"Invalid login ->username: O'Hara"_s;
        QTest::addRow("%s: unknown user", e.constData())
            << engine << u"nobody"_s << u"Se'cret"_s << u"Error!"_s << invalid << refused << u"0"_s
            << u"Invalid login ->username: (unknown user)"_s;
        QTest::addRow("%s: password typed as the user name", e.constData())
            << engine << u"Se'cret"_s << u"Se'cret"_s << u"Error!"_s << invalid << refused << u"0"_s
            << u"Invalid login ->username: (unknown user)"_s;
        // The driver would refuse a NUL: no account can have it, so it is no account's.
        QTest::addRow("%s: control character in the user name", e.constData())
            << engine << u"O'Hara\0"_s << u"Se'cret"_s << u"Error!"_s << invalid << refused
            << u"0"_s << u"Invalid login ->username: (unknown user)"_s;
    }
    QTest::newRow("empty user") << u"sqlite"_s << QString() << u"x"_s << u"Authentication Failed!"_s
                                << check << refused << u"0"_s << QString();
    QTest::newRow("empty password")
        << u"sqlite"_s << u"O'Hara"_s << QString() << u"Authentication Failed!"_s << check
        << refused << u"0"_s << QString();
}

void TestSupervisorAccess::logIn()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(int, result);
    QFETCH(QString, flagAfter);
    QFETCH(QString, errorReason);
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into users (username,password) values (?,?)"_s,
            {u"O'Hara"_s, PasswordHash::hash(u"Se'cret"_s)});
    ScriptedPrompter prompter;
    prompter.expectMessage(caption, message,
                           result == int(SupervisorLogin::Result::LoggedIn)
                               ? PromptIcon::Information
                               : PromptIcon::Error);
    FixedClock clock;
    SupervisorSession session;

    SupervisorLogin login(db, prompter, clock, session);
    QCOMPARE(int(login.logIn(user, password)), result);
    QCOMPARE(flag(session), flagAfter);
    // Other stations' menus stay closed.
    QCOMPARE(db.first(u"select tmp from tmp"_s)[u"tmp"_s], u"0"_s);

    const QList<SqlRow> errors = db.select(u"select tm,dt,reason,sent from errorlog"_s);
    if (errorReason.isEmpty()) {
        QVERIFY(errors.isEmpty());
        return;
    }
    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors.first()[u"reason"_s], errorReason);
    QCOMPARE(errors.first()[u"sent"_s], u"YES"_s);
    QCOMPARE(errors.first()[u"tm"_s], u"08:05:09"_s);
    QCOMPARE(errors.first()[u"dt"_s], u"03/14/26"_s);
}

void TestSupervisorAccess::plainTextAccountIsHashedOnUse()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into users (username,password) values ('OLD','PLAIN')"_s);
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Success"_s, u"Log-in Successful!"_s, PromptIcon::Information);
    FixedClock clock;
    SupervisorSession session;

    SupervisorLogin login(db, prompter, clock, session);
    QCOMPARE(login.logIn(u"OLD"_s, u"PLAIN"_s), SupervisorLogin::Result::LoggedIn);
    const QString stored = db.first(u"select password from users"_s)[u"password"_s];
    QVERIFY(PasswordHash::isHash(stored));
    QVERIFY(PasswordHash::matches(stored, u"PLAIN"_s));
}

void TestSupervisorAccess::logOut_data()
{
    QTest::addColumn<QString>("flagBefore");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("flagAfter");
    QTest::newRow("yes") << u"1"_s << true << u"0"_s;
    QTest::newRow("no") << u"1"_s << false << u"1"_s;
    QTest::newRow("nobody logged in, yes") << u"0"_s << true << u"0"_s;
}

void TestSupervisorAccess::logOut()
{
    QFETCH(QString, flagBefore);
    QFETCH(bool, answer);
    QFETCH(QString, flagAfter);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    prompter.expectQuestion(u"Log-out"_s, u"Really log-out?"_s, answer);
    FixedClock clock;
    SupervisorSession session;
    if (flagBefore == u"1"_s)
        session.logIn(clock.now());

    SupervisorLogin(db, prompter, clock, session).logOut();
    QCOMPARE(flag(session), flagAfter);
}

void TestSupervisorAccess::gate_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<int>("access");
    QTest::addColumn<QString>("breaks");
    QTest::addColumn<bool>("allowed");
    QTest::addColumn<QString>("message"); // empty: no prompt

    const int gated = int(StationMenu::Access::Gated);
    const int breakCommand = int(StationMenu::Access::BreaksGated);
    const int open = int(StationMenu::Access::Open);
    QTest::newRow("logged out, gated") << u"0"_s << gated << u"1"_s << false << denied;
    QTest::newRow("logged in, gated") << u"1"_s << gated << u"0"_s << true << QString();
    QTest::newRow("logged out, open") << u"0"_s << open << u"0"_s << true << QString();
    QTest::newRow("breaks off, logged in")
        << u"1"_s << breakCommand << u"0"_s << false << breaksOff;
    QTest::newRow("breaks off, logged out")
        << u"0"_s << breakCommand << u"0"_s << false << breaksOff;
    QTest::newRow("breaks on, logged out") << u"0"_s << breakCommand << u"1"_s << false << denied;
    QTest::newRow("breaks on, logged in") << u"1"_s << breakCommand << u"1"_s << true << QString();
    QTest::newRow("breaks odd value passes")
        << u"1"_s << breakCommand << u"-"_s << true << QString();
}

void TestSupervisorAccess::gate()
{
    QFETCH(QString, flag);
    QFETCH(int, access);
    QFETCH(QString, breaks);
    QFETCH(bool, allowed);
    QFETCH(QString, message);
    StartupValues values;
    values.breaks = StationSettings::switchOf(breaks);
    SupervisorSession session;
    if (flag == u"1"_s)
        session.logIn(QDateTime::currentDateTime());
    ScriptedPrompter prompter;
    if (message == denied)
        prompter.expectMessage(u"Authorisation"_s, denied, PromptIcon::Exclamation);
    else if (!message.isEmpty())
        prompter.expectMessage(u"Disabled"_s, message, PromptIcon::Information);

    AccessGate gate(prompter, values, session);
    QCOMPARE(gate.allows(StationMenu::Access(access)), allowed);
}

void TestSupervisorAccess::logInStaysAtItsStation()
{
    CHRONEL_FETCH_ENGINE(target);
    Database stationA(target.location());
    Schema::create(stationA);
    stationA.exec(u"insert into users (username,password) values (?,?)"_s,
                  {u"BOSS"_s, PasswordHash::hash(u"pw"_s)});
    Database stationB(target.location());
    ScriptedPrompter prompter;
    FixedClock clock;
    StartupValues values;
    SupervisorSession sessionA;
    SupervisorSession sessionB;

    prompter.expectMessage(u"Success"_s, u"Log-in Successful!"_s, PromptIcon::Information);
    QCOMPARE(SupervisorLogin(stationA, prompter, clock, sessionA).logIn(u"BOSS"_s, u"pw"_s),
             SupervisorLogin::Result::LoggedIn);
    QVERIFY(AccessGate(prompter, values, sessionA).allows(StationMenu::Access::Gated));
    prompter.expectMessage(u"Authorisation"_s, denied, PromptIcon::Exclamation);
    QVERIFY(!AccessGate(prompter, values, sessionB).allows(StationMenu::Access::Gated));

    // Station B starts (which resets the old shared flag) and logs out: A stays open.
    stationB.exec(u"update tmp set tmp = 0"_s);
    prompter.expectQuestion(u"Log-out"_s, u"Really log-out?"_s, true);
    SupervisorLogin(stationB, prompter, clock, sessionB).logOut();
    QVERIFY(AccessGate(prompter, values, sessionA).allows(StationMenu::Access::Gated));
}

void TestSupervisorAccess::idleLogInEnds_data()
{
    QTest::addColumn<int>("idleMinutes");
    QTest::addColumn<int>("usedAfterSeconds"); // -1: not used after the log-in
    QTest::addColumn<int>("checkedAfterSeconds");
    QTest::addColumn<bool>("stillIn");
    QTest::newRow("just under the limit") << 10 << -1 << 599 << true;
    QTest::newRow("at the limit") << 10 << -1 << 600 << false;
    QTest::newRow("used meanwhile") << 10 << 300 << 899 << true;
    QTest::newRow("unused since the use") << 10 << 300 << 900 << false;
    QTest::newRow("no limit") << 0 << -1 << 86400 << true;
    QTest::newRow("clock set back") << 10 << -1 << -3600 << true;
}

void TestSupervisorAccess::idleLogInEnds()
{
    QFETCH(int, idleMinutes);
    QFETCH(int, usedAfterSeconds);
    QFETCH(int, checkedAfterSeconds);
    QFETCH(bool, stillIn);
    const QDateTime loggedInAt(QDate(2026, 3, 14), QTime(8, 0));
    SupervisorSession session(idleMinutes);
    session.logIn(loggedInAt);
    if (usedAfterSeconds >= 0)
        session.touch(loggedInAt.addSecs(usedAfterSeconds));

    QCOMPARE(session.endIfIdle(loggedInAt.addSecs(checkedAfterSeconds)), !stillIn);
    QCOMPARE(session.loggedIn(), stillIn);
}

QTEST_GUILESS_MAIN(TestSupervisorAccess)
#include "tst_supervisoraccess.moc"
