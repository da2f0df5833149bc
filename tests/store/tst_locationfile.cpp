#include "DatabaseError.h"
#include "LocationFile.h"
#include "QuietWarnings.h"
#include "TestHome.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestLocationFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The database path and mode come out of the location file and its marker
    // exactly as the stations have always read them.
    void resolve_data();
    void resolve();
    // The first start writes the local default and the marker.
    void firstStartWritesDefault();
    void unwritableHomeIsReported();
};

void TestLocationFile::resolve_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("expectedPath"); // "<home>" stands for the home folder
    QTest::addColumn<bool>("expectedLocal");

    QTest::newRow("one-byte file") << QByteArray("x") << true << u"x"_s << true;
    QTest::newRow("empty file without marker") << QByteArray() << false << u"/main.db"_s << false;
    QTest::newRow("file path with marker")
        << QByteArray("/data/clock/main.db") << true << u"/data/clock/main.db"_s << true;
    QTest::newRow("folder without marker")
        << QByteArray("/srv/share/clock") << false << u"/srv/share/clock/main.db"_s << false;
    QTest::newRow("trailing line end")
        << QByteArray("/srv/share/clock\n") << false << u"/srv/share/clock/main.db"_s << false;
    QTest::newRow("trailing CR LF with marker")
        << QByteArray("/data/main.db\r\n") << true << u"/data/main.db"_s << true;
    QTest::newRow("server without marker")
        << QByteArray("postgresql://clock@db.local/chronel") << false
        << u"postgresql://clock@db.local/chronel"_s << false;
    QTest::newRow("non-ASCII folder")
        << QByteArray("/srv/zeit\xc3\xa4") << false << u"/srv/zeit\u00e4/main.db"_s << false;
}

void TestLocationFile::resolve()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, marker);
    QFETCH(QString, expectedPath);
    QFETCH(bool, expectedLocal);

    TestHome home;
    home.write(LocationFile::fileName, content);
    if (marker)
        home.write(LocationFile::markerName, {});

    const DatabaseLocation location = LocationFile(home.path()).resolve();
    QCOMPARE(location.path, expectedPath);
    QCOMPARE(location.localMode, expectedLocal);
    // Reading never rewrites what a supervisor put there.
    QCOMPARE(home.read(LocationFile::fileName), content);
}

void TestLocationFile::firstStartWritesDefault()
{
    TestHome home;
    const DatabaseLocation location = LocationFile(home.path()).resolve();
    QCOMPARE(location.path, home.file(u"main.db"_s));
    QVERIFY(location.localMode);
    QCOMPARE(home.read(u"path.ini"_s), home.file(u"main.db"_s).toUtf8());
    QVERIFY(QFile::exists(home.file(u"z89ty.kly"_s)));
    QVERIFY(!QFile::exists(home.file(u"main.db"_s)));
}

void TestLocationFile::unwritableHomeIsReported()
{
    TestHome home;
    const QString missingFolder = home.file(u"gone/away"_s);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, LocationFile(missingFolder).resolve());
}

QTEST_GUILESS_MAIN(TestLocationFile)
#include "tst_locationfile.moc"
