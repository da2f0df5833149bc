#include "BreakRequest.h"

#include "Messenger.h"
#include "Prompter.h"

#include <QObject>

using namespace Qt::StringLiterals;

QString BreakRequest::text(const QString &employee, const QString &card)
{
    // Received verbatim by the supervisor's station; not translated.
    return u"Employee ->"_s + employee + u" Login number -> "_s + card +
           u" requests a break authorization"_s;
}

void BreakRequest::send(const QString &employee, const QString &card)
{
    m_messenger.send(m_address, text(employee, card));
    m_prompter.inform(QObject::tr("Success"), QObject::tr("Authorization request sent!"),
                      PromptIcon::Information);
}
