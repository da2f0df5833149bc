#pragma once

#include "platform/core/StationMenu.h"

#include <QCoreApplication>

class Prompter;
class SupervisorSession;
struct StartupValues;

// Stands in front of every supervisor command. Only a log-in made at this station
// opens its menus.
class AccessGate
{
    Q_DECLARE_TR_FUNCTIONS(AccessGate)

public:
    AccessGate(Prompter &prompter, const StartupValues &values, const SupervisorSession &session)
        : m_prompter(prompter), m_values(values), m_session(session)
    {
    }

    // True when the command may run; otherwise the reason has been shown.
    bool allows(StationMenu::Access access);

private:
    Prompter &m_prompter;
    const StartupValues &m_values;
    const SupervisorSession &m_session;
};
