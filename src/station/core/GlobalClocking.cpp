#include "station/core/GlobalClocking.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ReportedErrors.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

using namespace Qt::StringLiterals;

namespace {

QString presenceText(Database &db)
{
    const EmployeeRecords::Presence presence = EmployeeRecords::presence(db);
    return u"%1 of %2 clocked in"_s.arg(presence.in).arg(presence.all);
}

// Sets every employee's state and records the change with how many were in before.
void setEveryone(Database &db, const QString &state, AuditTrail::Kind kind, bool automatic)
{
    const QString before = presenceText(db);
    EmployeeRecords::setEveryone(db, state);
    if (automatic)
        AuditTrail::noteAutomatic(db, kind, before, presenceText(db));
    else
        AuditTrail::note(db, kind, before, presenceText(db));
}

} // namespace

void GlobalClocking::logEveryoneIn()
{
    Transaction transaction(m_db);
    setEveryone(m_db, EmployeeRecords::clockedIn, AuditTrail::Kind::AutomaticLogIn, true);
    transaction.commit();
}

void GlobalClocking::logEveryoneOutAndResetBreaks()
{
    Transaction transaction(m_db);
    setEveryone(m_db, EmployeeRecords::clockedOut, AuditTrail::Kind::AutomaticLogOut, true);
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
    if (writeReported(m_prompter, m_db, [&] {
            setEveryone(m_db, EmployeeRecords::clockedIn, AuditTrail::Kind::ForcedLogIn, false);
        }))
        m_prompter.inform(tr("Success!"), tr("Forced login completed!"), PromptIcon::Information);
}

void GlobalClocking::forceLogOut()
{
    if (!m_prompter.ask(tr("Confirm"), tr("This will cause all employees to be logged out.Are you "
                                          "sure?")))
        return;
    if (writeReported(m_prompter, m_db, [&] {
            setEveryone(m_db, EmployeeRecords::clockedOut, AuditTrail::Kind::ForcedLogOut, false);
        }))
        m_prompter.inform(tr("Success!"), tr("Forced logout completed!"), PromptIcon::Information);
}
