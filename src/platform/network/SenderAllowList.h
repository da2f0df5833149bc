#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QStringList>

// The hosts whose messages are taken: addresses, and host names looked up once when the
// list is made (a host that changes its address later is refused until the next start).
// An empty list takes every host.
class SenderAllowList : public QObject
{
    Q_OBJECT

public:
    explicit SenderAllowList(const QStringList &entries = {}, QObject *parent = nullptr);

    // The entries of a stored or typed list: separated by commas or blanks.
    static QStringList entries(const QString &text);
    // True for an IPv6 address, which the address checks for the manager's computer do
    // not take.
    static bool isIpv6Address(const QString &entry);

    bool allows(const QHostAddress &sender) const;
    // True while a host name is still being looked up; its host is refused until then.
    bool lookingUp() const { return m_lookups > 0; }

private:
    bool m_anyHost;
    QList<QHostAddress> m_addresses;
    int m_lookups = 0;
};
