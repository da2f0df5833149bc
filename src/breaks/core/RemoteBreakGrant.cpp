#include "breaks/core/RemoteBreakGrant.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/BreakGrant.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/NameList.h"
#include "store/ReportedErrors.h"

using namespace Qt::StringLiterals;

QStringList RemoteBreakGrant::employeeNames()
{
    const QStringList names = NameList::employees(m_db);
    NameList::anyEmployees(m_prompter, names.size());
    return names;
}

bool RemoteBreakGrant::choose(const QString &name)
{
    return runReported(m_prompter, [&] {
        const QStringList cards = EmployeeRecords::cardsOf(m_db, name);
        // An employee removed since the list was read cannot be granted.
        m_choice = cards.isEmpty() ? Choice{} : Choice{name, cards.first(), true};
    });
}

bool RemoteBreakGrant::grant()
{
    if (!m_choice.made) {
        m_prompter.inform(tr("Error!"), tr("Please select an employee before continuing"),
                          PromptIcon::Error);
        return false;
    }
    if (!m_prompter.ask(tr("Confirm"), tr("Proceed with break authorization?"),
                        PromptIcon::Question))
        return false;
    return writeReported(m_prompter, m_db, [&] {
        const QDate today = m_clock.now().date();
        BreakGrant::grant(m_db, m_choice.card, today);
        AuditTrail::note(m_db, AuditTrail::Kind::BreakGrant, {},
                         u"%1 (%2) %3"_s.arg(m_choice.name, m_choice.card, Clock::dateText(today)));
    });
}
