#include "admin/core/ProgramOptions.h"

#include "admin/core/ManagerAddress.h"
#include "platform/core/Prompter.h"
#include "platform/network/SenderAllowList.h"
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
                         settings.authorisation},
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
    if (!writeReported(m_prompter, m_db, [&] { StationSettings::setTime(m_db, time, value); }))
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
    if (!writeReported(m_prompter, m_db,
                       [&] { StationSettings::setManagerAddress(m_db, address); }))
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
            StationOptions(m_db).set(StationOptions::supervisorIdleMinutes,
                                     QString::number(minutes));
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
            StationOptions(m_db).set(StationOptions::breakRequestSenders, senders);
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
        const bool written = writeReported(m_prompter, m_db, [&] { disableBreaks(); });
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
    if (!writeReported(m_prompter, m_db, [&] { StationSettings::setAuthorisation(m_db, on); }))
        return shown;
    tellToRestart();
    Switches after = shown;
    after.authorisation = on;
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
