#include "station/core/AccessGate.h"

#include "platform/core/Prompter.h"
#include "station/core/SupervisorSession.h"
#include "store/StartupValues.h"

using namespace Qt::StringLiterals;

bool AccessGate::allows(StationMenu::Access access)
{
    if (access == StationMenu::Access::Open)
        return true;
    if (access == StationMenu::Access::Disabled)
        return false;
    if (access == StationMenu::Access::BreaksGated &&
        m_values.breaks == StationSettings::Switch::Off) {
        m_prompter.inform(tr("Disabled"),
                          tr("Breaks are currently disabled.They can be enabled via "
                             "the program options menu"),
                          PromptIcon::Information);
        return false;
    }
    if (m_session.loggedIn())
        return true;
    m_prompter.inform(tr("Authorisation"), tr("Sorry you do not have access to this function"),
                      PromptIcon::Exclamation);
    return false;
}
