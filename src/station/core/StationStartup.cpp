#include "station/core/StationStartup.h"

#include "platform/core/ExitCode.h"
#include "platform/core/Prompter.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/LocationFile.h"
#include "store/PrivateFiles.h"
#include "store/ReportedErrors.h"
#include "store/RunFlags.h"
#include "store/Schema.h"
#include "store/Transaction.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

StationStartup::StationStartup(Prompter &prompter) : m_prompter(prompter) {}

StationStartup::~StationStartup() = default;

StationStartup::Outcome StationStartup::run()
{
    QString home;
    try {
        home = ChronelHome::path();
        m_location = m_givenLocation ? *m_givenLocation : LocationFile(home).resolve();
        PrivateFiles::tighten(home, m_location);
        // Opening a missing file would leave an empty database behind; only the wizard
        // makes new databases. A missing folder is a share out of reach, which the
        // opening reports.
        if (Database::fileMissing(m_location.path) && !Database::folderMissing(m_location.path))
            return askForWizard();
        m_db = std::make_unique<Database>(m_location.path);
        if (!Schema::isPresent(*m_db))
            return askForWizard();

        RunFlags::clearLogInFlag(*m_db);
        if (RunFlags::wizardPending(*m_db))
            return askForWizard();
        // Tables and columns this version added, for a database an older station made.
        {
            Transaction transaction(*m_db);
            Schema::upgrade(*m_db);
            transaction.commit();
        }
        readValues();
        return Outcome::Ready;
    } catch (const DatabaseError &error) {
        m_db.reset();
        if (error.unreachable())
            showUnreachableAtStart(m_prompter, m_location.path, LocationFile(home).filePath(),
                                   error);
        else
            m_prompter.inform(tr("Error"), error.text(), PromptIcon::Error);
        return Outcome::Failed;
    }
}

void StationStartup::useLocation(const QString &location)
{
    // Not the home's own database, so its rights are left as they are.
    if (DatabaseLocation::isServerUri(location) || QFileInfo(location).isDir())
        m_givenLocation = DatabaseLocation{LocationFile::networkDatabase(location), false};
    else
        m_givenLocation = DatabaseLocation{location, false};
}

int StationStartup::exitCode(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Ready:
        return ExitCode::Done;
    case Outcome::NotSetUp:
        return ExitCode::EndedItself;
    case Outcome::Failed:
        return ExitCode::Failed;
    }
    return ExitCode::Failed;
}

std::unique_ptr<Database> StationStartup::takeDatabase()
{
    return std::move(m_db);
}

StationStartup::Outcome StationStartup::askForWizard()
{
    m_db.reset();
    m_prompter.inform(tr("Wizard"),
                      tr("Please run the Chronel wizard before continuing") +
                          u" (chronel-wizard)"_s,
                      PromptIcon::Information);
    return Outcome::NotSetUp;
}

void StationStartup::readValues()
{
    m_values = StartupValues::read(*m_db);
}
