#include "BreakAuthorization.h"
#include "BreakRequest.h"
#include "Database.h"
#include "ManualBreakAuthorization.h"
#include "PasswordHash.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "RemoteBreakGrant.h"
#include "Schema.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Hashing takes a while; one hash serves every case.
const QString &hashedPassword()
{
    static const QString hashed = PasswordHash::hash(u"s3cret"_s);
    return hashed;
}

const QString card = u"0042"_s;

// Ann waits at this station; Bob entered his card last, at another one.
void addStaff(Database &db)
{
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','0042')"_s);
    db.exec(u"insert into employees (employee,cardnum) values (?,'0077')"_s, {u"Bob O'Neil"_s});
    db.exec(u"update eauth set ename = ?,cardnum = '0077'"_s, {u"Bob O'Neil"_s});
    db.exec(u"insert into users (username,password) values ('Sue',?)"_s, {hashedPassword()});
    // An account from before passwords were hashed.
    db.exec(u"insert into users (username,password) values ('Old','plain')"_s);
}

void store(Database &db, const QString &authorized, const QString &cardNumber)
{
    db.exec(u"update \"authorization\" set authorized = ?,cardnumber = ?"_s,
            {authorized, cardNumber});
}

// The grant rows as "authorized cardnumber".
QStringList stored(Database &db)
{
    QStringList rows;
    for (const SqlRow &row : db.select(u"select authorized,cardnumber from \"authorization\""_s))
        rows << row[u"authorized"_s] + u' ' + row[u"cardnumber"_s];
    return rows;
}

} // namespace

class TestBreakAuthorization : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A grant for another card, or a withdrawn one, unlocks the waiting station.
    void poll_data();
    void poll();
    // A wrong account accepted, a message with the wrong words, a hashed or old plain
    // password refused, or the grant written for the wrong card.
    void manual_data();
    void manual();
    // The station stays locked after a manual authorisation because the stored grant
    // was replaced meanwhile.
    void manualUnlocksOnNextPoll();
    // Closing one station's dialog wipes the grant another station is waiting for, or
    // leaves its own grant for the next opening.
    void close_data();
    void close();
    // The remote grant writes without asking, on No, or for nobody; a second grant does
    // not replace the first; a database without the grant row never unlocks.
    void remoteGrant_data() { TestDatabase::addEngineRows(); }
    void remoteGrant();
    // An empty employee table shown as an empty list without a word.
    void remoteGrantWithoutEmployees();
    // The request names the wrong employee, is sent to the wrong place, or differs from
    // the words the supervisor's station expects.
    void request();
};

void TestBreakAuthorization::poll_data()
{
    QTest::addColumn<QString>("authorized");
    QTest::addColumn<QString>("cardNumber");
    QTest::addColumn<bool>("granted");
    QTest::newRow("granted") << u"1"_s << card << true;
    QTest::newRow("other card") << u"1"_s << u"0043"_s << false;
    QTest::newRow("nothing granted") << u"-"_s << u"-"_s << false;
    QTest::newRow("withdrawn for this card") << u"-"_s << card << false;
}

void TestBreakAuthorization::poll()
{
    QFETCH(QString, authorized);
    QFETCH(QString, cardNumber);
    QFETCH(bool, granted);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    BreakAuthorization authorization(db, prompter, card);

    QVERIFY(!authorization.poll());
    store(db, authorized, cardNumber);
    QCOMPARE(authorization.poll(), granted);
    QCOMPARE(authorization.status(),
             granted ? BreakAuthorization::Status::Granted : BreakAuthorization::Status::Waiting);
}

void TestBreakAuthorization::manual_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("granted");

    const QString check = u"Please check your username or password"_s;
    const QString invalid = u"Username of password is invalid!"_s;
    QTest::newRow("no user name") << QString() << u"s3cret"_s << u"Error!"_s << check << false;
    QTest::newRow("no password") << u"Sue"_s << QString() << u"Error!"_s << check << false;
    QTest::newRow("password of another user")
        << u"Old"_s << u"s3cret"_s << u"Error"_s << invalid << false;
    QTest::newRow("wrong password") << u"Sue"_s << u"S3cret"_s << u"Error"_s << invalid << false;
    QTest::newRow("password with a trailing blank")
        << u"Old"_s << u"plain "_s << u"Error"_s << invalid << false;
    QTest::newRow("quote in name")
        << u"Sue' or '1'='1"_s << u"x' or '1'='1"_s << u"Error"_s << invalid << false;
    QTest::newRow("hashed account")
        << u"Sue"_s << u"s3cret"_s << u"Success"_s << u"Authorization Successful"_s << true;
    QTest::newRow("old plain account")
        << u"Old"_s << u"plain"_s << u"Success"_s << u"Authorization Successful"_s << true;
}

void TestBreakAuthorization::manual()
{
    QFETCH(QString, userName);
    QFETCH(QString, password);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(bool, granted);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    store(db, u"1"_s, u"0099"_s);
    ScriptedPrompter prompter;
    prompter.expectMessage(caption, message, granted ? PromptIcon::Information : PromptIcon::Error);

    const std::optional<QString> result =
        ManualBreakAuthorization(db, prompter).authorize(userName, password);
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    // The grant goes to whoever entered a card last, at any station.
    QCOMPARE(result, granted ? std::optional<QString>(u"0077"_s) : std::nullopt);
    QCOMPARE(stored(db), QStringList{granted ? u"1 0077"_s : u"1 0099"_s});
}

