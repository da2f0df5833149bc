#pragma once

#include "AccessGate.h"
#include "AutomaticClocking.h"
#include "ClockingTransaction.h"
#include "GlobalClocking.h"
#include "StationMenu.h"
#include "SupervisorLogin.h"

#include <QObject>
#include <functional>

class StationWindow;
struct StationContext;

// Connects the station window to the features: the card field, the timer and every
// menu command, each supervisor command behind the access gate.
class StationCommands : public QObject
{
    Q_OBJECT

public:
    StationCommands(StationWindow &window, StationContext &context);

private:
    // Makes a menu command run `action` once the access gate lets it through.
    void addGated(StationMenu::Command command, std::function<void()> action);
    void openLogIn();
    void clockCard(const QString &cardNumber);

    StationWindow &m_window;
    StationContext &m_context;
    AccessGate m_gate;
    SupervisorLogin m_login;
    GlobalClocking m_globalClocking;
    AutomaticClocking m_automaticClocking;
    ClockingTransaction m_clocking;
};
