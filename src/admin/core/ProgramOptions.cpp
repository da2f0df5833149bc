#include "admin/core/ProgramOptions.h"

#include "admin/core/ManagerAddress.h"
#include "platform/core/Prompter.h"
#include "platform/network/SenderAllowList.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/StationOptions.h"
#include "store/UsedBreaks.h"

using namespace Qt::StringLiterals;

namespace {

QString updated(ProgramOptions::Time time)
{
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return ProgramOptions::tr(
            "Early cut off time updated.Please restart Chronel for changes to "
            "take effect!");
    case ProgramOptions::Time::LateCutOff:
        return ProgramOptions::tr("Late cut off time updated.Please restart Chronel for changes to "
                                  "take effect!");
    case ProgramOptions::Time::AutoLogIn:
        return ProgramOptions::tr(
            "Auto login time updated.Please restart Chronel for changes to take "
            "effect!");
    case ProgramOptions::Time::AutoLogOut:
        return ProgramOptions::tr(
            "Auto logout time updated.Please restart Chronel for changes to take "
            "effect!");
    }
    return {};
}

// The names the audit trail gives the times, and each one's stored value.
QString optionName(ProgramOptions::Time time)
{
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return u"early cut-off"_s;
    case ProgramOptions::Time::LateCutOff:
        return u"late cut-off"_s;
    case ProgramOptions::Time::AutoLogIn:
        return u"automatic log-in"_s;
    case ProgramOptions::Time::AutoLogOut:
        return u"automatic log-out"_s;
    }
    return {};
}

QString storedTime(Database &db, ProgramOptions::Time time)
{
    const StationSettings::Times times = StationSettings::times(db);
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return times.earlyCutOff;
    case ProgramOptions::Time::LateCutOff:
        return times.lateCutOff;
    case ProgramOptions::Time::AutoLogIn:
        return times.autoLogIn;
    case ProgramOptions::Time::AutoLogOut:
        return times.autoLogOut;
    }
    return {};
}

QString switchesText(const ProgramOptions::Switches &switches)
{
    const auto state = [](bool on) { return on ? u"on"_s : u"off"_s; };
    return u"confirmation %1, breaks %2, authorisation %3"_s.arg(
        state(switches.confirmation), state(switches.breaks), state(switches.authorisation));
}

// Records a changed option as "name: value" before and after.
void noteOption(Database &db, const QString &name, const QString &before, const QString &after)
{
    AuditTrail::note(db, AuditTrail::Kind::ProgramOptions, name + u": "_s + before,
                     name + u": "_s + after);
}

void noteSwitches(Database &db, const ProgramOptions::Switches &before,
                  const ProgramOptions::Switches &after)
{
    AuditTrail::note(db, AuditTrail::Kind::ProgramOptions, switchesText(before),
                     switchesText(after));
}

} // namespace

std::optional<ProgramOptions::Stored> ProgramOptions::load()
{
    std::optional<Stored> stored;
    runReported(m_prompter, [&] {
        const StationSettings::Values settings = StationSettings::load(m_db);
        stored = Stored{settings.managerAddress,
                        StationOptions(m_db).text(StationOptions::breakRequestSenders),
                        settings.times.earlyCutOff,
                        settings.times.lateCutOff,
                        settings.times.autoLogIn,
                        settings.times.autoLogOut,
                        {settings.confirmation, settings.breaks == StationSettings::Switch::On,
                         settings.authorisation,
                         StationOptions(m_db).text(StationOptions::kiosk) == u"1"_s},
                        StationOptions(m_db).number(StationOptions::supervisorIdleMinutes,
                                                    StartupValues::defaultSupervisorIdleMinutes),
                        WorkSettings::load(m_db)};
    });
    return stored;
}

std::optional<QString> ProgramOptions::updateTime(Time time, const TimeEntry &entry)
{
    // The fields refuse what is out of range as it is typed; only complete times are stored,
    // since the automatic log-in and log-out compare them as text.
    if (!entry.isComplete()) {
        m_prompter.inform(tr("Error"), tr("Please check time values!"), PromptIcon::Error);
        return std::nullopt;
    }
    const QString value = entry.text();
    if (!writeReported(m_prompter, m_db, [&] {
            const QString before = storedTime(m_db, time);
            StationSettings::setTime(m_db, time, value);
            noteOption(m_db, optionName(time), before, value);
        }))
        return std::nullopt;
    m_prompter.inform(tr("Success"), updated(time), PromptIcon::Information);
    return value;
}

std::optional<QString> ProgramOptions::updateManagerAddress(const QString &typed)
{
    const QString address = typed.trimmed();
    if (address.isEmpty()) {
        m_prompter.inform(tr("Error!"), tr("Please enter in a valid ip address"),
                          PromptIcon::Error);
        return std::nullopt;
    }
    if (!ManagerAddress::isValid(address)) {
        m_prompter.inform(tr("Error!"),
                          tr("Please enter in a valid ip address (for example "
                             "192.168.0.10) or host name (for example manager-pc)"),
                          PromptIcon::Error);
        return std::nullopt;
    }
    if (!writeReported(m_prompter, m_db, [&] {
            const QString before = StationSettings::load(m_db).managerAddress;
            StationSettings::setManagerAddress(m_db, address);
            noteOption(m_db, u"manager address"_s, before, address);
        }))
        return std::nullopt;
    m_prompter.inform(tr("Success"),
                      tr("Ip Adress updated.Please restart Chronel for changes to take effect!"),
                      PromptIcon::Information);
    return address;
}

