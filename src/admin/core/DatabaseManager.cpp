#include "admin/core/DatabaseManager.h"

#include "admin/core/TableArchive.h"
#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/BreakRecords.h"
#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ErrorLog.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

#include <QDir>
#include <QFile>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString question(DatabaseManager::Clearing clearing)
{
    switch (clearing) {
    case DatabaseManager::Clearing::LogIns:
        return DatabaseManager::tr("This will delete all Login/Logout information.Are you sure?");
    case DatabaseManager::Clearing::Employees:
        return DatabaseManager::tr("All employees will be deleted.Are you sure?");
    case DatabaseManager::Clearing::ErrorLog:
        return DatabaseManager::tr("This will clear the Error Log.Are you sure?");
    case DatabaseManager::Clearing::Breaks:
        return DatabaseManager::tr("This will clear all the recorded breaks.Are you sure?");
    }
    return {};
}

void removeEntries(Database &db, DatabaseManager::Clearing clearing)
{
    switch (clearing) {
    case DatabaseManager::Clearing::LogIns:
        ClockingLog::removeAll(db);
        return;
    case DatabaseManager::Clearing::Employees:
        // Their clockings, breaks and break marks stay for the reports.
        EmployeeRecords::removeAll(db);
        return;
    case DatabaseManager::Clearing::ErrorLog:
        ErrorLog::removeAll(db);
        return;
    case DatabaseManager::Clearing::Breaks:
        // Every employee keeps a row of break marks, all back to unused.
        UsedBreaks::lockForChange(db);
        BreakRecords::removeAll(db);
        UsedBreaks::resetAll(db);
        return;
    }
}

// The tables whose rows the group deletes; the break marks are only reset.
QStringList archivedTables(DatabaseManager::Clearing clearing)
{
    switch (clearing) {
    case DatabaseManager::Clearing::LogIns:
        return {u"log"_s};
    case DatabaseManager::Clearing::Employees:
        return {u"employees"_s, u"locked"_s};
    case DatabaseManager::Clearing::ErrorLog:
        return {u"errorlog"_s};
    case DatabaseManager::Clearing::Breaks:
        return {u"breaks"_s};
    }
    return {};
}

QString nativeList(const QStringList &paths)
{
    QStringList native;
    for (const QString &path : paths)
        native << QDir::toNativeSeparators(path);
    return native.join(u'\n');
}

} // namespace

bool DatabaseManager::clear(Clearing clearing)
{
    const QStringList tables = archivedTables(clearing);
    QStringList files;
    if (!runReported(m_prompter, [&] {
            const QDateTime now = m_clock.now();
            for (const QString &table : tables)
                files << TableArchive::filePath(table, now);
        }))
        return false;
    if (!m_prompter.ask(tr("Confirm"), question(clearing) + u"\n\n"_s +
                                           tr("The rows are archived first to:") + u'\n' +
                                           nativeList(files)))
        return false;

    QStringList written;
    QString archiveFailure;
    bool cleared = false;
    runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        if (clearing == Clearing::Breaks)
            UsedBreaks::lockForChange(m_db);
        // The copy must hold every row the deletes take, so no station adds one between;
        // in the order every transaction takes its locks.
        for (const QString &table :
             {u"locked"_s, u"employees"_s, u"breaks"_s, u"log"_s, u"errorlog"_s}) {
            if (tables.contains(table))
                transaction.lockTable(table);
        }
        for (qsizetype i = 0; i < tables.size(); ++i) {
            const QString failure = TableArchive::write(m_db, tables[i], files[i]);
            if (!failure.isEmpty()) {
                archiveFailure = tr("The rows could not be archived to %1: %2")
                                     .arg(QDir::toNativeSeparators(files[i]), failure);
                return;
            }
            written << files[i];
        }
        QStringList counts;
        for (const QString &table : tables)
            counts << u"%1: %2"_s.arg(
                table, m_db.first(u"select count(*) as n from "_s + table).text(u"n"_s));
        removeEntries(m_db, clearing);
        m_audit.append(AuditTrail::Kind::TablesCleared, counts.join(u", "_s),
                       tr("archived to %1").arg(nativeList(files).replace(u'\n', u", "_s)));
        transaction.commit();
        cleared = true;
    });
    if (!cleared) {
        // Rows that were not deleted need no copy.
        for (const QString &file : written)
            QFile::remove(file);
        if (!archiveFailure.isEmpty())
            m_prompter.inform(tr("Error"), archiveFailure + u'\n' + tr("Nothing was deleted."),
                              PromptIcon::Error);
        return false;
    }
    m_prompter.inform(tr("Success"), tr("Entries Deleted"), PromptIcon::Information);
    return true;
}