void TestBreakAuthorization::manualUnlocksOnNextPoll()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    BreakAuthorization authorization(db, prompter, card);
    QVERIFY(!authorization.poll());

    prompter.expectMessage(u"Success"_s, u"Authorization Successful"_s, PromptIcon::Information);
    const std::optional<QString> granted =
        ManualBreakAuthorization(db, prompter).authorize(u"Sue"_s, u"s3cret"_s);
    QVERIFY(granted);
    authorization.grantedAtStation(*granted);
    store(db, u"1"_s, u"0099"_s);
    QVERIFY(authorization.poll());
    QCOMPARE(authorization.status(), BreakAuthorization::Status::Granted);
}

void TestBreakAuthorization::close_data()
{
    QTest::addColumn<QString>("grantedFor");
    QTest::addColumn<bool>("grantedHere"); // by the manual authorisation of this dialog
    QTest::addColumn<QString>("after");
    QTest::newRow("own grant") << card << false << u"- -"_s;
    QTest::newRow("another station's grant") << u"0099"_s << false << u"1 0099"_s;
    QTest::newRow("grant made here for the last card") << u"0077"_s << true << u"- -"_s;
    QTest::newRow("nothing granted") << u"-"_s << false << u"- -"_s;
}

void TestBreakAuthorization::close()
{
    QFETCH(QString, grantedFor);
    QFETCH(bool, grantedHere);
    QFETCH(QString, after);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    store(db, grantedFor == u"-"_s ? u"-"_s : u"1"_s, grantedFor);
    ScriptedPrompter prompter;
    BreakAuthorization authorization(db, prompter, card);
    if (grantedHere)
        authorization.grantedAtStation(grantedFor);

    authorization.close();
    QCOMPARE(authorization.status(), BreakAuthorization::Status::Closed);
    QCOMPARE(stored(db), QStringList{after});
    QVERIFY(prompter.seen().isEmpty());
}

void TestBreakAuthorization::remoteGrant()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    RemoteBreakGrant::Choice choice;
    RemoteBreakGrant remote(db, prompter, choice);
    QCOMPARE(remote.employeeNames(), (QStringList{u"Ann"_s, u"Bob O'Neil"_s}));

    // Nobody chosen yet: nothing to ask about and nothing to write.
    QVERIFY(!remote.grant());
    QCOMPARE(stored(db), QStringList{u"- -"_s});

    const QString question = u"Proceed with break authorization?"_s;
    QVERIFY(remote.choose(u"Bob O'Neil"_s));
    QCOMPARE(remote.choice().card, u"0077"_s);
    prompter.expectQuestion(u"Confirm"_s, question, false);
    QVERIFY(!remote.grant());
    QCOMPARE(stored(db), QStringList{u"- -"_s});
    prompter.expectQuestion(u"Confirm"_s, question, true);
    QVERIFY(remote.grant());
    QCOMPARE(stored(db), QStringList{u"1 0077"_s});

    // A later opening grants the employee chosen before, and replaces the first grant.
    RemoteBreakGrant later(db, prompter, choice);
    QVERIFY(later.choose(u"Ann"_s));
    prompter.expectQuestion(u"Confirm"_s, question, true);
    QVERIFY(later.grant());
    QCOMPARE(stored(db), QStringList{u"1 0042"_s});
    QCOMPARE(choice.name, u"Ann"_s);

    // A database that lost its grant row gets it back with the grant.
    db.exec(u"delete from \"authorization\""_s);
    prompter.expectQuestion(u"Confirm"_s, question, true);
    QVERIFY(RemoteBreakGrant(db, prompter, choice).grant());
    QCOMPARE(stored(db), QStringList{u"1 0042"_s});
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestBreakAuthorization::remoteGrantWithoutEmployees()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    prompter.expectMessage(u"Error!"_s, u"Fatal error - no employees found!"_s, PromptIcon::Error);
    RemoteBreakGrant::Choice choice;

    QVERIFY(RemoteBreakGrant(db, prompter, choice).employeeNames().isEmpty());
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
}

void TestBreakAuthorization::request()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    RecordingMessenger messenger;
    BreakRequest request(db, prompter, messenger, u"boss-pc"_s);

    const QString text =
        u"Employee ->Bob O'Neil Login number -> 0077 requests a break authorization"_s;
    QCOMPARE(BreakRequest::text(u"Bob O'Neil"_s, u"0077"_s), text);
    for (int round = 1; round <= 2; ++round) {
        prompter.expectMessage(u"Success"_s, u"Authorization request sent!"_s,
                               PromptIcon::Information);
        QVERIFY(request.send());
    }
    QVERIFY2(prompter.scriptDone(), qPrintable(prompter.pending()));
    const QPair<QString, QString> sent{u"boss-pc"_s, text};
    QCOMPARE(messenger.sent, (QList<QPair<QString, QString>>{sent, sent}));

    // Without anyone to name nothing is sent.
    db.exec(u"delete from eauth"_s);
    prompter.expectError();
    QVERIFY(!request.send());
    QCOMPARE(messenger.sent.size(), 2);
}

QTEST_MAIN(TestBreakAuthorization)
#include "tst_breakauthorization.moc"
