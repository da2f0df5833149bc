#include "admin/core/BackupAndRestore.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/DatabaseError.h"
#include "store/DatabaseLocation.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QObject>

BackupAndRestore::BackupAndRestore(Database &db, Prompter &prompter,
                                   const DatabaseLocation &location)
    : m_db(db), m_prompter(prompter), m_location(location), m_folder(location.path)
{
}

bool BackupAndRestore::available()
{
    if (m_location.isServer()) {
        m_prompter.inform(QObject::tr("Backup"),
                          QObject::tr("This database is on a database server. Please back it "
                                      "up with the server's own tools (pg_dump)."),
                          PromptIcon::Information);
        return false;
    }
    // Other stations use a shared file too: it is not replaced under them.
    if (!m_location.localMode) {
        m_prompter.inform(QObject::tr("Backup"),
                          QObject::tr("This database is in a shared folder. Chronel copies "
                                      "only a database on this computer; please back up the "
                                      "shared folder."),
                          PromptIcon::Information);
        return false;
    }
    return true;
}

void BackupAndRestore::backUpNow(const QDate &today)
{
    try {
        const QString copy = m_folder.make(m_db, today);
        m_prompter.inform(
            QObject::tr("Backup"),
            QObject::tr("The database was copied to %1.").arg(QDir::toNativeSeparators(copy)),
            PromptIcon::Information);
    } catch (const DatabaseError &error) {
        qWarning().noquote() << "The copy of the database into"
                             << QDir::toNativeSeparators(m_folder.folder())
                             << "failed:" << error.text();
        m_prompter.inform(QObject::tr("Backup"),
                          QObject::tr("The database could not be copied: %1").arg(error.text()),
                          PromptIcon::Error);
    }
}

bool BackupAndRestore::restore(const BackupFolder::Copy &copy, const QDateTime &now)
{
    const QString aside = m_folder.asidePath(now);
    if (!m_prompter.ask(QObject::tr("Restore"),
                        QObject::tr("Replace the database with the copy of %1?\nThe database "
                                    "as it is now is kept as %2.")
                            .arg(Clock::dateText(copy.day), QFileInfo(aside).fileName()),
                        PromptIcon::Question))
        return false;
    try {
        m_folder.restore(copy, now);
    } catch (const DatabaseError &error) {
        qWarning().noquote() << "The copy" << QDir::toNativeSeparators(copy.path)
                             << "could not be restored:" << error.text();
        m_prompter.inform(QObject::tr("Restore"),
                          QObject::tr("The copy could not be put in place: %1\nThe database "
                                      "is as it was.")
                              .arg(error.text()),
                          PromptIcon::Error);
        return false;
    }
    m_prompter.inform(QObject::tr("Changes"),
                      QObject::tr("Chronel will now exit for changes to take effect.Please "
                                  "re-run Chronel!"),
                      PromptIcon::Information);
    return true;
}
