#include "station/core/GlobalClocking.h"

#include "platform/core/Prompter.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

using namespace Qt::StringLiterals;

void GlobalClocking::logEveryoneIn()
{
    EmployeeRecords::setEveryone(m_db, EmployeeRecords::clockedIn);
}

void GlobalClocking::logEveryoneOutAndResetBreaks()
{
    Transaction transaction(m_db);
    EmployeeRecords::setEveryone(m_db, EmployeeRecords::clockedOut);
    UsedBreaks::lockForChange(m_db);
    UsedBreaks::resetAll(m_db);
    // Grants left over (a dialog never opened, a station switched off) end with the day.
    BreakGrant::withdrawAll(m_db);
    transaction.commit();
}

void GlobalClocking::forceLogIn()
{
    if (!m_prompter.ask(tr("Confirm"), tr("This will cause all employees to be logged in.Are you "
                                          "sure?")))
        return;
    if (runReported(m_prompter, [&] { logEveryoneIn(); }))
        m_prompter.inform(tr("Success!"), tr("Forced login completed!"), PromptIcon::Information);
}

void GlobalClocking::forceLogOut()
{
    if (!m_prompter.ask(tr("Confirm"), tr("This will cause all employees to be logged out.Are you "
                                          "sure?")))
        return;
    if (runReported(m_prompter,
                    [&] { EmployeeRecords::setEveryone(m_db, EmployeeRecords::clockedOut); }))
        m_prompter.inform(tr("Success!"), tr("Forced logout completed!"), PromptIcon::Information);
}
