#pragma once

#include "platform/core/StationMenu.h"

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <functional>

class Clock;
class Prompter;
class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QTimer;

// The clock that employees use: card field, date, running time and the menus through
// which supervisors reach everything else. Commands are handed in by the features.
class StationWindow : public QDialog
{
    Q_OBJECT

public:
    StationWindow(Clock &clock, Prompter &prompter, QWidget *parent = nullptr);

    // Makes a menu command available; commands without a handler stay disabled.
    void setCommandHandler(StationMenu::Command command, std::function<void()> handler);
    QAction *action(StationMenu::Command command) const;

    QLineEdit *cardField() const { return m_cardField; }
    // For `ms` (while the signal plays) cards entered are held and clocked once the time
    // is over; a repeat of `justClocked` is dropped, so a reader that reads twice does not
    // clock straight back out.
    void holdCardsFor(int ms, const QString &justClocked);

    void refreshClock();

    // Shows `lines` on the status panel for five seconds, in red when `alert`; screen
    // readers announce them.
    void showStatus(const QStringList &lines, bool alert);
    QLabel *statusPanel() const { return m_status; }

    // For a station nobody minds: full screen and on top, card field, date and time large
    // enough to read from a distance, and the focus kept on the card field. Esc, the close
    // box and Hide do nothing. Called before the window is shown.
    void enterKioskMode();
    bool isKiosk() const { return m_kiosk; }

    // Asks, then ends the program.
    void askToExit();

Q_SIGNALS:
    // The program should end with this exit code.
    void exitRequested(int exitCode);
    // Enter in the card field.
    void cardEntered(const QString &cardNumber);
    // Once a second, after the clock display is refreshed.
    void ticked();

protected:
    void reject() override;
    void changeEvent(QEvent *event) override;

private:
    QMenuBar *buildMenuBar();
    QWidget *buildLogArea();
    void enterCard();
    void releaseHeldCards();
    void keepCardFieldFocused();
    void showAbout();

    Clock &m_clock;
    Prompter &m_prompter;
    QLineEdit *m_cardField = nullptr;
    QLineEdit *m_dateField = nullptr;
    QLineEdit *m_timeField = nullptr;
    QPushButton *m_hide = nullptr;
    QTimer *m_timer = nullptr;
    QTimer *m_cardHold = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_statusTimer = nullptr;
    QString m_justClocked;
    QStringList m_heldCards;
    QHash<int, QAction *> m_actions;
    QHash<int, QMetaObject::Connection> m_handlers;
    bool m_kiosk = false;
};
