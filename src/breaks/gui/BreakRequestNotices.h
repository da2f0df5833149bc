#pragma once

#include "breaks/core/BreakRequestInbox.h"
#include "platform/network/MessageListener.h"
#include "platform/network/SenderAllowList.h"

#include <QObject>
#include <memory>

class BreakRequestWindow;
class Clock;

// Shows the break requests that reach this computer to whoever is at it, in one window
// that does not block the station. `allowedSenders` names the hosts whose requests are
// shown; empty shows every host's.
class BreakRequestNotices : public QObject
{
    Q_OBJECT

public:
    explicit BreakRequestNotices(const Clock &clock, const QStringList &allowedSenders = {},
                                 quint16 port = Messenger::defaultPort, QObject *parent = nullptr);
    ~BreakRequestNotices() override;

    // False when the port is taken; the reason is in errorString().
    bool listen();
    QString errorString() const;
    quint16 port() const { return m_listener.port(); }

    const SenderAllowList &senders() const { return m_senders; }
    BreakRequestInbox &inbox() { return m_inbox; }
    // None until the first request is shown.
    BreakRequestWindow *window() const { return m_window.get(); }

private:
    void show();

    MessageListener m_listener;
    SenderAllowList m_senders;
    BreakRequestInbox m_inbox;
    std::unique_ptr<BreakRequestWindow> m_window;
};
