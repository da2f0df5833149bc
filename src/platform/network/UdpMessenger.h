#pragma once

#include "platform/core/Messenger.h"

#include <QObject>

class QUdpSocket;

// Sends each message as one UTF-8 datagram. A host name is looked up in the background,
// so a slow name service never holds the window up.
class UdpMessenger : public QObject, public Messenger
{
    Q_OBJECT

public:
    explicit UdpMessenger(quint16 port = defaultPort, QObject *parent = nullptr);

    void send(const QString &address, const QString &text) override;

private:
    QUdpSocket *m_socket;
    quint16 m_port;
};
