#include "platform/network/UdpMessenger.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QUdpSocket>

#include <algorithm>

UdpMessenger::UdpMessenger(quint16 port, QObject *parent)
    : QObject(parent), m_socket(new QUdpSocket(this)), m_port(port)
{
}

void UdpMessenger::send(const QString &address, const QString &text)
{
    const QString target = address.trimmed();
    if (target.isEmpty())
        return;
    const QByteArray datagram = text.toUtf8();
    const QHostAddress literal(target);
    if (!literal.isNull()) {
        m_socket->writeDatagram(datagram, literal, m_port);
        return;
    }
    QHostInfo::lookupHost(target, this, [this, datagram](const QHostInfo &host) {
        const QList<QHostAddress> found = host.addresses();
        // The listeners take IPv4; a name with only IPv6 addresses gets the first of those.
        auto chosen = std::find_if(found.cbegin(), found.cend(), [](const QHostAddress &a) {
            return a.protocol() == QAbstractSocket::IPv4Protocol;
        });
        if (chosen == found.cend())
            chosen = found.cbegin();
        if (chosen != found.cend())
            m_socket->writeDatagram(datagram, *chosen, m_port);
    });
}
