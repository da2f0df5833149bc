#pragma once

#include "AccessGate.h"
#include "AutomaticClocking.h"
#include "BreakCommands.h"
#include "ClockingTransaction.h"
#include "EmployeeManager.h"
#include "GlobalClocking.h"
#include "NetworkOptions.h"
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tick();
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
    BreakCommands m_breaks;
    // The mode chosen in the network options, kept for the run until applied.
    NetworkOptions::Choice m_networkChoice = NetworkOptions::Choice::None;
    // The employee last chosen in the employee manager, kept for the run.
    std::optional<EmployeeManager::Employee> m_chosenEmployee;
    // The break count last chosen in the break options, kept for the run.
    QString m_breakCount;
};
