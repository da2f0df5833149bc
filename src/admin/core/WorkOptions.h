#pragma once

#include "store/WorkSettings.h"

#include <QString>
#include <optional>

class Database;
class Prompter;

// The pay and shift settings of Program Options. Each change is written at once and
// holds from the next clocking or export on: both read the settings when they run.
// Each returns the settings to show afterwards, the old ones when the change was refused
// or failed (the message was shown).
class WorkOptions
{
public:
    WorkOptions(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    WorkSettings setUnpaidBreaks(const WorkSettings &shown, bool on);
    WorkSettings setRounding(const WorkSettings &shown, int minutes);
    // Hours as typed: a whole or decimal number ("40", "37.5"), at most 168.
    WorkSettings updateOvertimeHours(const WorkSettings &shown, const QString &typed);
    WorkSettings setCrossMidnight(const WorkSettings &shown, bool on);
    WorkSettings setSeveralClockIns(const WorkSettings &shown, bool on);

    // "40", "37.5": the threshold as the dialog shows it.
    static QString hoursText(int minutes);

private:
    template <typename Write>
    WorkSettings write(const WorkSettings &shown, const WorkSettings &after, Write &&statements);

    Database &m_db;
    Prompter &m_prompter;
};
