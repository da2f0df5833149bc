#include "updater/core/BreakTableUpdater.h"

#include "platform/core/Prompter.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/DatabaseLocation.h"
#include "store/LocationFile.h"
#include "store/PrivateFiles.h"
#include "store/ReportedErrors.h"
#include "store/Schema.h"
#include "store/Transaction.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Where the tables' steps run on the progress bar.
constexpr int firstStep = 35;
constexpr int lastStep = 90;

QList<Schema::Table> breakTables()
{
    QList<Schema::Table> tables;
    for (const Schema::Table &table : Schema::tables()) {
        if (BreakTableUpdater::tableNames().contains(table.name))
            tables << table;
    }
    Q_ASSERT(tables.size() == BreakTableUpdater::tableNames().size());
    return tables;
}

bool isEmpty(Database &db, const Schema::Table &table)
{
    return db.select(u"select %1 from %2"_s.arg(table.columns.first(), Schema::sqlName(table.name)))
        .isEmpty();
}

} // namespace

BreakTableUpdater::BreakTableUpdater(Prompter &prompter, Progress progress)
    : m_prompter(prompter), m_progress(std::move(progress))
{
}

const QStringList &BreakTableUpdater::tableNames()
{
    static const QStringList names = {u"allloggedin"_s,   u"authorization"_s, u"breaks"_s,
                                      u"breaksettings"_s, u"usedbreaks"_s,    u"usedlog"_s,
                                      u"eauth"_s};
    return names;
}

BreakTableUpdater::Outcome BreakTableUpdater::updateStationDatabase()
{
    std::unique_ptr<Database> db;
    QString location;
    const bool opened = runReported(m_prompter, [&] {
        // Read, not resolved: a home without a database keeps nothing of the updater's.
        location = LocationFile(ChronelHome::folder()).read().path;
        // Opening a missing file would make an empty database there.
        if (!Database::fileMissing(location))
            db = std::make_unique<Database>(location);
    });
    if (!opened)
        return Outcome::Failed;
    if (!db) {
        refuse(location);
        return Outcome::NoDatabase;
    }
    return update(*db);
}

void BreakTableUpdater::tightenHome()
{
    const QString home = ChronelHome::folder();
    try {
        PrivateFiles::tighten(home, LocationFile(home).read());
    } catch (const DatabaseError &) {
        // A location file that cannot be read is reported when the update runs.
    }
}

BreakTableUpdater::Outcome BreakTableUpdater::update(Database &db)
{
    // Break tables alone would not make a database the station or the wizard can use.
    if (!Schema::isPresent(db)) {
        refuse(db.location());
        return Outcome::NoDatabase;
    }
    report(10);
    bool changed = false;
    if (!runReported(m_prompter, [&] { changed = complete(db); })) {
        report(0);
        return Outcome::Failed;
    }
    report(100);
    if (changed)
        m_prompter.inform(tr("Success"), tr("Updates done successfully!"), PromptIcon::Information);
    else
        m_prompter.inform(tr("Success"),
                          tr("The database is already up to date. Nothing was changed."),
                          PromptIcon::Information);
    report(0);
    return changed ? Outcome::Updated : Outcome::UpToDate;
}

bool BreakTableUpdater::complete(Database &db)
{
    Transaction transaction(db);
    const QList<Schema::Table> tables = breakTables();
    bool changed = false;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        report(firstStep + int((lastStep - firstStep) * i / tables.size()));
        const Schema::Table &table = tables[i];
        if (!db.hasTable(table.name)) {
            Schema::createTable(db, table);
            changed = true;
        } else if (!table.firstRow.isEmpty() && isEmpty(db, table)) {
            // Earlier updaters left `authorization` without the row the authorisation needs.
            Schema::addFirstRow(db, table);
            changed = true;
        }
    }
    // What this version adds besides the break tables; the station adds it at its start
    // too.
    changed = Schema::upgrade(db) || changed;
    report(lastStep);
    transaction.commit();
    return changed;
}

void BreakTableUpdater::report(int percent) const
{
    if (m_progress)
        m_progress(percent);
}

void BreakTableUpdater::refuse(const QString &location)
{
    m_prompter.inform(tr("Error"),
                      tr("There is no Chronel database at %1.\nPlease run the Chronel "
                         "wizard before updating.")
                          .arg(DatabaseLocation::shown(location)),
                      PromptIcon::Error);
}
