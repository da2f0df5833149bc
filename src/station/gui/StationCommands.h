#pragma once

#include "admin/gui/AdminCommands.h"
#include "breaks/gui/BreakCommands.h"
#include "reports/gui/ReportCommands.h"
#include "station/core/AccessGate.h"
#include "station/core/DailyBackup.h"
#include "station/core/SupervisorLogin.h"
#include "station/gui/ClockingCommands.h"

#include <QObject>
#include <memory>

class StationWindow;
struct StationContext;

// Connects the station window to the features: the card field, the timer, the log-in
// and every feature's menu commands, each supervisor command behind the access gate.
class StationCommands : public QObject
{
    Q_OBJECT

public:
    StationCommands(StationWindow &window, StationContext &context);

    // From now on a local database is copied once a day.
    void startDailyBackups();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tick();
    // Makes each command run once the access gate lets it through.
    void addGated(const MenuCommands &commands);
    void openLogIn();
    void clockCard(const QString &cardNumber);
    void exit();

    StationWindow &m_window;
    StationContext &m_context;
    AccessGate m_gate;
    SupervisorLogin m_login;
    BreakCommands m_breaks;
    ClockingCommands m_clocking;
    AdminCommands m_admin;
    ReportCommands m_reports;
    std::unique_ptr<DailyBackup> m_dailyBackup;
};
