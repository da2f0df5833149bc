#include "AccessGate.h"

#include "Database.h"
#include "Prompter.h"
#include "ReportedErrors.h"
#include "StartupValues.h"

#include <QObject>

using namespace Qt::StringLiterals;

bool AccessGate::allows(StationMenu::Access access)
{
    if (access == StationMenu::Access::Open)
        return true;
    if (access == StationMenu::Access::Disabled)
        return false;
    if (access == StationMenu::Access::BreaksGated && m_values.enableBreaks == u"0"_s) {
        m_prompter.inform(QObject::tr("Disabled"),
                          QObject::tr("Breaks are currently disabled.They can be enabled via "
                                      "the program options menu"),
                          PromptIcon::Information);
        return false;
    }
    bool loggedIn = false;
    if (!runReported(m_prompter, [&] { loggedIn = supervisorLoggedIn(); }))
        return false;
    if (!loggedIn)
        m_prompter.inform(QObject::tr("Authorisation"),
                          QObject::tr("Sorry you do not have access to this function"),
                          PromptIcon::Exclamation);
    return loggedIn;
}

bool AccessGate::supervisorLoggedIn()
{
    return m_db.first(u"select tmp from tmp"_s)[u"tmp"_s] != u"0"_s;
}
