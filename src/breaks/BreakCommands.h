#pragma once

#include "BreakContext.h"
#include "Messenger.h"
#include "RemoteBreakGrant.h"

#include <memory>

class QWidget;

// The station's ways into the breaks: the break dialog after a declined clocking and
// the supervisor's "Authorize Break Request".
class BreakCommands
{
public:
    // Break requests go out through `messenger`; without one, over UDP.
    BreakCommands(Database &db, Prompter &prompter, const Clock &clock, const StartupValues &values,
                  QWidget *window, std::unique_ptr<Messenger> messenger = {});
    ~BreakCommands();

    void openBreakDialog(const QString &employee, const QString &card);
    void authorizeBreakRequest();

private:
    std::unique_ptr<Messenger> m_messenger;
    BreakContext m_context;
    QWidget *m_window;
    RemoteBreakGrant::Choice m_choice;
};
