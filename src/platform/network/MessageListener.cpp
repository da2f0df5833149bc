#include "platform/network/MessageListener.h"

#include <QNetworkDatagram>
#include <QStringDecoder>
#include <QUdpSocket>

using namespace Qt::StringLiterals;

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

QString MessageListener::messageText(const QByteArray &datagram)
{
    if (datagram.size() > longestMessage)
        return {};
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(datagram);
    if (decoder.hasError())
        return {};
    // An empty datagram is an empty text, not a dropped one.
    if (text.isNull())
        text = u""_s;
    return text;
}

void MessageListener::readPending()
{
    while (m_socket->hasPendingDatagrams()) {
        // One byte more than a message may have tells a longer datagram apart without
        // reading all of it.
        const QNetworkDatagram datagram = m_socket->receiveDatagram(longestMessage + 1);
        if (!datagram.isValid())
            continue;
        const QByteArray data = datagram.data();
        const QString text = messageText(data);
        if (!text.isNull())
            Q_EMIT messageArrived(text, datagram.senderAddress());
        else if (data.size() > longestMessage)
            Q_EMIT messageDropped(datagram.senderAddress(),
                                  u"longer than %1 bytes"_s.arg(longestMessage));
        else
            Q_EMIT messageDropped(datagram.senderAddress(), u"not UTF-8 text"_s);
    }
}
