#pragma once

#include <QDate>
#include <QString>
#include <optional>

// Dates and months as a command line gives them: yyyy-mm-dd or MM/DD/YY, and yyyy-mm or
// MM/YY. Only the years 2000 to 2099 are taken, the years the stored MM/DD/YY dates and
// the station's date pickers hold.
namespace CommandLineDates {

struct Period
{
    QDate start;
    QDate end;
};

// Nothing for a text that is not a real date in one of the two forms.
std::optional<QDate> date(const QString &text);
// The month's first and last day; nothing for a text that is not a month.
std::optional<Period> month(const QString &text);

} // namespace CommandLineDates
