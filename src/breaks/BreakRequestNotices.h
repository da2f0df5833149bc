#pragma once

#include "MessageListener.h"

#include <QObject>

// Shows each break request that reaches this computer to whoever is at it. The notice
// does not block the window, so employees keep clocking while it is shown.
class BreakRequestNotices : public QObject
{
    Q_OBJECT

public:
    explicit BreakRequestNotices(quint16 port = Messenger::defaultPort, QObject *parent = nullptr);

    // False when the port is taken; the reason is in errorString().
    bool listen();
    QString errorString() const;
    quint16 port() const { return m_listener.port(); }

private:
    void show(const QString &text);

    MessageListener m_listener;
};
