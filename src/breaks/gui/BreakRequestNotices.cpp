#include "breaks/gui/BreakRequestNotices.h"

#include "breaks/gui/BreakRequestWindow.h"

BreakRequestNotices::BreakRequestNotices(const Clock &clock, const QStringList &allowedSenders,
                                         quint16 port, QObject *parent)
    : QObject(parent), m_listener(port), m_senders(allowedSenders), m_inbox(clock, m_senders)
{
    connect(&m_listener, &MessageListener::messageArrived, &m_inbox, &BreakRequestInbox::take);
    connect(&m_listener, &MessageListener::messageDropped, &m_inbox, &BreakRequestInbox::drop);
    connect(&m_inbox, &BreakRequestInbox::requestTaken, this, &BreakRequestNotices::show);
}

BreakRequestNotices::~BreakRequestNotices() = default;

bool BreakRequestNotices::listen()
{
    return m_listener.listen();
}

QString BreakRequestNotices::errorString() const
{
    return m_listener.errorString();
}

void BreakRequestNotices::show()
{
    if (!m_window)
        m_window = std::make_unique<BreakRequestWindow>(m_inbox.requests());
    m_window->present();
}
