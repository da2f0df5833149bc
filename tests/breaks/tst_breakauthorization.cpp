#include "FixedClock.h"
#include "QuietWarnings.h"
#include "RecordingMessenger.h"
#include "ScriptedPrompter.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "breaks/core/BreakAuthorization.h"
#include "breaks/core/BreakRequest.h"
#include "breaks/core/ManualBreakAuthorization.h"
#include "breaks/core/RemoteBreakGrant.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Hashing takes a while; one hash serves every case.
const QString &hashedPassword()
{
    static const QString hashed = PasswordHash::hash(u"s3cret"_s);
    return hashed;
}

const QString annCard = u"0042"_s;
const QString bobCard = u"0077"_s;
const QDate today(2026, 3, 14);
const QString question = u"Proceed with break authorization?"_s;

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

// Stored grants as "authorized card day", given as "card day" (day "-" for the idle row).
void storeGrants(Database &db, const QStringList &grants)
{
    for (const QString &grant : grants) {
        const QStringList parts = grant.split(u' ');
        db.exec(u"insert into \"authorization\" (authorized,cardnumber,dt) values ('1',?,?)"_s,
                {parts[0], parts[1]});
    }
}

// Every row of the table as "authorized card day", sorted.
QStringList stored(Database &db)
{
    return sorted(rowsOf(db, {u"authorized"_s, u"cardnumber"_s, u"dt"_s}, u"\"authorization\""_s));
}

} // namespace

class TestBreakAuthorization : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A grant for another card, a withdrawn one or one left over from an earlier day
    // unlocks the waiting dialog; a grant for another card hides this one's.
    void poll_data();
    void poll();
    // A wrong account accepted, a message with the wrong words, a hashed or old plain
    // password refused, or the grant written for whoever swiped last instead of the
    // dialog's own employee.
    void manual_data();
    void manual();
    // A manual grant at station A unlocks the employee waiting at station B, or the
    // dialog stays locked because a stored grant was replaced meanwhile.
    void manualGrantsOnlyItsOwnDialog_data() { TestDatabase::addEngineRows(); }
    void manualGrantsOnlyItsOwnDialog();
    // Closing a dialog takes back another employee's grant, or leaves its own.
    void close_data();
    void close();
    // The remote grant writes without asking, on No, or for nobody; a second grant
    // replaces the first; granting one card twice leaves two rows.
    void remoteGrant_data() { TestDatabase::addEngineRows(); }
    void remoteGrant();
    // An empty employee table shown as an empty list without a word.
    void remoteGrantWithoutEmployees();
    // The request names someone else than the dialog's employee, goes to the wrong
    // place, or differs from the words the supervisor's station expects.
    void request();
};

void TestBreakAuthorization::poll_data()
{
    QTest::addColumn<QStringList>("grants");
    QTest::addColumn<bool>("granted");
    QTest::newRow("granted today") << QStringList{u"0042 03/14/26"_s} << true;
    QTest::newRow("other card") << QStringList{u"0043 03/14/26"_s} << false;
    QTest::newRow("nothing granted") << QStringList() << false;
    QTest::newRow("left over from yesterday") << QStringList{u"0042 03/13/26"_s} << false;
    QTest::newRow("left over from last year") << QStringList{u"0042 03/14/25"_s} << false;
    QTest::newRow("Bob granted after Ann")
        << QStringList{u"0042 03/14/26"_s, u"0077 03/14/26"_s} << true;
}

void TestBreakAuthorization::poll()
{
    QFETCH(QStringList, grants);
    QFETCH(bool, granted);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    FixedClock clock(QDateTime(today, QTime(10, 0)));
    BreakAuthorization authorization(db, prompter, clock, annCard);

    QVERIFY(!authorization.poll());
    storeGrants(db, grants);
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
    storeGrants(db, {u"0099 03/14/26"_s});
    ScriptedPrompter prompter;
    FixedClock clock(QDateTime(today, QTime(10, 0)));
    prompter.expectMessage(caption, message, granted ? PromptIcon::Information : PromptIcon::Error);

    QCOMPARE(ManualBreakAuthorization(db, prompter, clock, annCard).authorize(userName, password),
             granted);
    // Ann's dialog is open, although Bob swiped last somewhere; the other grant stays.
    QStringList expected = {u"- - -"_s, u"1 0099 03/14/26"_s};
    if (granted)
        expected << u"1 0042 03/14/26"_s;
    expected.sort();
    QCOMPARE(stored(db), expected);
}

void TestBreakAuthorization::manualGrantsOnlyItsOwnDialog()
{
    CHRONEL_FETCH_ENGINE(target);
    Database stationA(target.location());
    addStaff(stationA);
    Database stationB(target.location());
    ScriptedPrompter prompter;
    FixedClock clock(QDateTime(today, QTime(10, 0)));
    BreakAuthorization annAtA(stationA, prompter, clock, annCard);
    BreakAuthorization bobAtB(stationB, prompter, clock, bobCard);
    QVERIFY(!annAtA.poll());
    QVERIFY(!bobAtB.poll());

    prompter.expectMessage(u"Success"_s, u"Authorization Successful"_s, PromptIcon::Information);
    QVERIFY(ManualBreakAuthorization(stationA, prompter, clock, annCard)
                .authorize(u"Sue"_s, u"s3cret"_s));
    annAtA.grantedAtStation();
    // Even with the stored grant gone, the station that authorised goes on.
    stationB.exec(u"delete from \"authorization\""_s);
    QVERIFY(annAtA.poll());
    QVERIFY(!bobAtB.poll());
    QCOMPARE(bobAtB.status(), BreakAuthorization::Status::Waiting);
}

