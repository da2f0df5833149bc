#include "breaks/core/BreakRequest.h"

#include "platform/core/Messenger.h"
#include "platform/core/Prompter.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Received verbatim by the supervisor's station; not translated.
const QString opening = u"Employee ->"_s;
const QString cardPart = u" Login number -> "_s;
const QString closing = u" requests a break authorization"_s;

} // namespace

QString BreakRequest::text(const QString &employee, const QString &card)
{
    return opening + employee + cardPart + card + closing;
}

bool BreakRequest::isRequest(const QString &text)
{
    if (text.size() < opening.size() + cardPart.size() + closing.size() ||
        !text.startsWith(opening) || !text.endsWith(closing))
        return false;
    const QStringView parts =
        QStringView(text).sliced(opening.size(), text.size() - opening.size() - closing.size());
    if (!parts.contains(cardPart))
        return false;
    return std::none_of(text.cbegin(), text.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

void BreakRequest::send(const QString &employee, const QString &card)
{
    m_messenger.send(m_address, text(employee, card));
    m_prompter.inform(tr("Success"), tr("Authorization request sent!"), PromptIcon::Information);
}
