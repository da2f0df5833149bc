#include "station/core/StationStartup.h"

#include "platform/core/ExitCode.h"
#include "platform/core/Prompter.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/LocationFile.h"
#include "store/PrivateFiles.h"
#include "store/ReportedErrors.h"
#include "store/Schema.h"
#include "store/StationOptions.h"
#include "store/Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

StationStartup::StationStartup(Prompter &prompter) : m_prompter(prompter) {}

StationStartup::~StationStartup() = default;

StationStartup::Outcome StationStartup::run()
{
    QString home;
    try {
        home = ChronelHome::path();
        m_location = LocationFile(home).resolve();
        PrivateFiles::tighten(home, m_location);
        // Opening a missing file would leave an empty database behind; only the wizard
        // makes new databases. A missing folder is a share out of reach, which the
        // opening reports.
        if (Database::fileMissing(m_location.path) && !Database::folderMissing(m_location.path))
            return askForWizard();
        m_db = std::make_unique<Database>(m_location.path);
        if (!Schema::isPresent(*m_db))
            return askForWizard();

        m_db->exec(u"update tmp set tmp = 0"_s);
        if (m_db->first(u"select first from run"_s).text(u"first"_s) == u"1"_s)
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
            m_prompter.inform(QObject::tr("Error"), error.text(), PromptIcon::Error);
        return Outcome::Failed;
    }
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
    m_prompter.inform(QObject::tr("Wizard"),
                      QObject::tr("Please run the Chronel wizard before continuing"),
                      PromptIcon::Information);
    return Outcome::NotSetUp;
}

void StationStartup::readValues()
{
    const SqlRow settings = m_db->first(u"select ali,alo,ipadd from settings"_s);
    m_values.autoLogInTime = settings[u"ali"_s];
    m_values.autoLogOutTime = settings[u"alo"_s];
    m_values.managerAddress = settings[u"ipadd"_s];

    m_values.confirmation = m_db->first(u"select active from con"_s)[u"active"_s];

    const SqlRow breaks = m_db->first(
        u"select enablebreaks,enableauth,numof,break1,break2,break3 from breaksettings"_s);
    m_values.enableBreaks = breaks[u"enablebreaks"_s];
    m_values.enableAuth = breaks[u"enableauth"_s];
    m_values.numberOfBreaks = breaks[u"numof"_s];
    m_values.breakNames = {breaks[u"break1"_s], breaks[u"break2"_s], breaks[u"break3"_s]};

    m_values.supervisorIdleMinutes = StationOptions(*m_db).number(
        StationOptions::supervisorIdleMinutes, StartupValues::defaultSupervisorIdleMinutes);
    m_values.breakRequestSenders = StationOptions(*m_db).text(StationOptions::breakRequestSenders);
    m_values.kiosk = StationOptions(*m_db).text(StationOptions::kiosk) == u"1"_s;
}
