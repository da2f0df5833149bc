#include "wizard/core/WizardRun.h"

#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/LocationFile.h"
#include "wizard/core/WizardDatabase.h"

#include <QFile>

using namespace Qt::StringLiterals;

WizardRun::WizardRun()
{
    const bool makesFile = Database::fileMissing(LocationFile(ChronelHome::path()).read().path);
    m_db = WizardDatabase::open();
    if (makesFile)
        m_madeFile = m_db->location();
}

WizardRun::~WizardRun()
{
    m_db.reset();
    if (m_finished || m_madeFile.isEmpty())
        return;
    for (const QString &suffix : {QString(), u"-journal"_s, u"-wal"_s, u"-shm"_s})
        QFile::remove(m_madeFile + suffix);
}
