#pragma once

#include "platform/core/Clock.h"

// A clock that shows whatever the test sets.
class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2026, 3, 14), QTime(8, 5, 9)))
        : m_now(std::move(now))
    {
    }

    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }
    void advanceSeconds(int seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};
