#pragma once

#include "platform/core/MenuCommand.h"

class Clock;
class Database;
class Prompter;
class QWidget;
struct StartupValues;

// The reports of the station's menu and the payroll export.
class ReportCommands
{
public:
    ReportCommands(Database &db, Prompter &prompter, const Clock &clock,
                   const StartupValues &values, QWidget *window)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_values(values), m_window(window)
    {
    }

    MenuCommands commands();

private:
    void showWhoIsIn();

    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    const StartupValues &m_values;
    QWidget *m_window;
};
