#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The lines of the break occurrence report for one employee: the breaks begun and never
// ended, and the completed ones. With more than one break a day, a day's line holds its
// break 1 with the same day's later breaks beside it and their total.
class BreakOccurrences
{
public:
    struct Break
    {
        QString date;   // MM/dd/yy
        QString number; // "1" to "3"
        QString start;  // HH:MM:SS, "-" when not begun
        QString end;    // HH:MM:SS, "-" while the break lasts
    };

    struct Line
    {
        QStringList cells;
        // False when the day's last break looked up is missing: the page then leaves
        // that row open, as the report always has.
        bool closed = true;
        bool operator==(const Line &) const = default;
    };

    // `breaks` in chronological order; `breaksADay` is the number of breaks a day the
    // station runs with, `names` the names of breaks 1 to 3.
    BreakOccurrences(const QList<Break> &breaks, int breaksADay, const QStringList &names);

    // Date, break name, start.
    QList<Line> incomplete() const;
    // One break a day: date, name, start, end, duration. More: date, start and end of
    // each break (or "-" and "-"), total.
    QList<Line> completed() const;

private:
    bool counted(const Break &b) const;
    QString nameOf(const Break &b) const;
    const Break *completedOn(const QString &date, int number) const;
    QList<Line> singleBreakLines() const;
    QList<Line> dayLines() const;

    QList<Break> m_breaks;
    int m_breaksADay;
    QStringList m_names;
};
