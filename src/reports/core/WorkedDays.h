#pragma once

#include "reports/core/HoursMinutes.h"

#include <QList>
#include <QString>
#include <QStringList>

// Pairs one employee's log-ins and log-outs day by day: a day needs both to count, and
// then its worked time runs from its first log-in to its first log-out. A shift past
// midnight is two incomplete days, never one pair.
class WorkedDays
{
public:
    struct Clocking
    {
        QString date; // MM/dd/yy
        QString time; // HH:MM:SS
        QString type; // IN or OUT; anything else is not a clocking
    };

    struct Day
    {
        QString date;
        HoursMinutes worked;
        bool operator==(const Day &) const = default;
    };

    // `clockings` in chronological order; every list keeps that order and names a
    // date once.
    explicit WorkedDays(const QList<Clocking> &clockings);

    const QStringList &missingLogIns() const { return m_missingLogIns; }
    const QStringList &missingLogOuts() const { return m_missingLogOuts; }
    const QList<Day> &validDays() const { return m_validDays; }

private:
    QStringList m_missingLogIns;
    QStringList m_missingLogOuts;
    QList<Day> m_validDays;
};
