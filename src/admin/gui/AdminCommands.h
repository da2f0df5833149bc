#pragma once

#include "admin/core/EmployeeManager.h"
#include "admin/core/NetworkOptions.h"
#include "platform/core/MenuCommand.h"

#include <functional>
#include <optional>

class AuditTrail;
class Clock;
class Database;
struct DatabaseLocation;
class Prompter;
class QWidget;
struct StartupValues;

// The supervisor's maintenance commands, with what they remember for the rest of the
// run: the employee chosen last and the network mode chosen but not yet applied.
class AdminCommands
{
public:
    // `restart` ends the program so that the next start reads a new database location.
    AdminCommands(Database &db, Prompter &prompter, Clock &clock, AuditTrail &audit,
                  const StartupValues &values, const DatabaseLocation &location, QWidget *window,
                  std::function<void()> restart);

    MenuCommands commands();

private:
    Database &m_db;
    Prompter &m_prompter;
    Clock &m_clock;
    AuditTrail &m_audit;
    const StartupValues &m_values;
    const DatabaseLocation &m_location;
    QWidget *m_window;
    std::function<void()> m_restart;
    NetworkOptions::Choice m_networkChoice = NetworkOptions::Choice::None;
    std::optional<EmployeeManager::Employee> m_chosenEmployee;
};
