#include "QuietWarnings.h"
#include "TableRows.h"
#include "TestDatabase.h"
#include "store/BackupFolder.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/PrivateFiles.h"
#include "store/Schema.h"
#include "store/Transaction.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QDate today(2026, 12, 10);

// A set-up database with Ann on file.
void makeDatabase(const QString &file)
{
    Database db(file);
    Schema::create(db);
    db.exec(u"insert into employees (employee,cardnum) values ('Ann','1')"_s);
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Read, write and execute rights of `path` for its owner, group and others.
QFile::Permissions rights(const QString &path)
{
    const QFile::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                   QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                   QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    return QFile::permissions(path) & all;
}

QList<QDate> days(const QList<BackupFolder::Copy> &copies)
{
    QList<QDate> found;
    for (const BackupFolder::Copy &copy : copies)
        found << copy.day;
    return found;
}

} // namespace

class TestBackupFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }

    // A copy made while another station holds a write open shows its uncommitted rows,
    // waits for it to end, or is not a sound database open to its owner only.
    void copyWhileAnotherWrites();
    // The wrong copies go when one is added: a newer one, more than the oldest, a copy of
    // another database or a file that is no copy.
    void keepsNewest_data();
    void keepsNewest();
    // A copy that fails leaves a part-written file, takes the place of the day's good
    // copy, or fails silently.
    void failedCopy_data();
    void failedCopy();
    // Restoring leaves the old database, loses it instead of keeping it aside, consumes
    // the copy or leaves the old journal beside the restored file.
    void restorePutsCopyInPlace();
    // A copy that is damaged, not a Chronel database or gone replaces the database anyway.
    void unsoundCopyIsRefused_data();
    void unsoundCopyIsRefused();
    // A failure noted is lost, mangled or reported twice.
    void failureNoteIsTakenOnce();
};

void TestBackupFolder::copyWhileAnotherWrites()
{
    TestDatabase target(u"sqlite"_s);
    makeDatabase(target.location());
    Database station(target.location());
    Database otherStation(target.location());
    Transaction writing(otherStation);
    otherStation.exec(u"insert into employees (employee,cardnum) values ('Bob','2')"_s);
    otherStation.exec(u"update employees set employee = 'Zed' where cardnum = '1'"_s);

    QElapsedTimer timer;
    timer.start();
    const QString copy = BackupFolder(target.location()).make(station, today);
    // Well inside the 15 s a statement waits for a locked file.
    QVERIFY(timer.elapsed() < 5000);
    writing.commit();

    QCOMPARE(employeeNames(copy), QStringList{u"Ann"_s});
    QCOMPARE(employeeNames(target.location()), (QStringList{u"Bob"_s, u"Zed"_s}));
    QCOMPARE(Database(copy).first(u"pragma integrity_check"_s).text(u"integrity_check"_s), u"ok"_s);
    QCOMPARE(QFileInfo(copy).fileName(), u"main-2026-12-10.db"_s);
    // The copy holds the password hashes too.
    QCOMPARE(rights(copy), PrivateFiles::fileMode);
    QCOMPARE(rights(QFileInfo(copy).absolutePath()), PrivateFiles::folderMode);
}

void TestBackupFolder::keepsNewest_data()
{
    QTest::addColumn<QList<int>>("existing"); // days after 12/20/25 with a copy
    QTest::addColumn<int>("made");
    QTest::addColumn<QList<int>>("kept"); // newest first

    QList<int> fourteen;
    for (int day = 0; day < 14; ++day)
        fourteen << day;
    QList<int> fourteenKept;
    for (int day = 14; day >= 1; --day)
        fourteenKept << day;
    QTest::newRow("15th drops the oldest, across the year") << fourteen << 14 << fourteenKept;
    QList<int> sameDay = fourteenKept;
    std::reverse(sameDay.begin(), sameDay.end());
    QTest::newRow("same day again drops none") << sameDay << 14 << fourteenKept;
    QTest::newRow("fewer than 14 all stay") << QList<int>{0, 3, 5} << 9 << QList<int>{9, 5, 3, 0};
    QTest::newRow("gaps: by date, the two oldest go")
        << QList<int>{0, 1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22} << 40
        << QList<int>{40, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10};
}

void TestBackupFolder::keepsNewest()
{
    QFETCH(QList<int>, existing);
    QFETCH(int, made);
    QFETCH(QList<int>, kept);
    const QDate first(2025, 12, 20);
    TestDatabase target(u"sqlite"_s);
    makeDatabase(target.location());
    const BackupFolder folder(target.location());
    QVERIFY(QDir().mkpath(folder.folder()));
    for (int day : std::as_const(existing))
        writeFile(folder.copyPath(first.addDays(day)), "older copy");
    // Files beside the copies that are not copies of this database.
    const QStringList others = {u"other-2025-12-20.db"_s, u"main-replaced-2025-12-20-080000.db"_s,
                                u"main-2025-12-20.db.part"_s, u"main-20251220.db"_s,
                                u"notes.txt"_s};
    for (const QString &name : others)
        writeFile(folder.folder() + u'/' + name, "not a copy");

    Database station(target.location());
    folder.make(station, first.addDays(made));

    QList<QDate> expected;
    for (int day : std::as_const(kept))
        expected << first.addDays(day);
    QCOMPARE(days(folder.copies()), expected);
    for (const QString &name : others)
        QVERIFY2(QFile::exists(folder.folder() + u'/' + name), qPrintable(name));
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files).size(), kept.size() + others.size());
}

