#pragma once

#include "breaks/core/BreakContext.h"
#include "breaks/core/RemoteBreakGrant.h"
#include "platform/core/MenuCommand.h"

class QWidget;

// The station's ways into the breaks: the break dialog after a declined clocking, and
// the supervisor's break commands with what they remember for the rest of the run.
class BreakCommands
{
public:
    // Break requests go out through `messenger`.
    BreakCommands(const BreakContext &context, QWidget *window)
        : m_context(context), m_window(window)
    {
    }

    void openBreakDialog(const QString &employee, const QString &card);
    MenuCommands commands();

private:
    BreakContext m_context;
    QWidget *m_window;
    RemoteBreakGrant::Choice m_choice;
    QString m_breakCount;
};
