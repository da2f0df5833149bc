#include "admin/core/DatabaseManager.h"

#include "platform/core/Prompter.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/UsedBreaks.h"

#include <QObject>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QString question(DatabaseManager::Clearing clearing)
{
    switch (clearing) {
    case DatabaseManager::Clearing::LogIns:
        return QObject::tr("This will delete all Login/Logout information.Are you sure?");
    case DatabaseManager::Clearing::Employees:
        return QObject::tr("All employees will be deleted.Are you sure?");
    case DatabaseManager::Clearing::ErrorLog:
        return QObject::tr("This will clear the Error Log.Are you sure?");
    case DatabaseManager::Clearing::Breaks:
        return QObject::tr("This will clear all the recorded breaks.Are you sure?");
    }
    return {};
}

QStringList statements(DatabaseManager::Clearing clearing)
{
    switch (clearing) {
    case DatabaseManager::Clearing::LogIns:
        return {u"delete from log where id >= 0"_s};
    case DatabaseManager::Clearing::Employees:
        // Their clockings, breaks and break marks stay for the reports.
        return {u"delete from employees where id >= 0"_s, u"delete from locked where id >= 0"_s};
    case DatabaseManager::Clearing::ErrorLog:
        return {u"delete from errorlog where id >= 0"_s};
    case DatabaseManager::Clearing::Breaks:
        // Every employee keeps a row of break marks, all back to unused.
        return {u"delete from breaks"_s,
                u"update usedbreaks set used1 = '0',used2 = '0',used3 = '0'"_s};
    }
    return {};
}

} // namespace

bool DatabaseManager::clear(Clearing clearing)
{
    if (!m_prompter.ask(QObject::tr("Confirm"), question(clearing)))
        return false;
    const bool cleared = writeReported(m_prompter, m_db, [&] {
        if (clearing == Clearing::Breaks)
            UsedBreaks::lockForChange(m_db);
        for (const QString &sql : statements(clearing))
            m_db.exec(sql);
    });
    if (cleared)
        m_prompter.inform(QObject::tr("Success"), QObject::tr("Entries Deleted"),
                          PromptIcon::Information);
    return cleared;
}