void TestBackupFolder::failedCopy_data()
{
    QTest::addColumn<QString>("blocked"); // a folder or a file standing in the copy's way
    QTest::newRow("copies folder is a file") << u"folder"_s;
    QTest::newRow("part file is a folder") << u"part"_s;
}

void TestBackupFolder::failedCopy()
{
    QFETCH(QString, blocked);
    TestDatabase target(u"sqlite"_s);
    makeDatabase(target.location());
    const BackupFolder folder(target.location());
    if (blocked == u"folder"_s) {
        writeFile(folder.folder(), "in the way");
    } else {
        QVERIFY(QDir().mkpath(folder.copyPath(today) + u".part/inside"_s));
        writeFile(folder.copyPath(today), "the day's earlier copy");
    }

    Database station(target.location());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, folder.make(station, today));

    if (blocked == u"folder"_s) {
        QVERIFY(QFileInfo(folder.folder()).isFile());
    } else {
        QFile earlier(folder.copyPath(today));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("the day's earlier copy"));
        QVERIFY(QFileInfo(folder.copyPath(today) + u".part"_s).isDir());
    }
}

void TestBackupFolder::restorePutsCopyInPlace()
{
    TestDatabase target(u"sqlite"_s);
    makeDatabase(target.location());
    const BackupFolder folder(target.location());
    // The station that restores still has its connection open.
    Database station(target.location());
    const QString copy = folder.make(station, today);
    station.exec(u"insert into employees (employee,cardnum) values ('Bob','2')"_s);
    writeFile(target.location() + u"-journal"_s, "the old file's journal");
    const QDateTime now(QDate(2026, 12, 11), QTime(9, 30, 5));

    folder.restore(folder.copies().first(), now);

    const QString aside = folder.asidePath(now);
    QCOMPARE(QFileInfo(aside).fileName(), u"main-replaced-2026-12-11-093005.db"_s);
    QCOMPARE(QFileInfo(aside).absolutePath(), QFileInfo(target.location()).absolutePath());
    QVERIFY(QFile::exists(aside + u"-journal"_s));
    QVERIFY(!QFile::exists(target.location() + u"-journal"_s));
    QVERIFY(!QFile::exists(target.location() + u".restoring"_s));
    QCOMPARE(employeeNames(target.location()), QStringList{u"Ann"_s});
    QCOMPARE(rights(target.location()), PrivateFiles::fileMode);
    QFile::remove(aside + u"-journal"_s);
    QCOMPARE(employeeNames(aside), (QStringList{u"Ann"_s, u"Bob"_s}));
    // The copy stays for another restore.
    QCOMPARE(employeeNames(copy), QStringList{u"Ann"_s});
}

void TestBackupFolder::unsoundCopyIsRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: an empty SQLite database
    QTest::addColumn<bool>("present");
    QTest::newRow("not a database") << QByteArray("SQLite format 2, or so it says") << true;
    QTest::newRow("no Chronel tables") << QByteArray() << true;
    QTest::newRow("gone") << QByteArray() << false;
}

void TestBackupFolder::unsoundCopyIsRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    TestDatabase target(u"sqlite"_s);
    makeDatabase(target.location());
    const BackupFolder folder(target.location());
    QVERIFY(QDir().mkpath(folder.folder()));
    const BackupFolder::Copy copy{today, folder.copyPath(today)};
    if (present && content.isEmpty()) {
        Database other(copy.path);
        other.exec(u"create table t (x integer)"_s);
    } else if (present) {
        writeFile(copy.path, content);
    }
    const QDateTime now(QDate(2026, 12, 11), QTime(9, 30, 5));

    QVERIFY_THROWS_EXCEPTION(DatabaseError, folder.restore(copy, now));

    QCOMPARE(employeeNames(target.location()), QStringList{u"Ann"_s});
    QVERIFY(!QFile::exists(folder.asidePath(now)));
    QVERIFY(!QFile::exists(target.location() + u".restoring"_s));
}

void TestBackupFolder::failureNoteIsTakenOnce()
{
    TestDatabase target(u"sqlite"_s);
    makeDatabase(target.location());
    const BackupFolder folder(target.location());
    QVERIFY(!folder.takeFailure());

    folder.noteFailure(today, u"disk I/O error\nsecond line"_s);
    const auto failure = BackupFolder(target.location()).takeFailure();
    QVERIFY(failure);
    QCOMPARE(failure->first, today);
    QCOMPARE(failure->second, u"disk I/O error\nsecond line"_s);
    QVERIFY(!folder.takeFailure());
}

QTEST_MAIN(TestBackupFolder)
#include "tst_backupfolder.moc"
