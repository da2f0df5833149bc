#include "MessageListener.h"

#include <QNetworkDatagram>
#include <QUdpSocket>

MessageListener::MessageListener(quint16 port, QObject *parent)
    : QObject(parent), m_socket(new QUdpSocket(this)), m_port(port)
{
    connect(m_socket, &QUdpSocket::readyRead, this, &MessageListener::readPending);
}

bool MessageListener::listen()
{
    return m_socket->bind(QHostAddress::Any, m_port);
}

quint16 MessageListener::port() const
{
    return m_socket->localPort();
}

QString MessageListener::errorString() const
{
    return m_socket->errorString();
}

void MessageListener::readPending()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram();
        if (datagram.isValid())
            Q_EMIT messageArrived(QString::fromUtf8(datagram.data()));
    }
}
