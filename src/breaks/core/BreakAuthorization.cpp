#include "breaks/core/BreakAuthorization.h"

#include "platform/core/Clock.h"
#include "store/BreakGrant.h"
#include "store/ReportedErrors.h"

bool BreakAuthorization::poll()
{
    if (m_status == Status::Waiting) {
        runReported(m_prompter, [&] {
            if (BreakGrant::isGrantedFor(m_db, m_card, m_clock.now().date()))
                m_status = Status::Granted;
        });
    }
    return m_status == Status::Granted;
}

void BreakAuthorization::close()
{
    m_status = Status::Closed;
    writeReported(m_prompter, m_db, [&] { BreakGrant::withdraw(m_db, m_card); });
}
