#pragma once

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>

class Prompter;

// A time typed as three parts (hour, minute, second). Checks a part as it is typed and
// gives the time as stored: HH:MM:SS.
class TimeEntry
{
    Q_DECLARE_TR_FUNCTIONS(TimeEntry)

public:
    enum class Part
    {
        Hour,
        Minute,
        Second
    };
    enum class Verdict
    {
        Incomplete, // fewer than two characters: nothing to say yet
        Accepted,   // two characters in range: the next part can be typed
        Refused,    // out of range: the user was told and the part must be emptied
    };

    // What a part field accepts as typed: up to two digits.
    static const QRegularExpression &partPattern();
    // Checks a part's text once it is two characters long; a refusal is shown first.
    static Verdict check(Part part, const QString &text, Prompter &prompter);

    TimeEntry() = default;
    TimeEntry(QString hour, QString minute, QString second);

    bool hasEmptyPart() const;
    // Every part filled with digits in range.
    bool isComplete() const;
    // "HH:MM:SS"; a one-digit part gets a leading zero.
    QString text() const;

private:
    QString m_hour;
    QString m_minute;
    QString m_second;
};
