#include "QuietWarnings.h"
#include "store/DatabaseLocation.h"
#include "store/LocationFile.h"
#include "store/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QFile::Permissions privateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QFile::Permissions privateFile = QFile::ReadOwner | QFile::WriteOwner;
const QFile::Permissions openToAll =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
const QStringList databaseFiles = {u"main.db"_s, u"main.db-journal"_s, u"main.db-wal"_s,
                                   u"main.db-shm"_s};

QFile::Permissions rights(const QString &path)
{
    const QFile::Permissions all = privateFolder | QFile::ReadGroup | QFile::WriteGroup |
                                   QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
                                   QFile::ExeOther;
    return QFile::permissions(path) & all;
}

void makeOpenFile(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.setPermissions(openToAll));
}

} // namespace

class TestPrivateFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // The location file or the local database (or a journal holding its pages) left
    // readable by others, a shared database made unreadable for the other stations'
    // users, or a file made where there was none.
    void tighten_data();
    void tighten();
    // A link in the home handing the change over to whatever it points to.
    void linksAreLeftAlone();
};

void TestPrivateFiles::tighten_data()
{
    QTest::addColumn<QString>("place"); // where the location names the database
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("tightened"); // that database's files
    QTest::newRow("local default") << u"home"_s << true << true;
    QTest::newRow("local elsewhere") << u"elsewhere"_s << true << true;
    QTest::newRow("shared folder") << u"elsewhere"_s << false << false;
    QTest::newRow("server") << u"server"_s << false << false;
}

void TestPrivateFiles::tighten()
{
    QFETCH(QString, place);
    QFETCH(bool, local);
    QFETCH(bool, tightened);
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    QVERIFY(QFile::setPermissions(home.path(), openToAll | QFile::ExeOwner));
    makeOpenFile(home.filePath(LocationFile::fileName));
    makeOpenFile(home.filePath(LocationFile::markerName));
    // The home's own database is tightened wherever the location points.
    for (const QString &file : databaseFiles.mid(0, 2))
        makeOpenFile(home.filePath(file));
    for (const QString &file : databaseFiles)
        makeOpenFile(elsewhere.filePath(file));
    const QString path = place == u"home"_s        ? home.filePath(u"main.db"_s)
                         : place == u"elsewhere"_s ? elsewhere.filePath(u"main.db"_s)
                                                   : u"postgresql://clock:s3cret@db/chronel"_s;

    PrivateFiles::tighten(home.path(), DatabaseLocation{path, local});

    QCOMPARE(rights(home.path()), privateFolder);
    QCOMPARE(rights(home.filePath(LocationFile::fileName)), privateFile);
    QCOMPARE(rights(home.filePath(LocationFile::markerName)), privateFile);
    for (const QString &file : databaseFiles.mid(0, 2))
        QCOMPARE(rights(home.filePath(file)), privateFile);
    const bool elsewhereTightened = tightened && place == u"elsewhere"_s;
    for (const QString &file : databaseFiles)
        QCOMPARE(rights(elsewhere.filePath(file)), elsewhereTightened ? privateFile : openToAll);
    // Nothing made: the home keeps its four files.
    QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 4);
}

void TestPrivateFiles::linksAreLeftAlone()
{
    QTemporaryDir home;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(u"shared.ini"_s);
    makeOpenFile(target);
    QVERIFY(QFile::link(target, home.filePath(LocationFile::fileName)));

    PrivateFiles::tighten(home.path(), DatabaseLocation{home.filePath(u"main.db"_s), true});
    QCOMPARE(rights(target), openToAll);
}

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "tst_privatefiles.moc"
