#include "station/core/StationLock.h"

#include "platform/core/LogCategories.h"
#include "platform/core/Prompter.h"

#include <QDir>
#include <QObject>

using namespace Qt::StringLiterals;

const QString StationLock::fileName = u"station.lock"_s;

StationLock::StationLock(const QString &home) : m_home(home), m_lock(home + u'/' + fileName)
{
    // A station runs for months: only a lock whose station is gone is stale, never an
    // old one.
    m_lock.setStaleLockTime(0);
}

bool StationLock::acquire(Prompter &prompter)
{
    if (m_lock.tryLock(0))
        return true;
    if (m_lock.error() == QLockFile::LockFailedError) {
        prompter.inform(QObject::tr("Chronel"),
                        QObject::tr("Chronel is already running in %1.\nOnly one station can "
                                    "run there at a time.")
                            .arg(QDir::toNativeSeparators(m_home)),
                        PromptIcon::Exclamation);
        return false;
    }
    // A home where no lock can be written still runs a station; a second one is then
    // not noticed.
    qCWarning(lcProgram).noquote() << "Cannot lock" << QDir::toNativeSeparators(m_lock.fileName())
                                   << "- a second station in this home would not be refused";
    return true;
}
