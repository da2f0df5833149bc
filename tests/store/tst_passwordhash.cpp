#include "store/PasswordHash.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestPasswordHash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The stored text is a salted argon2id hash, never the password itself.
    void hashIsSaltedArgon2id()
    {
        const QString first = PasswordHash::hash(u"Secret1"_s);
        QVERIFY(first.startsWith(u"$argon2id$"_s));
        QVERIFY(!first.contains(u"Secret1"_s));
        QVERIFY(first != PasswordHash::hash(u"Secret1"_s));
    }

    void matches_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("expected");

        const QString hashed = PasswordHash::hash(u"Secret1"_s);
        QTest::newRow("right password") << hashed << u"Secret1"_s << true;
        QTest::newRow("case matters") << hashed << u"SECRET1"_s << false;
        QTest::newRow("empty typed") << hashed << QString() << false;
        QTest::newRow("non-ASCII")
            << PasswordHash::hash(u"Zeitstempel\u00e4"_s) << u"Zeitstempel\u00e4"_s << true;
        QTest::newRow("plain text from an older database") << u"OLDPASS"_s << u"OLDPASS"_s << true;
        QTest::newRow("plain text, wrong") << u"OLDPASS"_s << u"oldpass"_s << false;
        QTest::newRow("empty stored never matches") << QString() << QString() << false;
    }

    void matches()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, expected);
        QCOMPARE(PasswordHash::matches(stored, typed), expected);
    }
};

QTEST_GUILESS_MAIN(TestPasswordHash)
#include "tst_passwordhash.moc"