std::optional<int> ProgramOptions::updateSupervisorIdleMinutes(const QString &typed)
{
    bool ok = false;
    const QString text = typed.trimmed();
    const int minutes = text.toInt(&ok);
    if (!ok || minutes < 0 || minutes > maxSupervisorIdleMinutes) {
        m_prompter.inform(tr("Error!"),
                          tr("Please enter the minutes as a whole number from 0 (never "
                             "log out) to %1.")
                              .arg(maxSupervisorIdleMinutes),
                          PromptIcon::Error);
        return std::nullopt;
    }
    if (!writeReported(m_prompter, m_db, [&] {
            StationOptions options(m_db);
            const QString before = options.text(StationOptions::supervisorIdleMinutes);
            options.set(StationOptions::supervisorIdleMinutes, QString::number(minutes));
            noteOption(m_db, u"supervisor idle minutes"_s, before, QString::number(minutes));
        }))
        return std::nullopt;
    m_prompter.inform(tr("Success"),
                      tr("Supervisor log-out time updated.Please restart Chronel for "
                         "changes to take effect!"),
                      PromptIcon::Information);
    return minutes;
}

std::optional<QString> ProgramOptions::updateBreakRequestSenders(const QString &typed)
{
    const QStringList entries = SenderAllowList::entries(typed);
    for (const QString &entry : entries) {
        if (!ManagerAddress::isValid(entry) && !SenderAllowList::isIpv6Address(entry)) {
            m_prompter.inform(tr("Error!"),
                              tr("\"%1\" is not a valid ip address or host name. Please "
                                 "enter addresses (for example 192.168.0.10 or fe80::1) "
                                 "or host names (for example manager-pc), separated by "
                                 "commas or blanks")
                                  .arg(entry),
                              PromptIcon::Error);
            return std::nullopt;
        }
    }
    const QString senders = entries.join(u", "_s);
    if (!writeReported(m_prompter, m_db, [&] {
            StationOptions options(m_db);
            const QString before = options.text(StationOptions::breakRequestSenders);
            options.set(StationOptions::breakRequestSenders, senders);
            noteOption(m_db, u"break request senders"_s, before, senders);
        }))
        return std::nullopt;
    m_prompter.inform(tr("Success"),
                      tr("Break request senders updated.Please restart Chronel for "
                         "changes to take effect!"),
                      PromptIcon::Information);
    return senders;
}

ProgramOptions::Switches ProgramOptions::setConfirmation(const Switches &shown, bool on)
{
    Switches after = shown;
    after.confirmation = on;
    // The break dialog is reached only through the confirmation question: no
    // confirmation, no breaks.
    if (!on && shown.breaks) {
        if (!m_prompter.ask(tr("Breaks"),
                            tr("Please note breaks will now be disabled as breaks "
                               "require the confirmation option to be enabled.Are you "
                               "sure you want to disable the confirmation box and "
                               "disable breaks?")))
            return shown;
        after.breaks = false;
    }
    const bool written = writeReported(m_prompter, m_db, [&] {
        StationSettings::setConfirmation(m_db, on);
        if (shown.breaks && !after.breaks)
            disableBreaks();
        noteSwitches(m_db, shown, after);
    });
    if (!written)
        return shown;
    tellToRestart();
    return after;
}

ProgramOptions::Switches ProgramOptions::setBreaks(const Switches &shown, bool on)
{
    Switches after = shown;
    after.breaks = on;
    if (!on) {
        const bool written = writeReported(m_prompter, m_db, [&] {
            disableBreaks();
            noteSwitches(m_db, shown, after);
        });
        if (!written)
            return shown;
        tellToRestart();
        return after;
    }

    bool noEmployees = false;
    const bool written = writeReported(m_prompter, m_db, [&] {
        if (!EmployeeRecords::any(m_db)) {
            noEmployees = true;
            return;
        }
        UsedBreaks::lockForChange(m_db);
        StationSettings::setBreaks(m_db, true);
        UsedBreaks::addMissingRows(m_db);
        StationSettings::setConfirmation(m_db, true);
        Switches on = after;
        on.confirmation = true;
        noteSwitches(m_db, shown, on);
    });
    if (!written)
        return shown;
    if (noEmployees) {
        m_prompter.inform(tr("Error!"), tr("Error,please add an employee before enabling breaks"),
                          PromptIcon::Error);
        return shown;
    }
    after.confirmation = true;
    m_prompter.inform(tr("Changes"),
                      tr("Clock in confirmation will also be enabled as this is "
                         "required for breaks to function.Please restart Chronel for "
                         "changes to take effect!"),
                      PromptIcon::Information);
    tellToRestart();
    return after;
}

ProgramOptions::Switches ProgramOptions::setAuthorisation(const Switches &shown, bool on)
{
    Switches after = shown;
    after.authorisation = on;
    if (!writeReported(m_prompter, m_db, [&] {
            StationSettings::setAuthorisation(m_db, on);
            noteSwitches(m_db, shown, after);
        }))
        return shown;
    tellToRestart();
    return after;
}

ProgramOptions::Switches ProgramOptions::setKiosk(const Switches &shown, bool on)
{
    const auto state = [](bool kiosk) { return kiosk ? u"on"_s : u"off"_s; };
    if (!writeReported(m_prompter, m_db, [&] {
            StationOptions(m_db).set(StationOptions::kiosk, on ? u"1"_s : u"0"_s);
            noteOption(m_db, u"kiosk mode"_s, state(shown.kiosk), state(on));
        }))
        return shown;
    tellToRestart();
    Switches after = shown;
    after.kiosk = on;
    return after;
}

void ProgramOptions::disableBreaks()
{
    UsedBreaks::lockForChange(m_db);
    StationSettings::setBreaks(m_db, false);
    UsedBreaks::removeAll(m_db);
}

void ProgramOptions::tellToRestart()
{
    m_prompter.inform(tr("Changes"), tr("Please restart Chronel for changes to take effect!"),
                      PromptIcon::Information);
}
