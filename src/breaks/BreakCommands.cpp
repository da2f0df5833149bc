#include "BreakCommands.h"

#include "AuthorizeBreakDialog.h"
#include "BreakDialog.h"
#include "UdpMessenger.h"

BreakCommands::BreakCommands(Database &db, Prompter &prompter, const Clock &clock,
                             const StartupValues &values, QWidget *window,
                             std::unique_ptr<Messenger> messenger)
    : m_messenger(messenger ? std::move(messenger) : std::make_unique<UdpMessenger>()),
      m_context{db, prompter, clock, *m_messenger, values}, m_window(window)
{
}

BreakCommands::~BreakCommands() = default;

void BreakCommands::openBreakDialog(const QString &employee, const QString &card)
{
    BreakDialog::run(m_context, employee, card, m_window);
}

void BreakCommands::authorizeBreakRequest()
{
    AuthorizeBreakDialog::run(m_context.db, m_context.prompter, m_context.clock, m_choice,
                              m_window);
}
