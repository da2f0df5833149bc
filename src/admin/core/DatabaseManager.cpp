#include "admin/core/DatabaseManager.h"

#include "platform/core/Prompter.h"
#include "store/BreakRecords.h"
#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ErrorLog.h"
#include "store/ReportedErrors.h"
#include "store/UsedBreaks.h"

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

} // namespace

bool DatabaseManager::clear(Clearing clearing)
{
    if (!m_prompter.ask(tr("Confirm"), question(clearing)))
        return false;
    const bool cleared = writeReported(m_prompter, m_db, [&] { removeEntries(m_db, clearing); });
    if (cleared)
        m_prompter.inform(tr("Success"), tr("Entries Deleted"), PromptIcon::Information);
    return cleared;
}
