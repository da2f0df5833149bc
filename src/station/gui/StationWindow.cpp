#include "station/gui/StationWindow.h"

#include "platform/core/Clock.h"
#include "platform/core/ExitCode.h"
#include "platform/core/Prompter.h"
#include "platform/core/Version.h"
#include "platform/gui/AboutDialog.h"
#include "platform/gui/DialogButton.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int kioskFieldPointSize = 40;
constexpr int kioskLabelPointSize = 24;

QLineEdit *centredField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

QLabel *iconLabel(const QString &resource, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(
        QPixmap(resource).scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return label;
}

} // namespace

StationWindow::StationWindow(Clock &clock, Prompter &prompter, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_clock(clock), m_prompter(prompter)
{
    setWindowTitle(tr(":: Chronel %1 ::").arg(ChronelVersion::shortText));
    setWindowIcon(QIcon(u":/chronel/chronel.png"_s));

    auto *layout = new QVBoxLayout(this);
    QMenuBar *bar = buildMenuBar();
    layout->setMenuBar(bar);
    QWidget *logArea = buildLogArea();
    // The window has a fixed size; it must still show every menu.
    logArea->setMinimumWidth(bar->sizeHint().width());
    layout->addWidget(logArea);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_cardField, &QLineEdit::returnPressed, this, &StationWindow::enterCard);

    refreshClock();
    m_timer = new QTimer(this);
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, [this] {
        refreshClock();
        if (m_kiosk)
            keepCardFieldFocused();
        Q_EMIT ticked();
    });
    m_timer->start();

    setCommandHandler(StationMenu::Exit, [this] { askToExit(); });
    setCommandHandler(StationMenu::About, [this] { showAbout(); });
    m_cardField->setFocus();
}

