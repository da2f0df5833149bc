#include "BreakAuthorization.h"

#include "BreakGrant.h"
#include "ReportedErrors.h"

bool BreakAuthorization::poll()
{
    if (m_status == Status::Waiting) {
        runReported(m_prompter, [&] {
            if (BreakGrant::isGrantedFor(m_db, m_card))
                m_status = Status::Granted;
        });
    }
    return m_status == Status::Granted;
}

void BreakAuthorization::grantedAtStation(const QString &grantedCard)
{
    m_status = Status::Granted;
    if (!m_usedGrants.contains(grantedCard))
        m_usedGrants << grantedCard;
}

void BreakAuthorization::close()
{
    m_status = Status::Closed;
    writeReported(m_prompter, m_db, [&] { BreakGrant::withdraw(m_db, m_usedGrants); });
}
