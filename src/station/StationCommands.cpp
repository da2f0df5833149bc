#include "StationCommands.h"

#include "BreakOccurrenceDialog.h"
#include "BreakOptionsDialog.h"
#include "Clock.h"
#include "CompanySetupDialog.h"
#include "DailyReportDialog.h"
#include "DatabaseManagerDialog.h"
#include "EarlyLateLeaversDialog.h"
#include "EmployeeHoursDialog.h"
#include "EmployeeManagerDialog.h"
#include "ErrorLogReportDialog.h"
#include "ExitCode.h"
#include "IndividualReportDialog.h"
#include "LoginDialog.h"
#include "ManualBreakEntryDialog.h"
#include "ManualClockingDialog.h"
#include "MonthlyReportDialog.h"
#include "NetworkOptionsDialog.h"
#include "NoClockReportDialog.h"
#include "ProgramOptionsDialog.h"
#include "SecurityManagerDialog.h"
#include "StartupValues.h"
#include "StationContext.h"
#include "StationWindow.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

StationCommands::StationCommands(StationWindow &window, StationContext &context)
    : m_window(window), m_context(context),
      m_gate(context.prompter, context.values, context.session),
      m_login(context.db, context.prompter, context.clock, context.session),
      m_globalClocking(context.db, context.prompter),
      m_automaticClocking(m_globalClocking, context.prompter, context.values.autoLogInTime,
                          context.values.autoLogOutTime, context.clock.now()),
      m_clocking(context,
                 [this](const QString &employee) {
                     m_breaks.openBreakDialog(employee, m_context.currentCardNumber);
                 }),
      m_breaks(context.db, context.prompter, context.clock, context.values, &window)
{
    connect(&window, &StationWindow::cardEntered, this, &StationCommands::clockCard);
    connect(&window, &StationWindow::ticked, this, &StationCommands::tick);
    // Any key or click at this station counts as use of a supervisor's log-in.
    qApp->installEventFilter(this);

    window.setCommandHandler(StationMenu::LogIn, [this] { openLogIn(); });
    window.setCommandHandler(StationMenu::LogOut, [this] { m_login.logOut(); });
    addGated(StationMenu::ForceLogIn, [this] { m_globalClocking.forceLogIn(); });
    addGated(StationMenu::ForceLogOut, [this] { m_globalClocking.forceLogOut(); });
    addGated(StationMenu::CompanySetup,
             [this] { CompanySetupDialog::run(m_context.db, m_context.prompter, &m_window); });
    addGated(StationMenu::EmployeeManager, [this] {
        EmployeeManagerDialog::run(m_context.db, m_context.prompter, m_chosenEmployee, &m_window);
    });
    addGated(StationMenu::SecurityManager,
             [this] { SecurityManagerDialog::run(m_context.db, m_context.prompter, &m_window); });
    addGated(StationMenu::DatabaseManager, [this] {
        DatabaseManagerDialog::run(m_context.db, m_context.prompter, m_context.values.breaksOn(),
                                   &m_window);
    });
    addGated(StationMenu::ProgramOptions,
             [this] { ProgramOptionsDialog::run(m_context.db, m_context.prompter, &m_window); });
    addGated(StationMenu::NetworkOptions, [this] {
        // The new location is read at the next start only, so the program ends here.
        if (NetworkOptionsDialog::run(m_context.prompter, m_context.location.localMode,
                                      m_networkChoice, &m_window))
            Q_EMIT m_window.exitRequested(ExitCode::EndedItself);
    });
    addGated(StationMenu::ManualLogInOut, [this] {
        ManualClockingDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::AuthorizeBreak, [this] { m_breaks.authorizeBreakRequest(); });
    addGated(StationMenu::DailyReport, [this] {
        DailyReportDialog::run(m_context.db, m_context.prompter, m_context.clock, m_context.values,
                               &m_window);
    });
    addGated(StationMenu::MonthlyReport, [this] {
        MonthlyReportDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::IndividualReport, [this] {
        IndividualReportDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::NoClockReport, [this] {
        NoClockReportDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::ErrorLogReport, [this] {
        ErrorLogReportDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::EarlyLateReport, [this] {
        EarlyLateLeaversDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::EmployeeHoursReport, [this] {
        EmployeeHoursDialog::run(m_context.db, m_context.prompter, m_context.clock, &m_window);
    });
    addGated(StationMenu::BreakReport, [this] {
        BreakOccurrenceDialog::run(m_context.db, m_context.prompter, m_context.clock,
                                   m_context.values, &m_window);
    });
    addGated(StationMenu::BreakOptions, [this] {
        BreakOptionsDialog::run(m_context.db, m_context.prompter, m_breakCount, &m_window);
    });
    addGated(StationMenu::ManualBreakEntry, [this] {
        ManualBreakEntryDialog::run(m_context.db, m_context.prompter, m_context.clock,
                                    m_context.values, &m_window);
    });
}

void StationCommands::addGated(StationMenu::Command command, std::function<void()> action)
{
    StationMenu::Access access = StationMenu::Access::Gated;
    for (const StationMenu::Item &item : StationMenu::items()) {
        if (item.command == command)
            access = item.access;
    }
    m_window.setCommandHandler(command, [this, access, action = std::move(action)] {
        if (m_gate.allows(access))
            action();
    });
}

bool StationCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
        m_context.session.touch(m_context.clock.now());
    return QObject::eventFilter(watched, event);
}

void StationCommands::tick()
{
    const QDateTime now = m_context.clock.now();
    m_context.session.endIfIdle(now);
    m_automaticClocking.tick(now);
}

void StationCommands::openLogIn()
{
    LoginDialog dialog(m_login, &m_window);
    dialog.exec();
}

void StationCommands::clockCard(const QString &cardNumber)
{
    if (!m_clocking.run(cardNumber))
        return;
    m_window.cardField()->clear();
    if (m_clocking.signalPlayed())
        m_window.holdCardsFor(TonePlayer::totalDurationMs(ClockingTransaction::signalTones()),
                              cardNumber);
}