void TestBreakAuthorization::close_data()
{
    QTest::addColumn<QStringList>("grants");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("own grant") << QStringList{u"0042 03/14/26"_s} << QStringList{u"- - -"_s};
    QTest::newRow("another employee's grant") << QStringList{u"0042 03/14/26"_s, u"0099 03/14/26"_s}
                                              << QStringList{u"- - -"_s, u"1 0099 03/14/26"_s};
    QTest::newRow("nothing granted") << QStringList() << QStringList{u"- - -"_s};
}

void TestBreakAuthorization::close()
{
    QFETCH(QStringList, grants);
    QFETCH(QStringList, after);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    addStaff(db);
    storeGrants(db, grants);
    ScriptedPrompter prompter;
    FixedClock clock(QDateTime(today, QTime(10, 0)));
    BreakAuthorization authorization(db, prompter, clock, annCard);

    authorization.close();
    QCOMPARE(authorization.status(), BreakAuthorization::Status::Closed);
    QCOMPARE(stored(db), after);
}

void TestBreakAuthorization::remoteGrant()
{
    CHRONEL_FETCH_ENGINE(target);
    Database db(target.location());
    addStaff(db);
    ScriptedPrompter prompter;
    FixedClock clock(QDateTime(today, QTime(10, 0)));
    RemoteBreakGrant::Choice choice;
    RemoteBreakGrant remote(db, prompter, clock, choice);
    QCOMPARE(remote.employeeNames(), (QStringList{u"Ann"_s, u"Bob O'Neil"_s}));

    // Nobody chosen yet: the supervisor is told, nothing is written.
    prompter.expectMessage(u"Error!"_s, u"Please select an employee before continuing"_s,
                           PromptIcon::Error);
    QVERIFY(!remote.grant());
    QCOMPARE(stored(db), QStringList{u"- - -"_s});

    QVERIFY(remote.choose(u"Bob O'Neil"_s));
    QCOMPARE(remote.choice().card, bobCard);
    prompter.expectQuestion(u"Confirm"_s, question, false);
    QVERIFY(!remote.grant());
    QCOMPARE(stored(db), QStringList{u"- - -"_s});
    prompter.expectQuestion(u"Confirm"_s, question, true);
    QVERIFY(remote.grant());

    // A later opening grants Ann seconds after Bob: both stay granted.
    RemoteBreakGrant later(db, prompter, clock, choice);
    QVERIFY(later.choose(u"Ann"_s));
    prompter.expectQuestion(u"Confirm"_s, question, true);
    QVERIFY(later.grant());
    QCOMPARE(choice.name, u"Ann"_s);
    const QStringList both = {u"- - -"_s, u"1 0042 03/14/26"_s, u"1 0077 03/14/26"_s};
    QCOMPARE(stored(db), both);

    // Ann granted again the next day: still one row for her, with the new day.
    clock.set(QDateTime(today.addDays(1), QTime(9, 0)));
    prompter.expectQuestion(u"Confirm"_s, question, true);
    QVERIFY(later.grant());
    QCOMPARE(stored(db), (QStringList{u"- - -"_s, u"1 0042 03/15/26"_s, u"1 0077 03/14/26"_s}));

    // The automatic log-out's withdrawal leaves none over for another day.
    BreakGrant::withdrawAll(db);
    QCOMPARE(stored(db), QStringList{u"- - -"_s});
}

void TestBreakAuthorization::remoteGrantWithoutEmployees()
{
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    ScriptedPrompter prompter;
    FixedClock clock;
    prompter.expectMessage(u"Error!"_s, u"Fatal error - no employees found!"_s, PromptIcon::Error);
    RemoteBreakGrant::Choice choice;

    QVERIFY(RemoteBreakGrant(db, prompter, clock, choice).employeeNames().isEmpty());
}

void TestBreakAuthorization::request()
{
    ScriptedPrompter prompter;
    RecordingMessenger messenger;
    BreakRequest request(prompter, messenger, u"boss-pc"_s);

    const QString text = u"Employee ->Ann Login number -> 0042 requests a break authorization"_s;
    QCOMPARE(BreakRequest::text(u"Ann"_s, annCard), text);
    for (int round = 1; round <= 2; ++round) {
        prompter.expectMessage(u"Success"_s, u"Authorization request sent!"_s,
                               PromptIcon::Information);
        request.send(u"Ann"_s, annCard);
    }
    const QPair<QString, QString> sent{u"boss-pc"_s, text};
    QCOMPARE(messenger.sent, (QList<QPair<QString, QString>>{sent, sent}));
}

QTEST_MAIN(TestBreakAuthorization)
#include "tst_breakauthorization.moc"