QMenuBar *StationWindow::buildMenuBar()
{
    auto *bar = new QMenuBar(this);
    QHash<QString, QMenu *> menus;
    for (const StationMenu::Item &item : StationMenu::items()) {
        QMenu *&menu = menus[item.menu];
        if (!menu) {
            menu = bar->addMenu(item.menu);
            menu->setObjectName(u"menu"_s + QString(item.menu).remove(u' '));
        }
        if (item.text.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(item.text);
        action->setObjectName(u"command%1"_s.arg(int(item.command)));
        action->setEnabled(false);
        m_actions.insert(item.command, action);
        if (item.access == StationMenu::Access::Disabled)
            menu->setEnabled(false);
    }
    return bar;
}

QWidget *StationWindow::buildLogArea()
{
    auto *group = new QGroupBox(tr("Log Area"), this);
    auto *grid = new QGridLayout(group);

    m_cardField = centredField(group);
    m_cardField->setObjectName(u"cardField"_s);
    m_cardField->setEchoMode(QLineEdit::Password);
    m_cardField->setAccessibleName(tr("Card number"));

    m_dateField = centredField(group);
    m_dateField->setObjectName(u"dateField"_s);
    m_dateField->setReadOnly(true);
    m_dateField->setFocusPolicy(Qt::NoFocus);
    auto *dateLabel = new QLabel(tr("Current Date:"), group);
    dateLabel->setBuddy(m_dateField);
    m_dateField->setAccessibleName(dateLabel->text());

    m_timeField = centredField(group);
    m_timeField->setObjectName(u"timeField"_s);
    m_timeField->setReadOnly(true);
    m_timeField->setFocusPolicy(Qt::NoFocus);
    auto *timeLabel = new QLabel(tr("Current Time:"), group);
    timeLabel->setBuddy(m_timeField);
    m_timeField->setAccessibleName(timeLabel->text());

    m_hide = DialogButton::create(tr("Hide"), u"hideButton"_s, group);
    m_hide->setFlat(true);
    connect(m_hide, &QPushButton::clicked, this, [this] {
        if (!m_kiosk)
            showMinimized();
    });

    grid->addWidget(iconLabel(u":/chronel/log-area.png"_s, group), 0, 0, 2, 1);
    grid->addWidget(m_cardField, 0, 1, 1, 2);
    grid->addWidget(iconLabel(u":/chronel/chronel.png"_s, group), 0, 3, 2, 1);
    grid->addWidget(dateLabel, 2, 1);
    grid->addWidget(m_dateField, 2, 2);
    grid->addWidget(timeLabel, 3, 1);
    grid->addWidget(m_timeField, 3, 2);
    m_status = new QLabel(group);
    m_status->setObjectName(u"statusPanel"_s);
    m_status->setAlignment(Qt::AlignCenter);
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setAccessibleName(tr("Status"));
    // Room for three lines, so the window keeps its size when they come and go.
    m_status->setMinimumHeight(m_status->fontMetrics().lineSpacing() * 3 + 8);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setObjectName(u"statusTimer"_s);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(5000);
    connect(m_statusTimer, &QTimer::timeout, this, [this] { showStatus({}, false); });

    grid->addWidget(m_status, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Build %1").arg(ChronelVersion::buildText), group), 4, 1);
    grid->addWidget(m_hide, 4, 2, Qt::AlignRight);
    return group;
}

void StationWindow::setCommandHandler(StationMenu::Command command, std::function<void()> handler)
{
    QAction *target = action(command);
    Q_ASSERT(target);
    // Only our own connection goes: the menu keeps its own to the action.
    QObject::disconnect(m_handlers.take(command));
    m_handlers.insert(command, connect(target, &QAction::triggered, this,
                                       [handler = std::move(handler)] { handler(); }));
    target->setEnabled(true);
}

QAction *StationWindow::action(StationMenu::Command command) const
{
    return m_actions.value(command);
}

void StationWindow::enterCard()
{
    const QString card = m_cardField->text();
    if (!m_cardHold || !m_cardHold->isActive()) {
        Q_EMIT cardEntered(card);
        return;
    }
    m_cardField->clear();
    if (!card.isEmpty() && card != m_justClocked)
        m_heldCards << card;
}

void StationWindow::holdCardsFor(int ms, const QString &justClocked)
{
    if (!m_cardHold) {
        m_cardHold = new QTimer(this);
        m_cardHold->setObjectName(u"cardHoldTimer"_s);
        m_cardHold->setSingleShot(true);
        connect(m_cardHold, &QTimer::timeout, this, &StationWindow::releaseHeldCards);
    }
    m_justClocked = justClocked;
    m_heldCards.removeAll(justClocked);
    m_cardHold->start(ms);
}

void StationWindow::releaseHeldCards()
{
    // A card clocked here may start the signal again; the rest then wait for its end.
    while (!m_heldCards.isEmpty() && !m_cardHold->isActive())
        Q_EMIT cardEntered(m_heldCards.takeFirst());
}

void StationWindow::refreshClock()
{
    // One reading, so the date and time shown never straddle midnight.
    const QDateTime now = m_clock.now();
    m_dateField->setText(Clock::dateText(now.date()));
    m_timeField->setText(Clock::timeText(now.time()));
}

void StationWindow::showStatus(const QStringList &lines, bool alert)
{
    const QString text = lines.join(u'\n');
    m_status->setText(text);
    m_status->setStyleSheet(alert ? u"color: #c00000; font-weight: bold;"_s : QString());
    m_status->setAccessibleName(text.isEmpty() ? tr("Status") : text);
    if (text.isEmpty()) {
        m_statusTimer->stop();
        return;
    }
    m_statusTimer->start();
    // A live region: screen readers speak the new text without the focus moving there.
    QAccessibleEvent announce(m_status, alert ? QAccessible::Alert : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&announce);
}

void StationWindow::enterKioskMode()
{
    m_kiosk = true;
    setWindowFlag(Qt::WindowStaysOnTopHint);
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    // About a centimetre and a half high on a common screen: readable from two metres.
    for (QLineEdit *field : {m_cardField, m_dateField, m_timeField}) {
        QFont large = field->font();
        large.setPointSize(kioskFieldPointSize);
        field->setFont(large);
    }
    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        QFont large = label->font();
        large.setPointSize(kioskLabelPointSize);
        label->setFont(large);
    }
    // The status panel among them, its three lines in the larger type.
    m_status->setMinimumHeight(m_status->fontMetrics().lineSpacing() * 3 + 8);
    m_hide->hide();
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void StationWindow::reject()
{
    // Esc and the close box end the program, except at a kiosk.
    if (!m_kiosk)
        QDialog::reject();
}

void StationWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (!m_kiosk)
        return;
    if (event->type() == QEvent::WindowStateChange && windowState().testFlag(Qt::WindowMinimized))
        // A window manager's own minimise shortcut is not a way out either.
        QTimer::singleShot(0, this, [this] { setWindowState(Qt::WindowFullScreen); });
    else if (event->type() == QEvent::ActivationChange)
        keepCardFieldFocused();
}

void StationWindow::keepCardFieldFocused()
{
    // A supervisor at work in a dialog or a menu keeps them.
    if (!isVisible() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return;
    if (!isActiveWindow()) {
        // Another of the station's windows, such as a break request, may have the focus;
        // another program may not. The window is on top already.
        if (QApplication::activeWindow())
            return;
        activateWindow();
    }
    if (!m_cardField->hasFocus())
        m_cardField->setFocus();
}

void StationWindow::askToExit()
{
    if (m_prompter.ask(tr("Quit?"),
                       tr("Please note that exiting will disable employees from logging "
                          "in.Do you wish to continue?")))
        Q_EMIT exitRequested(ExitCode::EndedItself);
}

void StationWindow::showAbout()
{
    AboutDialog about(tr(":: About Chronel %1 ::").arg(ChronelVersion::shortText),
                      tr("Chronel %1").arg(ChronelVersion::shortText), this);
    about.exec();
}
