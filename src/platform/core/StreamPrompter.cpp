#include "platform/core/StreamPrompter.h"

#include <QObject>
#include <QTextStream>

using namespace Qt::StringLiterals;

void StreamPrompter::inform(const QString &, const QString &text, PromptIcon)
{
    m_stream << m_programName << u": "_s << text << Qt::endl;
}

bool StreamPrompter::ask(const QString &, const QString &text, PromptIcon)
{
    m_stream << m_programName << u": "_s << text << u' ' << QObject::tr("(answered No)")
             << Qt::endl;
    return false;
}
