#include "station/gui/ClockingCommands.h"

#include "platform/core/Clock.h"
#include "station/core/StationContext.h"
#include "station/gui/ManualClockingDialog.h"

ClockingCommands::ClockingCommands(StationContext &context, QWidget *window,
                                   std::function<void(const QString &employee)> openBreakDialog)
    : m_context(context), m_window(window), m_globalClocking(context.db, context.prompter),
      m_automaticClocking(m_globalClocking, context.prompter, context.values.autoLogIn,
                          context.values.autoLogOut, context.clock.now()),
      m_clocking(context, std::move(openBreakDialog))
{
}

MenuCommands ClockingCommands::commands()
{
    return {
        {StationMenu::ForceLogIn, [this] { m_globalClocking.forceLogIn(); }},
        {StationMenu::ForceLogOut, [this] { m_globalClocking.forceLogOut(); }},
        {StationMenu::ManualLogInOut,
         [this] {
             ManualClockingDialog::run(m_context.db, m_context.prompter, m_context.clock, m_window);
         }},
    };
}
