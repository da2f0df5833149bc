#include "QuietWarnings.h"
#include "TestDatabase.h"
#include "store/Database.h"
#include "store/PasswordHash.h"
#include "store/Schema.h"
#include "store/SupervisorAccounts.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestSupervisorAccounts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { m_hash = PasswordHash::hash(u"s3cret"_s); }
    void init() { failOnUnexpectedWarnings(); }

    // Only the first account of a name looked at, another name's account accepted, or
    // the typed text given back instead of what is stored (an old account's re-hash
    // finds its row by it).
    void matchingPassword_data();
    void matchingPassword();

private:
    QString m_hash;
};

void TestSupervisorAccounts::matchingPassword_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected"); // null: no account matches

    QTest::newRow("hashed account") << u"Sue"_s << u"s3cret"_s << m_hash;
    QTest::newRow("second account of the name") << u"Sue"_s << u"other"_s << u"other"_s;
    QTest::newRow("old plain account") << u"Old"_s << u"plain"_s << u"plain"_s;
    QTest::newRow("wrong password") << u"Sue"_s << u"S3cret"_s << QString();
    QTest::newRow("another name's password") << u"Old"_s << u"s3cret"_s << QString();
    QTest::newRow("unknown name") << u"Nobody"_s << u"plain"_s << QString();
}

void TestSupervisorAccounts::matchingPassword()
{
    QFETCH(QString, userName);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TestDatabase target(u"sqlite"_s);
    Database db(target.location());
    Schema::create(db);
    db.exec(u"insert into users (username,password) values ('Sue',?)"_s, {m_hash});
    db.exec(u"insert into users (username,password) values ('Sue','other')"_s);
    db.exec(u"insert into users (username,password) values ('Old','plain')"_s);

    const std::optional<QString> stored = SupervisorAccounts::matchingPassword(db, userName, typed);
    QCOMPARE(stored, expected.isNull() ? std::nullopt : std::optional<QString>(expected));
}

QTEST_GUILESS_MAIN(TestSupervisorAccounts)
#include "tst_supervisoraccounts.moc"
