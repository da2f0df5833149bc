#include "StationCommands.h"

#include "Clock.h"
#include "CompanySetupDialog.h"
#include "LoginDialog.h"
#include "ManualClockingDialog.h"
#include "StartupValues.h"
#include "StationContext.h"
#include "StationWindow.h"

#include <QLineEdit>

StationCommands::StationCommands(StationWindow &window, StationContext &context)
    : m_window(window), m_context(context), m_gate(context.db, context.prompter, context.values),
      m_login(context.db, context.prompter, context.clock),
      m_globalClocking(context.db, context.prompter),
      m_automaticClocking(m_globalClocking, context.prompter, context.values.autoLogInTime,
                          context.values.autoLogOutTime, context.clock.now()),
      m_clocking(context, {})
{
    connect(&window, &StationWindow::cardEntered, this, &StationCommands::clockCard);
    connect(&window, &StationWindow::ticked, this,
            [this] { m_automaticClocking.tick(m_context.clock.now()); });

    window.setCommandHandler(StationMenu::LogIn, [this] { openLogIn(); });
    window.setCommandHandler(StationMenu::LogOut, [this] { m_login.logOut(); });
    addGated(StationMenu::ForceLogIn, [this] { m_globalClocking.forceLogIn(); });
    addGated(StationMenu::ForceLogOut, [this] { m_globalClocking.forceLogOut(); });
    addGated(StationMenu::CompanySetup, [this] {
        CompanySetupDialog::run(m_context.db, m_context.prompter, &m_window);
    });
    addGated(StationMenu::ManualLogInOut, [this] {
        ManualClockingDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
}

void StationCommands::addGated(StationMenu::Command command, std::function<void()> action)
{
    StationMenu::Access access = StationMenu::Access::Gated;
    for (const StationMenu::Item &item : StationMenu::items()) {
        if (item.command == command)
            access = item.access;
    }
    m_window.setCommandHandler(command, [this, access, action = std::move(action)] {
        if (m_gate.allows(access))
            action();
    });
}

void StationCommands::openLogIn()
{
    LoginDialog dialog(m_login, &m_window);
    dialog.exec();
}

void StationCommands::clockCard(const QString &cardNumber)
{
    if (!m_clocking.run(cardNumber))
        return;
    m_window.cardField()->clear();
    if (m_clocking.signalPlayed())
        m_window.lockCardFieldFor(TonePlayer::totalDurationMs(ClockingTransaction::signalTones()));
}
