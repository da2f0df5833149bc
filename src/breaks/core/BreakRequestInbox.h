#pragma once

#include "breaks/core/BreakRequestList.h"

#include <QDateTime>
#include <QObject>

class Clock;
class QHostAddress;
class SenderAllowList;

// Sorts what reaches the break-request port: a well-formed request from an allowed
// sender goes to the list of requests, anything else is dropped, counted and logged.
class BreakRequestInbox : public QObject
{
    Q_OBJECT

public:
    BreakRequestInbox(const Clock &clock, SenderAllowList &senders, QObject *parent = nullptr);

    void take(const QString &text, const QHostAddress &sender);
    void drop(const QHostAddress &sender, const QString &reason);

    BreakRequestList &requests() { return m_requests; }
    // Everything dropped since the start.
    int dropped() const { return m_dropped; }

Q_SIGNALS:
    void requestTaken();

private:
    void log(const QHostAddress &sender, const QString &reason);

    const Clock &m_clock;
    SenderAllowList &m_senders;
    BreakRequestList m_requests;
    int m_dropped = 0;
    // A flood must not fill the log: a few lines a minute, then a count of the rest.
    QDateTime m_logMinute;
    int m_loggedThisMinute = 0;
    int m_unlogged = 0;
};
