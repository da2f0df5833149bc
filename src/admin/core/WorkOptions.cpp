#include "admin/core/WorkOptions.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/ReportedErrors.h"

#include <QLocale>
#include <QObject>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString settingsText(const WorkSettings &settings)
{
    const auto state = [](bool on) { return on ? u"on"_s : u"off"_s; };
    return u"unpaid breaks %1, rounding %2 min, overtime after %3 h, across midnight %4, "
           "several clock-ins %5"_s.arg(state(settings.unpaidBreaks))
               .arg(settings.roundingMinutes)
               .arg(WorkOptions::hoursText(settings.overtimeMinutes), state(settings.crossMidnight),
                    state(settings.severalClockIns));
}

} // namespace

template <typename Write>
WorkSettings WorkOptions::write(const WorkSettings &shown, const WorkSettings &after,
                                Write &&statements)
{
    return writeReported(m_prompter, m_db,
                         [&] {
                             statements();
                             AuditTrail::note(m_db, AuditTrail::Kind::ProgramOptions,
                                              settingsText(shown), settingsText(after));
                         })
               ? after
               : shown;
}

WorkSettings WorkOptions::setUnpaidBreaks(const WorkSettings &shown, bool on)
{
    WorkSettings after = shown;
    after.unpaidBreaks = on;
    return write(shown, after, [&] { WorkSettings::setUnpaidBreaks(m_db, on); });
}

WorkSettings WorkOptions::setRounding(const WorkSettings &shown, int minutes)
{
    if (!WorkSettings::isRounding(minutes))
        return shown;
    WorkSettings after = shown;
    after.roundingMinutes = minutes;
    return write(shown, after, [&] { WorkSettings::setRounding(m_db, minutes); });
}

WorkSettings WorkOptions::updateOvertimeHours(const WorkSettings &shown, const QString &typed)
{
    // A dot always; a comma where the desktop writes decimals that way.
    const QString text = typed.trimmed();
    bool ok = false;
    double hours = text.toDouble(&ok);
    if (!ok)
        hours = QLocale().toDouble(text, &ok);
    const long minutes = ok ? std::lround(hours * 60) : 0;
    if (!ok || minutes < 60 || minutes > 168 * 60) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Please enter the weekly hours after which time counts as "
                                      "overtime, from 1 to 168 (for example 40 or 37.5)."),
                          PromptIcon::Error);
        return shown;
    }
    WorkSettings after = shown;
    after.overtimeMinutes = int(minutes);
    if (!writeReported(m_prompter, m_db, [&] {
            WorkSettings::setOvertimeMinutes(m_db, int(minutes));
            AuditTrail::note(m_db, AuditTrail::Kind::ProgramOptions, settingsText(shown),
                             settingsText(after));
        }))
        return shown;
    m_prompter.inform(
        QObject::tr("Success"),
        QObject::tr("Weekly overtime now counts after %1 hours.").arg(hoursText(int(minutes))),
        PromptIcon::Information);
    return after;
}

WorkSettings WorkOptions::setCrossMidnight(const WorkSettings &shown, bool on)
{
    WorkSettings after = shown;
    after.crossMidnight = on;
    return write(shown, after, [&] { WorkSettings::setCrossMidnight(m_db, on); });
}

WorkSettings WorkOptions::setSeveralClockIns(const WorkSettings &shown, bool on)
{
    WorkSettings after = shown;
    after.severalClockIns = on;
    return write(shown, after, [&] { WorkSettings::setSeveralClockIns(m_db, on); });
}

QString WorkOptions::hoursText(int minutes)
{
    return QString::number(minutes / 60.0, 'g', 6);
}
