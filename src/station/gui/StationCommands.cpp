#include "station/gui/StationCommands.h"

#include "platform/core/Clock.h"
#include "platform/core/ExitCode.h"
#include "reports/core/WorkedTime.h"
#include "station/core/StationContext.h"
#include "station/gui/LoginDialog.h"
#include "station/gui/StationWindow.h"
#include "store/DatabaseError.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

StationCommands::StationCommands(StationWindow &window, StationContext &context)
    : m_window(window), m_context(context),
      m_gate(context.prompter, context.values, context.session),
      m_login(context.db, context.prompter, context.clock, context.session),
      m_breaks({context.db, context.prompter, context.clock, context.messenger, context.values},
               &window),
      m_clocking(context, &window,
                 [this](const QString &employee) {
                     m_breaks.openBreakDialog(employee, m_context.currentCardNumber);
                 }),
      m_admin(context.db, context.prompter, context.clock, context.audit, context.values,
              context.location, &window,
              [&window] { Q_EMIT window.exitRequested(ExitCode::EndedItself); }),
      m_reports(context.db, context.prompter, context.clock, context.values, &window)
{
    connect(&window, &StationWindow::cardEntered, this, &StationCommands::clockCard);
    connect(&window, &StationWindow::ticked, this, &StationCommands::tick);
    // Any key or click at this station counts as use of a supervisor's log-in.
    qApp->installEventFilter(this);

    window.setCommandHandler(StationMenu::LogIn, [this] { openLogIn(); });
    window.setCommandHandler(StationMenu::LogOut, [this] { m_login.logOut(); });
    window.setCommandHandler(StationMenu::Exit, [this] { exit(); });
    addGated(m_clocking.commands());
    addGated(m_admin.commands());
    addGated(m_reports.commands());
    addGated(m_breaks.commands());
}

void StationCommands::startDailyBackups()
{
    if (m_context.location.localMode && !m_context.location.isServer())
        m_dailyBackup = std::make_unique<DailyBackup>(m_context.db, m_context.location.path);
}

void StationCommands::addGated(const MenuCommands &commands)
{
    for (const MenuCommand &command : commands) {
        StationMenu::Access access = StationMenu::Access::Gated;
        for (const StationMenu::Item &item : StationMenu::items()) {
            if (item.command == command.command)
                access = item.access;
        }
        m_window.setCommandHandler(command.command, [this, access, run = command.run] {
            if (m_gate.allows(access))
                run();
        });
    }
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
    m_clocking.tick(now);
    if (m_dailyBackup)
        m_dailyBackup->tick(now);
}

void StationCommands::openLogIn()
{
    LoginDialog dialog(m_login, &m_window);
    dialog.exec();
    // The supervisor's changes from here on carry the name.
    if (m_context.session.loggedIn())
        m_context.audit.setSupervisor(m_context.session.userName());
    if (m_dailyBackup && m_context.session.loggedIn())
        m_dailyBackup->reportFailure(m_context.prompter);
}

void StationCommands::exit()
{
    // Employees at a kiosk cannot end the station; a supervisor can.
    if (!m_window.isKiosk() || m_gate.allows(StationMenu::Access::Gated))
        m_window.askToExit();
}

void StationCommands::clockCard(const QString &cardNumber)
{
    const bool clear = m_clocking.clockCard(cardNumber);
    ClockingFeedback feedback = m_clocking.feedback();
    if (feedback.kind == ClockingFeedback::Kind::In ||
        feedback.kind == ClockingFeedback::Kind::Out) {
        // The clocking stands; a sum that cannot be read only leaves the panel at zero.
        try {
            const WorkedTime::Totals worked =
                WorkedTime::of(m_context.db, feedback.card, m_context.clock.now());
            feedback.workedTodayMinutes = worked.todayMinutes;
            feedback.workedWeekMinutes = worked.weekMinutes;
        } catch (const DatabaseError &) {
        }
    }
    if (feedback.kind != ClockingFeedback::Kind::None)
        m_window.showStatus(feedback.lines(), feedback.alert());
    if (!clear)
        return;
    m_window.cardField()->clear();
    if (m_clocking.signalPlayed())
        m_window.holdCardsFor(TonePlayer::totalDurationMs(ClockingTransaction::signalTones()),
                              cardNumber);
}
