#include "TestDatabase.h"

#include "store/Database.h"
#include "store/SqlDialect.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

QString adminUri()
{
    return qEnvironmentVariable("CHRONEL_TEST_PG_URI");
}

} // namespace

void TestDatabase::addEngineRows()
{
    QTest::addColumn<QString>("engine");
    QTest::newRow("sqlite") << u"sqlite"_s;
    QTest::newRow("postgresql") << u"postgresql"_s;
}

bool TestDatabase::available(const QString &engine)
{
    if (engine == u"sqlite"_s || !adminUri().isEmpty())
        return true;
    if (qEnvironmentVariable("CI") == u"true"_s) {
        QTest::qFail("CHRONEL_TEST_PG_URI is not set: the PostgreSQL tests cannot run", __FILE__,
                     __LINE__);
        return false;
    }
    QTest::qSkip("no PostgreSQL server (set CHRONEL_TEST_PG_URI)", __FILE__, __LINE__);
    return false;
}

TestDatabase::TestDatabase(const QString &engine) : m_engine(engine)
{
    if (engine == u"sqlite"_s) {
        m_folder = QDir::tempPath() + u"/chronel-test-"_s +
                   QString::number(QRandomGenerator::global()->generate64(), 36);
        QDir().mkpath(m_folder);
        m_location = m_folder + u"/main.db"_s;
        return;
    }
    m_serverDatabase =
        u"chronel_test_"_s + QString::number(QRandomGenerator::global()->generate64(), 36);
    {
        Database admin(adminUri());
        admin.exec(u"create database "_s + m_serverDatabase);
    }
    QUrl url(adminUri());
    url.setPath(u"/"_s + m_serverDatabase);
    m_location = url.toString();
}

TestDatabase::~TestDatabase()
{
    if (!m_folder.isEmpty()) {
        QDir(m_folder).removeRecursively();
        return;
    }
    try {
        Database admin(adminUri());
        admin.exec(u"drop database if exists "_s + m_serverDatabase + u" with (force)"_s);
    } catch (...) {
        // A database left behind on a test server harms nothing.
    }
}

QStringList TestDatabase::indexNames(Database &db)
{
    const bool sqlite = db.dialect().engine() == SqlDialect::Engine::Sqlite;
    const QList<SqlRow> rows = db.select(
        sqlite ? u"select name from sqlite_master where type = 'index' and sql is not null"_s
               : u"select indexname as name from pg_indexes where schemaname = current_schema()"
                 " and indexname like 'idx%'"_s);
    QStringList names;
    for (const SqlRow &row : rows)
        names << row[u"name"_s];
    names.sort();
    return names;
}

const QStringList &TestDatabase::reportIndexes()
{
    static const QStringList names = {
        u"idx_log_day"_s,       u"idx_log_card_entry"_s,    u"idx_log_date"_s,
        u"idx_log_card_date"_s, u"idx_log_employee_date"_s, u"idx_allloggedin_card_day"_s,
        u"idx_breaks_dt"_s,     u"idx_breaks_name_date"_s,  u"idx_breaks_date"_s};
    return names;
}

void TestDatabase::dropReportIndexes(Database &db)
{
    for (const QString &index : reportIndexes())
        db.exec(u"drop index if exists "_s + index);
}
