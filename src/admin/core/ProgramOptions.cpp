#include "admin/core/ProgramOptions.h"

#include "admin/core/ManagerAddress.h"
#include "platform/core/Prompter.h"
#include "platform/network/SenderAllowList.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/StationOptions.h"
#include "store/UsedBreaks.h"

#include <QObject>

using namespace Qt::StringLiterals;

namespace {

bool isOn(const QString &value)
{
    return value == u"1"_s;
}

QString flag(bool on)
{
    return on ? u"1"_s : u"0"_s;
}

QString column(ProgramOptions::Time time)
{
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return u"eco"_s;
    case ProgramOptions::Time::LateCutOff:
        return u"lco"_s;
    case ProgramOptions::Time::AutoLogIn:
        return u"ali"_s;
    case ProgramOptions::Time::AutoLogOut:
        return u"alo"_s;
    }
    return {};
}

QString updated(ProgramOptions::Time time)
{
    switch (time) {
    case ProgramOptions::Time::EarlyCutOff:
        return QObject::tr("Early cut off time updated.Please restart Chronel for changes to "
                           "take effect!");
    case ProgramOptions::Time::LateCutOff:
        return QObject::tr("Late cut off time updated.Please restart Chronel for changes to "
                           "take effect!");
    case ProgramOptions::Time::AutoLogIn:
        return QObject::tr("Auto login time updated.Please restart Chronel for changes to take "
                           "effect!");
    case ProgramOptions::Time::AutoLogOut:
        return QObject::tr("Auto logout time updated.Please restart Chronel for changes to take "
                           "effect!");
    }
    return {};
}

} // namespace

std::optional<ProgramOptions::Stored> ProgramOptions::load()
{
    std::optional<Stored> stored;
    runReported(m_prompter, [&] {
        const SqlRow settings = m_db.first(u"select ipadd,eco,lco,ali,alo from settings"_s);
        const SqlRow confirmation = m_db.first(u"select active from con"_s);
        const SqlRow breaks = m_db.first(u"select enablebreaks,enableauth from breaksettings"_s);
        stored = Stored{settings[u"ipadd"_s],
                        StationOptions(m_db).text(StationOptions::breakRequestSenders),
                        settings[u"eco"_s],
                        settings[u"lco"_s],
                        settings[u"ali"_s],
                        settings[u"alo"_s],
                        {isOn(confirmation[u"active"_s]), isOn(breaks[u"enablebreaks"_s]),
                         isOn(breaks[u"enableauth"_s]),
                         isOn(StationOptions(m_db).text(StationOptions::kiosk))},
                        StationOptions(m_db).number(StationOptions::supervisorIdleMinutes,
                                                    StartupValues::defaultSupervisorIdleMinutes)};
    });
    return stored;
}

std::optional<QString> ProgramOptions::updateTime(Time time, const TimeEntry &entry)
{
    // The fields refuse what is out of range as it is typed; only complete times are stored,
    // since the automatic log-in and log-out compare them as text.
    if (!entry.isComplete()) {
        m_prompter.inform(QObject::tr("Error"), QObject::tr("Please check time values!"),
                          PromptIcon::Error);
        return std::nullopt;
    }
    const QString value = entry.text();
    if (!writeReported(m_prompter, m_db, [&] {
            m_db.exec(u"update settings set %1 = ?"_s.arg(column(time)), {value});
        }))
        return std::nullopt;
    m_prompter.inform(QObject::tr("Success"), updated(time), PromptIcon::Information);
    return value;
}

std::optional<QString> ProgramOptions::updateManagerAddress(const QString &typed)
{
    const QString address = typed.trimmed();
    if (address.isEmpty()) {
        m_prompter.inform(QObject::tr("Error!"), QObject::tr("Please enter in a valid ip address"),
                          PromptIcon::Error);
        return std::nullopt;
    }
    if (!ManagerAddress::isValid(address)) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Please enter in a valid ip address (for example "
                                      "192.168.0.10) or host name (for example manager-pc)"),
                          PromptIcon::Error);
        return std::nullopt;
    }
    if (!writeReported(m_prompter, m_db,
                       [&] { m_db.exec(u"update settings set ipadd = ?"_s, {address}); }))
        return std::nullopt;
    m_prompter.inform(
        QObject::tr("Success"),
        QObject::tr("Ip Adress updated.Please restart Chronel for changes to take effect!"),
        PromptIcon::Information);
    return address;
}

