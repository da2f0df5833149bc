#include "platform/core/TimeEntry.h"

#include "platform/core/Prompter.h"

using namespace Qt::StringLiterals;

namespace {

int highest(TimeEntry::Part part)
{
    return part == TimeEntry::Part::Hour ? 23 : 59;
}

QString refusal(TimeEntry::Part part)
{
    switch (part) {
    case TimeEntry::Part::Hour:
        return TimeEntry::tr("Invalid hour entered!");
    case TimeEntry::Part::Minute:
        return TimeEntry::tr("Invalid minute entered!");
    case TimeEntry::Part::Second:
        return TimeEntry::tr("Invalid second entered!");
    }
    return {};
}

bool inRange(TimeEntry::Part part, const QString &text)
{
    if (text.isEmpty() || !TimeEntry::partPattern().match(text).hasMatch())
        return false;
    return text.toInt() <= highest(part);
}

} // namespace

const QRegularExpression &TimeEntry::partPattern()
{
    static const QRegularExpression pattern(u"\\A[0-9]{0,2}\\z"_s);
    return pattern;
}

TimeEntry::Verdict TimeEntry::check(Part part, const QString &text, Prompter &prompter)
{
    if (text.size() != 2)
        return Verdict::Incomplete;
    if (inRange(part, text))
        return Verdict::Accepted;
    prompter.inform(tr("Error!"), refusal(part), PromptIcon::Error);
    return Verdict::Refused;
}

TimeEntry::TimeEntry(QString hour, QString minute, QString second)
    : m_hour(std::move(hour)), m_minute(std::move(minute)), m_second(std::move(second))
{
}

bool TimeEntry::hasEmptyPart() const
{
    return m_hour.isEmpty() || m_minute.isEmpty() || m_second.isEmpty();
}

bool TimeEntry::isComplete() const
{
    return inRange(Part::Hour, m_hour) && inRange(Part::Minute, m_minute) &&
           inRange(Part::Second, m_second);
}

QString TimeEntry::text() const
{
    return u"%1:%2:%3"_s.arg(m_hour.rightJustified(2, u'0'), m_minute.rightJustified(2, u'0'),
                             m_second.rightJustified(2, u'0'));
}
