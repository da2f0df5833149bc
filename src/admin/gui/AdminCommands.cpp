#include "admin/gui/AdminCommands.h"

#include "admin/core/BackupAndRestore.h"
#include "admin/gui/CompanySetupDialog.h"
#include "admin/gui/DatabaseManagerDialog.h"
#include "admin/gui/EmployeeManagerDialog.h"
#include "admin/gui/NetworkOptionsDialog.h"
#include "admin/gui/ProgramOptionsDialog.h"
#include "admin/gui/RestoreBackupDialog.h"
#include "admin/gui/SecurityManagerDialog.h"
#include "platform/core/Clock.h"
#include "store/DatabaseLocation.h"
#include "store/StartupValues.h"

AdminCommands::AdminCommands(Database &db, Prompter &prompter, Clock &clock, AuditTrail &audit,
                             const StartupValues &values, const DatabaseLocation &location,
                             QWidget *window, std::function<void()> restart)
    : m_db(db), m_prompter(prompter), m_clock(clock), m_audit(audit), m_values(values),
      m_location(location), m_window(window), m_restart(std::move(restart))
{
}

MenuCommands AdminCommands::commands()
{
    return {
        {StationMenu::CompanySetup,
         [this] { CompanySetupDialog::run(m_db, m_prompter, m_window); }},
        {StationMenu::EmployeeManager,
         [this] { EmployeeManagerDialog::run(m_db, m_prompter, m_chosenEmployee, m_window); }},
        {StationMenu::SecurityManager,
         [this] { SecurityManagerDialog::run(m_db, m_prompter, m_window); }},
        {StationMenu::DatabaseManager,
         [this] {
             DatabaseManagerDialog::run({m_db, m_prompter, m_clock, m_audit}, m_values.breaksOn(),
                                        m_window);
         }},
        {StationMenu::ProgramOptions,
         [this] { ProgramOptionsDialog::run(m_db, m_prompter, m_window); }},
        {StationMenu::NetworkOptions,
         [this] {
             // The new location is read at the next start only, so the program ends here.
             if (NetworkOptionsDialog::run(m_prompter, m_location.localMode, m_networkChoice,
                                           m_window, &m_db))
                 m_restart();
         }},
        {StationMenu::BackUpNow,
         [this] {
             BackupAndRestore backups(m_db, m_prompter, m_location);
             if (backups.available())
                 backups.backUpNow(m_clock.now().date());
         }},
        {StationMenu::RestoreBackup,
         [this] {
             // The next start opens the copy.
             if (RestoreBackupDialog::run(m_db, m_prompter, m_location, m_clock, m_window))
                 m_restart();
         }},
    };
}
