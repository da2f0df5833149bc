#include "TestHome.h"
#include "store/Database.h"
#include "store/LocationFile.h"
#include "store/Schema.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString programPath(const QString &program)
{
    if (program == u"chronel-wizard"_s)
        return QStringLiteral(CHRONEL_WIZARD_PROGRAM);
    if (program == u"chronel-updater"_s)
        return QStringLiteral(CHRONEL_UPDATER_PROGRAM);
    return QStringLiteral(CHRONEL_STATION_PROGRAM);
}

Run run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(programPath(program), arguments);
    Run result;
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
}

} // namespace

class TestPrograms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Asking for help or the version made a database, a location file or a log in the
    // home; a mistyped option was ignored and the program started anyway.
    void commandLine_data();
    void commandLine();
    // The log must record a program's start, with its version.
    void startIsLogged();
};

void TestPrograms::commandLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out"); // contained in standard output
    QTest::addColumn<QByteArray>("err"); // contained in standard error

    const QList<QPair<QString, QByteArray>> programs = {{u"chronel"_s, "Chronel"},
                                                        {u"chronel-wizard"_s, "Chronel Wizard"},
                                                        {u"chronel-updater"_s, "Chronel Updater"}};
    for (const auto &[program, name] : programs) {
        const QByteArray row = program.toUtf8();
        QTest::addRow("%s --help", row.constData())
            << program << QStringList{u"--help"_s} << 0 << QByteArray("--version") << QByteArray();
        QTest::addRow("%s -h", row.constData())
            << program << QStringList{u"-h"_s} << 0 << QByteArray("--help") << QByteArray();
        QTest::addRow("%s --version", row.constData())
            << program << QStringList{u"--version"_s} << 0 << name + ' ' + CHRONEL_VERSION + '\n'
            << QByteArray();
        QTest::addRow("%s unknown option", row.constData())
            << program << QStringList{u"--kiosc"_s} << 2 << QByteArray() << QByteArray("kiosc");
        QTest::addRow("%s stray argument", row.constData())
            << program << QStringList{u"main.db"_s} << 2 << QByteArray() << QByteArray("main.db");
    }
    QTest::newRow("station's own option in the help")
        << u"chronel"_s << QStringList{u"--help"_s} << 0 << QByteArray("--database <location>")
        << QByteArray();
    QTest::newRow("station's kiosk option in the help")
        << u"chronel"_s << QStringList{u"--help"_s} << 0 << QByteArray("--kiosk") << QByteArray();
    QTest::newRow("station --help-all") << u"chronel"_s << QStringList{u"--help-all"_s} << 0
                                        << QByteArray("-platform") << QByteArray();
    QTest::newRow("station --database without a location")
        << u"chronel"_s << QStringList{u"--database"_s} << 2 << QByteArray()
        << QByteArray("database");
    QTest::newRow("wizard --if-needed --help")
        << u"chronel-wizard"_s << QStringList{u"--if-needed"_s, u"--help"_s} << 0
        << QByteArray("--if-needed") << QByteArray();
    QTest::newRow("updater has no --database")
        << u"chronel-updater"_s << QStringList{u"--database"_s, u"x.db"_s} << 2 << QByteArray()
        << QByteArray("database");
}

void TestPrograms::commandLine()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    TestHome home;

    const Run result = run(program, arguments);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.out.contains(out), result.out);
    QVERIFY2(result.err.contains(err), result.err);
    QCOMPARE(entries(home.path()), QStringList());
}

void TestPrograms::startIsLogged()
{
    TestHome home;
    {
        Database db(home.file(LocationFile::databaseName));
        Schema::create(db);
        db.exec(u"update run set first = '0'"_s);
    }

    // Set up already: the wizard only logs its start and ends.
    const Run result = run(u"chronel-wizard"_s, {u"--if-needed"_s});
    QCOMPARE(result.exitCode, 0);
    const QByteArray log = home.read(u"chronel.log"_s);
    QVERIFY2(log.contains(" info chronel.program: Chronel Wizard " CHRONEL_VERSION " started in " +
                          QDir::cleanPath(home.path()).toUtf8() + '\n'),
             log);
    // Also on standard error, for a terminal.
    QVERIFY2(result.err.contains("Chronel Wizard " CHRONEL_VERSION " started"), result.err);
}

QTEST_GUILESS_MAIN(TestPrograms)
#include "tst_programs.moc"
