#include "platform/network/SenderAllowList.h"

#include "platform/core/LogCategories.h"

#include <QDebug>
#include <QHostInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

SenderAllowList::SenderAllowList(const QStringList &entries, QObject *parent)
    : QObject(parent), m_anyHost(entries.isEmpty())
{
    for (const QString &entry : entries) {
        const QHostAddress address(entry);
        if (!address.isNull()) {
            m_addresses << address;
            continue;
        }
        ++m_lookups;
        QHostInfo::lookupHost(entry, this, [this, entry](const QHostInfo &host) {
            if (host.error() != QHostInfo::NoError)
                qCWarning(lcNetwork).noquote()
                    << "Messages from" << entry
                    << "will be refused: the name cannot be looked up:" << host.errorString();
            m_addresses << host.addresses();
            --m_lookups;
        });
    }
}

QStringList SenderAllowList::entries(const QString &text)
{
    static const QRegularExpression separators(u"[,\\s]+"_s);
    return text.split(separators, Qt::SkipEmptyParts);
}

bool SenderAllowList::isIpv6Address(const QString &entry)
{
    return QHostAddress(entry).protocol() == QAbstractSocket::IPv6Protocol;
}

bool SenderAllowList::allows(const QHostAddress &sender) const
{
    if (m_anyHost)
        return true;
    // A listener on every interface may see an IPv4 sender as an IPv4-mapped IPv6 one.
    return std::any_of(m_addresses.cbegin(), m_addresses.cend(), [&](const QHostAddress &a) {
        return a.isEqual(sender, QHostAddress::TolerantConversion);
    });
}
