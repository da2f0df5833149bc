#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

// What the station's status panel tells the person at the card field after a card entry.
struct ClockingFeedback
{
    enum class Kind
    {
        None, // nothing to show: a database error or the break dialog took over
        In,
        Out,
        Unknown, // no employee holds the card
        Refused, // not clocked; `message` is what its message box said
    };

    Kind kind = Kind::None;
    QString employee;
    QString card;
    QTime at;
    // Filled in by the station from the work periods.
    int workedTodayMinutes = 0;
    int workedWeekMinutes = 0;
    QString message;

    // The panel's lines, e.g. the name, "IN at 08:01" and the worked time.
    QStringList lines() const;
    // Shown as a warning: the card was not clocked.
    bool alert() const { return kind == Kind::Unknown || kind == Kind::Refused; }

    // Minutes as hours and minutes, e.g. "7:05".
    static QString duration(int minutes);
};
