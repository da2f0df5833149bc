#include "breaks/core/BreakRecording.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/BreakRecords.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/Transaction.h"
#include "store/UsedBreaks.h"

using namespace Qt::StringLiterals;

QString BreakRecording::breakName(int number) const
{
    return m_values.breakNames.value(number - 1);
}

BreakRecording::Outcome BreakRecording::record(const QString &typed, const QString &card)
{
    if (typed.isEmpty() || typed != card)
        return Outcome::Nothing;
    std::optional<Event> event;
    if (!runReported(m_prompter, [&] { event = write(card); }))
        return Outcome::Failed;
    if (!event)
        return Outcome::Nothing;
    tell(*event);
    if (!event->rowClosed)
        return Outcome::NoOpenBreak;
    return event->start ? Outcome::Started : Outcome::Ended;
}

std::optional<BreakRecording::Event> BreakRecording::write(const QString &card)
{
    const int count = m_values.breaksPerDay();
    if (count == 0)
        return std::nullopt;
    const QDateTime now = m_clock.now();
    const QString date = Clock::dateText(now.date());
    const QString time = Clock::timeText(now.time());

    // The state and the rows it stands for change together, or a failure halfway would
    // leave a break that can be neither started again nor ended.
    Transaction transaction(m_db);
    UsedBreaks::lockForChange(m_db);
    const QStringList used = UsedBreaks::statesAddingRow(m_db, card);
    std::optional<Event> event;
    for (int number = 1; number <= count && !event; ++number) {
        const QString &seen = used.at(number - 1);
        if (seen == UsedBreaks::notTaken)
            event = Event{number, true};
        else if (seen == UsedBreaks::running)
            event = Event{number, false};
        else if (seen != UsedBreaks::done)
            break; // a state only the manual input writes: left to the supervisor
    }
    if (!event)
        return std::nullopt;
    if (event->start)
        start(card, event->number, date, time);
    else
        event->rowClosed = end(card, event->number, now.date(), time);
    transaction.commit();
    return event;
}

void BreakRecording::start(const QString &card, int number, const QString &date,
                           const QString &time)
{
    BreakRecords::start(m_db, date, card, time, number);
    UsedBreaks::setState(m_db, card, number, UsedBreaks::running);
}

bool BreakRecording::end(const QString &card, int number, const QDate &day, const QString &time)
{
    // The open row of today, or of yesterday for a break taken across midnight.
    if (!BreakRecords::endRunning(m_db, Clock::dateText(day), card, number, time) &&
        !BreakRecords::endRunning(m_db, Clock::dateText(day.addDays(-1)), card, number, time))
        return false; // a supervisor removed or closed it; the break stays as it is
    UsedBreaks::setState(m_db, card, number, UsedBreaks::done);
    return true;
}

void BreakRecording::tell(const Event &event)
{
    const QString name = breakName(event.number);
    if (event.start) {
        m_prompter.inform(tr("Success!"), tr("Start of %1 recorded").arg(name),
                          PromptIcon::Information);
        return;
    }
    if (!event.rowClosed) {
        m_prompter.inform(tr("Not Processed"),
                          tr("No open %1 was found, so its end was not recorded. Please "
                             "ask a supervisor to enter it by hand.")
                              .arg(name),
                          PromptIcon::Exclamation);
        return;
    }
    QString ended;
    if (event.number > 1)
        ended = tr("end of %1 recorded").arg(name);
    else if (m_values.breaksPerDay() == 1)
        ended = tr("End of %1 recorded").arg(name);
    else
        ended = tr("End of %1 recorded!").arg(name);
    m_prompter.inform(tr("Success!"), ended, PromptIcon::Information);
    m_prompter.inform(tr("Completed"), tr("All times for %1 recorded!").arg(name),
                      PromptIcon::Information);
}
