#include "breaks/gui/BreakCommands.h"

#include "breaks/gui/AuthorizeBreakDialog.h"
#include "breaks/gui/BreakDialog.h"
#include "breaks/gui/BreakOptionsDialog.h"
#include "breaks/gui/ManualBreakEntryDialog.h"

void BreakCommands::openBreakDialog(const QString &employee, const QString &card)
{
    BreakDialog::run(m_context, employee, card, m_window);
}

MenuCommands BreakCommands::commands()
{
    return {
        {StationMenu::AuthorizeBreak,
         [this] {
             AuthorizeBreakDialog::run(m_context.db, m_context.prompter, m_context.clock, m_choice,
                                       m_window);
         }},
        {StationMenu::BreakOptions,
         [this] {
             BreakOptionsDialog::run(m_context.db, m_context.prompter, m_breakCount, m_window);
         }},
        {StationMenu::ManualBreakEntry,
         [this] {
             ManualBreakEntryDialog::run(m_context.db, m_context.prompter, m_context.clock,
                                         m_context.values, m_window);
         }},
    };
}
