#pragma once

#include <QDateTime>
#include <QString>

// The current date and time as the programs store them: MM/DD/YY and HH:MM:SS.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    QString dateText() const;
    QString timeText() const;

    static QString dateText(const QDate &date);
    static QString timeText(const QTime &time);
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override;
};
