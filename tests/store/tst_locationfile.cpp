#include "QuietWarnings.h"
#include "TestHome.h"
#include "store/DatabaseError.h"
#include "store/LocationFile.h"

#include <QDir>
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
    // An emptied location file beside the marker named no database: SQLite made a
    // throw-away one in memory and the wizard's work was lost.
    void emptyFileWithMarkerIsNotSetUp_data();
    void emptyFileWithMarkerIsNotSetUp();
    // Reading the location for a program that must not write (the updater) wrote the
    // default files, or made the home.
    void readWritesNothing();
    // The location file, which may hold a server's password, readable by others.
    void writtenFilesAreOwnerOnly();
    void unwritableHomeIsReported();
    // A mode written for the next start that the next start reads as another place.
    void writeThenResolve_data();
    void writeThenResolve();
    // A write that fails halfway leaving a marker beside a folder, or a folder without
    // its marker taken for a database file, instead of the files as they were.
    void failedWriteKeepsFiles_data();
    void failedWriteKeepsFiles();
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

void TestLocationFile::emptyFileWithMarkerIsNotSetUp_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("line end only") << QByteArray("\r\n");
    QTest::newRow("blanks") << QByteArray("  ");
}

void TestLocationFile::emptyFileWithMarkerIsNotSetUp()
{
    QFETCH(QByteArray, content);
    TestHome home;
    home.write(LocationFile::fileName, content);
    home.write(LocationFile::markerName, {});
    const LocationFile file(home.path());

    const DatabaseLocation read = file.read();
    QCOMPARE(read.path, home.file(u"main.db"_s));
    QVERIFY(read.localMode);
    QCOMPARE(home.read(LocationFile::fileName), content);

    const DatabaseLocation resolved = file.resolve();
    QCOMPARE(resolved.path, home.file(u"main.db"_s));
    QVERIFY(resolved.localMode);
    QCOMPARE(home.read(LocationFile::fileName), home.file(u"main.db"_s).toUtf8());
    QVERIFY(QFile::exists(file.markerPath()));
}

void TestLocationFile::readWritesNothing()
{
    TestHome home;
    const QString missingHome = home.file(u"not-yet"_s);
    for (const QString &folder : {home.path(), missingHome}) {
        const DatabaseLocation location = LocationFile(folder).read();
        QCOMPARE(location.path, folder + u"/main.db"_s);
        QVERIFY(location.localMode);
    }
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestLocationFile::writtenFilesAreOwnerOnly()
{
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions others = QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup |
                                      QFile::WriteOther | QFile::ExeOwner;
    TestHome home;
    const LocationFile file(home.path());
    file.resolve();
    QVERIFY(!(QFile::permissions(file.filePath()) & others));
    QVERIFY(!(QFile::permissions(file.markerPath()) & others));
    QVERIFY(QFile::permissions(file.filePath()) & ownerOnly);

    // A file an older version left open to all is replaced by one that is not.
    QVERIFY(
        QFile::setPermissions(file.filePath(), ownerOnly | QFile::ReadGroup | QFile::ReadOther));
    file.writeNetwork(u"postgresql://clock:s3cret@db/chronel"_s);
    QVERIFY(!(QFile::permissions(file.filePath()) & others));
    file.writeLocal();
    QVERIFY(!(QFile::permissions(file.markerPath()) & others));
}

void TestLocationFile::unwritableHomeIsReported()
{
    TestHome home;
    const QString missingFolder = home.file(u"gone/away"_s);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, LocationFile(missingFolder).resolve());
}

void TestLocationFile::writeThenResolve_data()
{
    QTest::addColumn<bool>("startLocal");
    QTest::addColumn<QString>("folder"); // empty: local mode is written
    QTest::addColumn<QString>("expectedPath");
    QTest::addColumn<bool>("expectedLocal");

    for (const bool startLocal : {true, false}) {
        const char *from = startLocal ? "from local" : "from network";
        QTest::addRow("local %s", from) << startLocal << QString() << u"<home>/main.db"_s << true;
        QTest::addRow("folder %s", from)
            << startLocal << u"/srv/clock"_s << u"/srv/clock/main.db"_s << false;
        QTest::addRow("server %s", from) << startLocal << u"postgresql://clock@db/chronel"_s
                                         << u"postgresql://clock@db/chronel"_s << false;
    }
}

void TestLocationFile::writeThenResolve()
{
    QFETCH(bool, startLocal);
    QFETCH(QString, folder);
    QFETCH(QString, expectedPath);
    QFETCH(bool, expectedLocal);
    TestHome home;
    const LocationFile file(home.path());
    if (startLocal)
        file.resolve();
    else
        home.write(LocationFile::fileName, "/srv/old");

    if (folder.isEmpty())
        file.writeLocal();
    else
        file.writeNetwork(folder);
    QCOMPARE(QFile::exists(file.markerPath()), folder.isEmpty());
    if (!folder.isEmpty())
        QCOMPARE(home.read(LocationFile::fileName), folder.toUtf8());

    const DatabaseLocation location = file.resolve();
    QCOMPARE(location.path, QString(expectedPath).replace(u"<home>"_s, home.path()));
    QCOMPARE(location.localMode, expectedLocal);
}

void TestLocationFile::failedWriteKeepsFiles_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no location file
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QString>("blocked"); // the file that is a folder and cannot go
    QTest::addColumn<bool>("local");      // writeLocal, else writeNetwork

    QTest::newRow("local, location file blocked")
        << QByteArray() << false << LocationFile::fileName << true;
    QTest::newRow("local, marker blocked")
        << QByteArray("/srv/old") << false << LocationFile::markerName << true;
    QTest::newRow("network, marker blocked")
        << QByteArray("/data/main.db") << true << LocationFile::markerName << false;
    QTest::newRow("network, marker blocked, no location file")
        << QByteArray() << true << LocationFile::markerName << false;
}

void TestLocationFile::failedWriteKeepsFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, marker);
    QFETCH(QString, blocked);
    QFETCH(bool, local);
    TestHome home;
    if (!content.isEmpty())
        home.write(LocationFile::fileName, content);
    if (marker && blocked != LocationFile::markerName)
        home.write(LocationFile::markerName, {});
    QVERIFY(QDir().mkpath(home.file(blocked + u"/keep"_s)));
    const LocationFile file(home.path());

    if (local)
        QVERIFY_THROWS_EXCEPTION(DatabaseError, file.writeLocal());
    else
        QVERIFY_THROWS_EXCEPTION(DatabaseError, file.writeNetwork(u"/srv/clock"_s));
    if (blocked != LocationFile::fileName) {
        QCOMPARE(QFile::exists(file.filePath()), !content.isEmpty());
        QCOMPARE(home.read(LocationFile::fileName), content);
    }
    if (blocked != LocationFile::markerName)
        QCOMPARE(QFile::exists(file.markerPath()), marker);
}

QTEST_GUILESS_MAIN(TestLocationFile)
#include "tst_locationfile.moc"
