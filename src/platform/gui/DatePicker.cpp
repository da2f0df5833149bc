#include "platform/gui/DatePicker.h"

#include "platform/core/Clock.h"

using namespace Qt::StringLiterals;

DatePicker::DatePicker(const QDate &today, QWidget *parent) : QDateEdit(parent)
{
    // Digits and separators of some locales are not the stored ones.
    setLocale(QLocale::c());
    // A date of another century would read back as one of this century.
    setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
    setDisplayFormat(u"MM/dd/yy"_s);
    setCalendarPopup(true);
    setDate(today);
}

QString DatePicker::text() const
{
    return Clock::dateText(date());
}
