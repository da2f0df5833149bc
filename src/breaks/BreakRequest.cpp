#include "BreakRequest.h"

#include "BreakGrant.h"
#include "Messenger.h"
#include "Prompter.h"
#include "ReportedErrors.h"

#include <QObject>

using namespace Qt::StringLiterals;

QString BreakRequest::text(const QString &employee, const QString &card)
{
    // Received verbatim by the supervisor's station; not translated.
    return u"Employee ->"_s + employee + u" Login number -> "_s + card +
           u" requests a break authorization"_s;
}

bool BreakRequest::send()
{
    BreakGrant::Employee employee;
    if (!runReported(m_prompter, [&] { employee = BreakGrant::lastEmployee(m_db); }))
        return false;
    m_messenger.send(m_address, text(employee.name, employee.card));
    m_prompter.inform(QObject::tr("Success"), QObject::tr("Authorization request sent!"),
                      PromptIcon::Information);
    return true;
}
