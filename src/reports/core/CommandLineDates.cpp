#include "reports/core/CommandLineDates.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr int firstYear = 2000;
constexpr int lastYear = 2099;

// The captured parts as numbers, or nothing when `text` is not wholly in the pattern.
std::optional<QList<int>> parts(const QString &text, const QRegularExpression &pattern)
{
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QList<int> numbers;
    for (int i = 1; i <= pattern.captureCount(); ++i)
        numbers.append(match.captured(i).toInt());
    return numbers;
}

std::optional<QDate> checked(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < firstYear || year > lastYear)
        return std::nullopt;
    return date;
}

} // namespace

namespace CommandLineDates {

std::optional<QDate> date(const QString &text)
{
    static const QRegularExpression iso(u"^(\\d{4})-(\\d{2})-(\\d{2})$"_s);
    static const QRegularExpression stored(u"^(\\d{2})/(\\d{2})/(\\d{2})$"_s);
    if (const auto p = parts(text, iso))
        return checked(p->at(0), p->at(1), p->at(2));
    // Two-digit years are this century's, as the stored dates are.
    if (const auto p = parts(text, stored))
        return checked(firstYear + p->at(2), p->at(0), p->at(1));
    return std::nullopt;
}

std::optional<Period> month(const QString &text)
{
    static const QRegularExpression iso(u"^(\\d{4})-(\\d{2})$"_s);
    static const QRegularExpression stored(u"^(\\d{2})/(\\d{2})$"_s);
    std::optional<QDate> first;
    if (const auto p = parts(text, iso))
        first = checked(p->at(0), p->at(1), 1);
    else if (const auto p = parts(text, stored))
        first = checked(firstYear + p->at(1), p->at(0), 1);
    if (!first)
        return std::nullopt;
    return Period{*first, first->addDays(first->daysInMonth() - 1)};
}

} // namespace CommandLineDates
