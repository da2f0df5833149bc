#include "store/TextInput.h"

#include "platform/core/Prompter.h"

#include <QObject>
#include <algorithm>

namespace {

// Index of the first character from `from` on that cannot be stored, or -1.
qsizetype firstUnstorable(const QString &text, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.category() == QChar::Other_Control)
            return i;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i; // a whole pair, such as an emoji
            continue;
        }
        if (c.isSurrogate())
            return i;
    }
    return -1;
}

// Counted as the user sees characters, so an emoji is one.
bool longerThan(const QString &text, qsizetype longest)
{
    return text.size() > longest && text.toUcs4().size() > longest;
}

void tell(Prompter &prompter, const QString &field, TextInput::Problem problem, qsizetype longest)
{
    QString text;
    switch (problem) {
    case TextInput::Problem::None:
    case TextInput::Problem::Empty:
        return;
    case TextInput::Problem::Unstorable:
        text = QObject::tr("The %1 contains characters that cannot be stored (control or "
                           "invalid characters). Please retype it.")
                   .arg(field);
        break;
    case TextInput::Problem::TooLong:
        text = QObject::tr("The %1 is too long. Please shorten it to %2 characters at most.")
                   .arg(field)
                   .arg(longest);
        break;
    case TextInput::Problem::Blanks:
        text = QObject::tr("The %1 must not contain blanks. Please retype it.").arg(field);
        break;
    }
    prompter.inform(QObject::tr("Error!"), text, PromptIcon::Error);
}

} // namespace

namespace TextInput {

bool storable(const QString &text)
{
    return firstUnstorable(text) < 0;
}

QString storableCopy(const QString &text)
{
    QString copy = text;
    for (qsizetype i = firstUnstorable(copy); i >= 0; i = firstUnstorable(copy, i + 1))
        copy[i] = QChar::ReplacementCharacter;
    return copy;
}

Problem problem(const QString &text)
{
    // Only what is kept counts: a line end pasted after a name is trimmed with the blanks.
    const QString kept = text.trimmed();
    if (kept.isEmpty())
        return Problem::Empty;
    if (!storable(kept))
        return Problem::Unstorable;
    return longerThan(kept, longestText) ? Problem::TooLong : Problem::None;
}

Problem cardNumberProblem(const QString &cardNumber)
{
    if (cardNumber.trimmed().isEmpty())
        return Problem::Empty;
    if (!storable(cardNumber))
        return Problem::Unstorable;
    if (std::any_of(cardNumber.cbegin(), cardNumber.cend(), [](QChar c) { return c.isSpace(); }))
        return Problem::Blanks;
    return longerThan(cardNumber, longestCardNumber) ? Problem::TooLong : Problem::None;
}

bool refused(Prompter &prompter, const QList<Field> &fields)
{
    for (const Field &field : fields) {
        const Problem found = problem(field.text);
        if (found == Problem::None || found == Problem::Empty)
            continue;
        tell(prompter, field.name, found, longestText);
        return true;
    }
    return false;
}

bool refusedCardNumber(Prompter &prompter, const Field &cardNumber)
{
    const Problem found = cardNumberProblem(cardNumber.text);
    if (found == Problem::None || found == Problem::Empty)
        return false;
    tell(prompter, cardNumber.name, found, longestCardNumber);
    return true;
}

} // namespace TextInput
