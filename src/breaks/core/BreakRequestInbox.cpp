#include "breaks/core/BreakRequestInbox.h"

#include "breaks/core/BreakRequest.h"
#include "platform/core/Clock.h"
#include "platform/core/LogCategories.h"
#include "platform/network/SenderAllowList.h"

#include <QDebug>
#include <QHostAddress>

using namespace Qt::StringLiterals;

namespace {

constexpr int logLinesPerMinute = 10;

} // namespace

BreakRequestInbox::BreakRequestInbox(const Clock &clock, SenderAllowList &senders, QObject *parent)
    : QObject(parent), m_clock(clock), m_senders(senders)
{
}

void BreakRequestInbox::take(const QString &text, const QHostAddress &sender)
{
    if (!m_senders.allows(sender)) {
        drop(sender, u"sender not allowed"_s);
        return;
    }
    if (!BreakRequest::isRequest(text)) {
        drop(sender, u"not a break request"_s);
        return;
    }
    m_requests.add(text, m_clock.now());
    Q_EMIT requestTaken();
}

void BreakRequestInbox::drop(const QHostAddress &sender, const QString &reason)
{
    ++m_dropped;
    log(sender, reason);
}

void BreakRequestInbox::log(const QHostAddress &sender, const QString &reason)
{
    const QDateTime now = m_clock.now();
    if (!m_logMinute.isValid() || m_logMinute.secsTo(now) >= 60 || now < m_logMinute) {
        if (m_unlogged > 0)
            qCInfo(lcNetwork).noquote()
                << u"Break-request port: %1 more datagrams dropped"_s.arg(m_unlogged);
        m_logMinute = now;
        m_loggedThisMinute = 0;
        m_unlogged = 0;
    }
    if (m_loggedThisMinute == logLinesPerMinute) {
        ++m_unlogged;
        return;
    }
    ++m_loggedThisMinute;
    // A listener on every interface sees IPv4 senders as IPv4-mapped IPv6 ones.
    bool ipv4 = false;
    const quint32 ipv4Address = sender.toIPv4Address(&ipv4);
    const QString from = ipv4 ? QHostAddress(ipv4Address).toString() : sender.toString();
    qCInfo(lcNetwork).noquote()
        << u"Break-request port: datagram from %1 dropped (%2); %3 dropped since "
           "the start"_s.arg(from, reason)
               .arg(m_dropped);
}
