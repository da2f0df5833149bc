#pragma once

#include "Messenger.h"

#include <QObject>

class QUdpSocket;

// Receives the messages other computers send to this one's messenger port.
class MessageListener : public QObject
{
    Q_OBJECT

public:
    explicit MessageListener(quint16 port = Messenger::defaultPort, QObject *parent = nullptr);

    // Starts listening on every interface; false when the port cannot be had (another
    // program holds it), with the reason in errorString().
    bool listen();
    QString errorString() const;
    // The port listened on; the one the system chose when constructed with 0.
    quint16 port() const;

Q_SIGNALS:
    void messageArrived(const QString &text);

private:
    void readPending();

    QUdpSocket *m_socket;
    quint16 m_port;
};
