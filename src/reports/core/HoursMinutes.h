#pragma once

#include <QString>

// A span of whole hours and minutes as the hours and break reports print it. Seconds
// play no part: the clock texts are cut after their minutes.
struct HoursMinutes
{
    int hours = 0;
    int minutes = 0;

    // From one HH:MM:SS text to another. An end earlier in the day than the start has
    // crossed midnight.
    static HoursMinutes between(const QString &start, const QString &end);

    // A sum keeps its minutes below 60; its hours do not wrap.
    HoursMinutes operator+(const HoursMinutes &other) const;
    bool operator==(const HoursMinutes &) const = default;

    // "8 hours,30 minutes": no blank after the comma, no leading zeros.
    QString text() const;
};
