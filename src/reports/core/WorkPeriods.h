#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

// One card's clockings paired into shifts for pay: each IN with the next OUT, across
// dates, a shift counting for the date it began. A punch left without a partner, or one
// whose partner lies beyond the pair limit, is incomplete and never paid. Elapsed time
// is taken in the given time zone, so the nights the clocks change count their real
// length. Clock times count to the minute, as on the hours report: seconds are dropped.
class WorkPeriods
{
public:
    struct Punch
    {
        QString date; // MM/dd/yy
        QString time; // HH:MM:SS
        QString type; // IN or OUT; anything else is ignored
    };

    struct Break
    {
        QString date;  // MM/dd/yy
        QString start; // HH:MM:SS
        QString end;   // HH:MM:SS, "-" while the break lasts
    };

    struct Rules
    {
        bool unpaidBreaks = true;
        int roundingMinutes = 0; // each punch to the nearest multiple; 0 for none
        int pairLimitMinutes = 16 * 60;
        QTimeZone zone = QTimeZone::systemTimeZone();
    };

    struct Shift
    {
        QDateTime in;
        QDateTime out;
        int workedMinutes = 0;
        int breakMinutes = 0;
        int paidMinutes = 0;
        QDate date() const { return in.date(); }
    };

    enum class Gap
    {
        MissingOut, // an IN that no OUT closed
        MissingIn,  // an OUT that no IN opened
        OpenBreak   // a break begun in a shift and never ended
    };

    struct Incomplete
    {
        QDate date; // the date it counts for: an open break's is its shift's
        QDateTime when;
        Gap gap;
        bool operator==(const Incomplete &) const = default;
    };

    // A date's shifts summed, with the loose punches of that date.
    struct Day
    {
        QDate date;
        QTime firstIn; // null when none
        QTime lastOut; // null when none
        int workedMinutes = 0;
        int breakMinutes = 0;
        int paidMinutes = 0;
        bool incomplete = false;
    };

    // Paid minutes of the days of one week, Monday first.
    struct Week
    {
        QDate monday;
        int paidMinutes = 0;
        int overtimeMinutes = 0;
    };

    // `punches` and `breaks` in the order they were entered; they are sorted here.
    WorkPeriods(const QList<Punch> &punches, const QList<Break> &breaks, const Rules &rules);

    const QList<Shift> &shifts() const { return m_shifts; }
    const QList<Incomplete> &incomplete() const { return m_incomplete; }

    // The dates from `from` to `to` that have a shift or an incomplete punch, in order.
    QList<Day> days(const QDate &from, const QDate &to) const;

    // The weeks `days` fall in; paid time beyond `overtimeMinutes` in a week is overtime.
    static QList<Week> weeks(const QList<Day> &days, int overtimeMinutes);

    // A stored MM/dd/yy date (years 2000 to 2099) and HH:MM:SS time; invalid when unreadable.
    static QDate dateOf(const QString &text);
    static QTime timeOf(const QString &text);

private:
    QDateTime at(const QString &date, const QString &time) const;
    QDateTime rounded(const QDateTime &when) const;
    void takeOffBreaks(const QList<Break> &breaks);

    Rules m_rules;
    QList<Shift> m_shifts;
    QList<Incomplete> m_incomplete;
};