std::optional<int> ProgramOptions::updateSupervisorIdleMinutes(const QString &typed)
{
    bool ok = false;
    const QString text = typed.trimmed();
    const int minutes = text.toInt(&ok);
    if (!ok || minutes < 0 || minutes > maxSupervisorIdleMinutes) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Please enter the minutes as a whole number from 0 (never "
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
    m_prompter.inform(QObject::tr("Success"),
                      QObject::tr("Supervisor log-out time updated.Please restart Chronel for "
                                  "changes to take effect!"),
                      PromptIcon::Information);
    return minutes;
}

std::optional<QString> ProgramOptions::updateBreakRequestSenders(const QString &typed)
{
    const QStringList entries = SenderAllowList::entries(typed);
    for (const QString &entry : entries) {
        if (!ManagerAddress::isValid(entry) && !SenderAllowList::isIpv6Address(entry)) {
            m_prompter.inform(QObject::tr("Error!"),
                              QObject::tr("\"%1\" is not a valid ip address or host name. Please "
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
    m_prompter.inform(QObject::tr("Success"),
                      QObject::tr("Break request senders updated.Please restart Chronel for "
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
        if (!m_prompter.ask(QObject::tr("Breaks"),
                            QObject::tr("Please note breaks will now be disabled as breaks "
                                        "require the confirmation option to be enabled.Are you "
                                        "sure you want to disable the confirmation box and "
                                        "disable breaks?")))
            return shown;
        after.breaks = false;
    }
    const bool written = writeReported(m_prompter, m_db, [&] {
        m_db.exec(u"update con set active = ?"_s, {flag(on)});
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
        if (m_db.select(u"select employee from employees limit 1"_s).isEmpty()) {
            noEmployees = true;
            return;
        }
        UsedBreaks::lockForChange(m_db);
        m_db.exec(u"update breaksettings set enablebreaks = '1'"_s);
        // One row of break marks per card; a card that has one keeps it as it is.
        m_db.exec(u"insert into usedbreaks (employee,used1,used2,used3) "
                  "select distinct e.cardnum,'0','0','0' from employees e "
                  "where e.cardnum is not null and not exists "
                  "(select 1 from usedbreaks u where u.employee = e.cardnum)"_s);
        m_db.exec(u"update con set active = '1'"_s);
    });
    if (!written)
        return shown;
    if (noEmployees) {
        m_prompter.inform(QObject::tr("Error!"),
                          QObject::tr("Error,please add an employee before enabling breaks"),
                          PromptIcon::Error);
        return shown;
    }
    after.confirmation = true;
    m_prompter.inform(QObject::tr("Changes"),
                      QObject::tr("Clock in confirmation will also be enabled as this is "
                                  "required for breaks to function.Please restart Chronel for "
                                  "changes to take effect!"),
                      PromptIcon::Information);
    tellToRestart();
    return after;
}

ProgramOptions::Switches ProgramOptions::setAuthorisation(const Switches &shown, bool on)
{
    if (!writeReported(m_prompter, m_db, [&] {
            m_db.exec(u"update breaksettings set enableauth = ?"_s, {flag(on)});
        }))
        return shown;
    tellToRestart();
    Switches after = shown;
    after.authorisation = on;
    return after;
}

ProgramOptions::Switches ProgramOptions::setKiosk(const Switches &shown, bool on)
{
    if (!writeReported(m_prompter, m_db,
                       [&] { StationOptions(m_db).set(StationOptions::kiosk, flag(on)); }))
        return shown;
    tellToRestart();
    Switches after = shown;
    after.kiosk = on;
    return after;
}

void ProgramOptions::disableBreaks()
{
    UsedBreaks::lockForChange(m_db);
    m_db.exec(u"update breaksettings set enablebreaks = '0'"_s);
    m_db.exec(u"delete from usedbreaks"_s);
}

void ProgramOptions::tellToRestart()
{
    m_prompter.inform(QObject::tr("Changes"),
                      QObject::tr("Please restart Chronel for changes to take effect!"),
                      PromptIcon::Information);
}
