#pragma once

#include "platform/core/Messenger.h"

#include <QHostAddress>
#include <QObject>

class QUdpSocket;

// Receives the messages other computers send to this one's messenger port. Any host can
// send anything there, so only short UTF-8 texts are passed on.
class MessageListener : public QObject
{
    Q_OBJECT

public:
    // The longest message taken, in bytes; longer datagrams are dropped without being read
    // whole.
    static constexpr qsizetype longestMessage = 512;

    explicit MessageListener(quint16 port = Messenger::defaultPort, QObject *parent = nullptr);

    // Starts listening on every interface; false when the port cannot be had (another
    // program holds it), with the reason in errorString().
    bool listen();
    QString errorString() const;
    // The port listened on; the one the system chose when constructed with 0.
    quint16 port() const;

    // The text of a datagram, or a null string when it is too long or not valid UTF-8.
    static QString messageText(const QByteArray &datagram);

Q_SIGNALS:
    void messageArrived(const QString &text, const QHostAddress &sender);
    // A datagram that was no message: too long or not UTF-8 text.
    void messageDropped(const QHostAddress &sender, const QString &reason);

private:
    void readPending();

    QUdpSocket *m_socket;
    quint16 m_port;
};
