#pragma once

#include "platform/core/MenuCommand.h"
#include "station/core/AutomaticClocking.h"
#include "station/core/ClockingTransaction.h"
#include "station/core/GlobalClocking.h"

#include <functional>

class QWidget;
struct StationContext;

// The clocking side of the station: the card entered, the timed log-ins and log-outs
// and the supervisor's clocking commands.
class ClockingCommands
{
public:
    ClockingCommands(StationContext &context, QWidget *window,
                     std::function<void(const QString &employee)> openBreakDialog);

    // Returns whether the card field should be cleared; see ClockingTransaction.
    bool clockCard(const QString &cardNumber) { return m_clocking.run(cardNumber); }
    bool signalPlayed() const { return m_clocking.signalPlayed(); }
    const ClockingFeedback &feedback() const { return m_clocking.feedback(); }
    void tick(const QDateTime &now) { m_automaticClocking.tick(now); }

    MenuCommands commands();

private:
    StationContext &m_context;
    QWidget *m_window;
    GlobalClocking m_globalClocking;
    AutomaticClocking m_automaticClocking;
    ClockingTransaction m_clocking;
};
