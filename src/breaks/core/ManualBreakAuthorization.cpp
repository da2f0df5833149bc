#include "breaks/core/ManualBreakAuthorization.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/SupervisorAccounts.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

bool ManualBreakAuthorization::authorize(const QString &userName, const QString &password)
{
    if (userName.isEmpty() || password.isEmpty()) {
        m_prompter.inform(tr("Error!"), tr("Please check your username or password"),
                          PromptIcon::Error);
        return false;
    }
    bool matched = false;
    const bool done = runReported(m_prompter, [&] {
        Transaction transaction(m_db);
        matched = SupervisorAccounts::matchingPassword(m_db, userName, password).has_value();
        if (!matched)
            return;
        const QDate today = m_clock.now().date();
        BreakGrant::grant(m_db, m_card, today);
        // The account typed here answers for the grant, whoever is logged in.
        AuditTrail::noteAs(m_db, userName, AuditTrail::Kind::BreakGrant, {},
                           u"%1 %2"_s.arg(m_card, Clock::dateText(today)));
        transaction.commit();
    });
    if (!done)
        return false;
    if (!matched) {
        m_prompter.inform(tr("Error"), tr("Username of password is invalid!"), PromptIcon::Error);
        return false;
    }
    m_prompter.inform(tr("Success"), tr("Authorization Successful"), PromptIcon::Information);
    return true;
}
