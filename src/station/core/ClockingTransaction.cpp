#include "station/core/ClockingTransaction.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "station/core/StationContext.h"
#include "store/CardClocking.h"
#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ErrorLog.h"
#include "store/LastIdentified.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

#include <optional>

using namespace Qt::StringLiterals;

ClockingTransaction::ClockingTransaction(
    StationContext &context, std::function<void(const QString &employee)> openBreakDialog)
    : m_context(context), m_openBreakDialog(std::move(openBreakDialog))
{
}

const QList<Tone> &ClockingTransaction::signalTones()
{
    static const QList<Tone> tones = {{5000, 1000}, {2000, 1000}, {5000, 1000}};
    return tones;
}

bool ClockingTransaction::run(const QString &cardNumber)
{
    m_signalPlayed = false;
    m_feedback = {};
    m_context.currentCardNumber = cardNumber;
    // The clocking counts from Enter, however long the confirmation stays open.
    const QDateTime now = m_context.clock.now();
    Clocking clocking;
    clocking.card = cardNumber;
    clocking.day = now.date();
    clocking.date = Clock::dateText(clocking.day);
    const QTime time = now.time();
    clocking.at = QTime(time.hour(), time.minute(), time.second());
    clocking.time = Clock::timeText(clocking.at);
    if (cardNumber.isEmpty())
        return false;
    // No employee can hold such a card, and the driver would refuse it: the attempt is
    // logged with the offending characters replaced.
    if (!TextInput::storable(cardNumber))
        return runReported(m_context.prompter, [&] {
            logError(clocking, u"Invalid employee :"_s + TextInput::storableCopy(cardNumber));
            m_feedback.kind = ClockingFeedback::Kind::Unknown;
        });
    return runReported(m_context.prompter, [&] { clock(clocking); });
}

void ClockingTransaction::clock(Clocking &clocking)
{
    Outcome outcome = Outcome::Nothing;
    if (!m_context.values.confirmation) {
        outcome = clockAtOnce(clocking);
    } else {
        // Nothing is held while the question is open: an open transaction would hold the
        // other stations' clockings up for as long as the box stays open.
        outcome = identify(clocking);
        if (outcome == Outcome::Ready)
            outcome = confirmed(clocking) ? record(clocking) : Outcome::Declined;
    }
    tell(outcome, clocking);
}

ClockingTransaction::Outcome ClockingTransaction::clockAtOnce(Clocking &clocking)
{
    // The write moves the card only from the state just read. Where another station
    // clocked the card in between, the clocking starts again from what that station
    // left, as if it had waited for it.
    Database &db = m_context.db;
    constexpr int attempts = 3;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Where the writes go as one statement, that statement is the transaction: none
        // stays open while the station reads, so other stations wait for no round trip.
        // Elsewhere the transaction holds the file's write lock from the read on.
        std::optional<Transaction> transaction;
        if (!db.dialect().writesInOneStatement())
            transaction.emplace(db);
        Outcome outcome = identify(clocking);
        if (outcome == Outcome::DoneForTheDay)
            return outcome;
        if (outcome == Outcome::Ready) {
            if (!CardClocking::write(db, entryOf(clocking)))
                continue;
            outcome = Outcome::Recorded;
        }
        if (transaction)
            transaction->commit();
        return outcome;
    }
    return Outcome::ClockedElsewhere;
}

ClockingTransaction::Outcome ClockingTransaction::identify(Clocking &clocking)
{
    Database &db = m_context.db;
    // A question comes between this read and the write: what changed meanwhile is told
    // by the card's newest clocking.
    const CardClocking::Card card = CardClocking::read(
        db, clocking.card, clocking.date,
        m_context.values.confirmation ? CardClocking::Newest::Read : CardClocking::Newest::Skip);
    if (card.employee.isEmpty()) {
        logError(clocking, u"Invalid employee :"_s + clocking.card);
        m_feedback.kind = ClockingFeedback::Kind::Unknown;
        return Outcome::Nothing;
    }
    clocking.employee = card.employee;
    clocking.onceADay = !card.rules.severalClockIns;
    clocking.crossMidnight = card.rules.crossMidnight;
    clocking.lastLogId = card.lastLogId;
    if (clocking.onceADay && card.doneForTheDay)
        return Outcome::DoneForTheDay;
    if (!card.state) {
        // Both rows or neither, in one commit.
        std::optional<Transaction> own;
        if (!db.inTransaction())
            own.emplace(db);
        LastIdentified::set(db, clocking.employee, clocking.card);
        logError(clocking, u"Card not found in logged database: "_s + clocking.card);
        if (own)
            own->commit();
        m_feedback.kind = ClockingFeedback::Kind::Unknown;
        return Outcome::Nothing;
    }
    clocking.stateSeen = *card.state;
    if (*card.state != EmployeeRecords::clockedOut && *card.state != EmployeeRecords::clockedIn) {
        LastIdentified::set(db, clocking.employee, clocking.card);
        return Outcome::Nothing;
    }
    clocking.in = *card.state == EmployeeRecords::clockedOut;
    return Outcome::Ready;
}

bool ClockingTransaction::confirmed(const Clocking &clocking)
{
    const QString question = clocking.in ? tr("Clock %1 IN?").arg(clocking.employee)
                                         : tr("Clock %1 OUT?").arg(clocking.employee);
    if (m_context.prompter.ask(tr("Confirm?"), question, PromptIcon::Question))
        return true;
    // The only write of a declined clocking; the break dialog names whoever it holds.
    LastIdentified::set(m_context.db, clocking.employee, clocking.card);
    // No from someone on the way to a break: the break dialog takes over.
    if (m_context.values.breaksOn() && m_openBreakDialog) {
        m_openBreakDialog(clocking.employee);
        return false;
    }
    refuse(clocking.employee, tr("Not Processed"),
           clocking.in ? tr("Employee not logged in") : tr("Employee not logged out"),
           PromptIcon::Information);
    return false;
}

ClockingTransaction::Outcome ClockingTransaction::record(const Clocking &clocking)
{
    Database &db = m_context.db;
    Transaction transaction(db);
    // Another station may have clocked the card while the question was open: in and out
    // again leaves the day done, anything else leaves another state.
    Outcome outcome = Outcome::Recorded;
    if (doneForTheDay(clocking)) {
        outcome = Outcome::ClockedElsewhere;
        // Whoever was identified, refused or not.
        LastIdentified::set(db, clocking.employee, clocking.card);
    } else if (!CardClocking::write(db, entryOf(clocking))) {
        if (!EmployeeRecords::state(db, clocking.card))
            outcome = Outcome::StateMissing;
        else
            // A clocking leaves a row behind; the log-ins and log-outs for everyone do not.
            outcome = ClockingLog::lastId(db, clocking.card) == clocking.lastLogId
                          ? Outcome::ChangedForEveryone
                          : Outcome::ClockedElsewhere;
    }
    transaction.commit();
    return outcome;
}

CardClocking::Entry ClockingTransaction::entryOf(const Clocking &clocking)
{
    CardClocking::Entry entry;
    entry.date = clocking.date;
    entry.time = clocking.time;
    entry.employee = clocking.employee;
    entry.card = clocking.card;
    entry.in = clocking.in;
    entry.stateSeen = clocking.stateSeen;
    // Read before the OUT is added: the open shift's IN is the card's newest clocking.
    if (!clocking.in)
        entry.doneDate = shiftDate(clocking);
    return entry;
}

bool ClockingTransaction::doneForTheDay(const Clocking &clocking)
{
    return clocking.onceADay &&
           ClockingLog::doneForTheDay(m_context.db, clocking.date, clocking.card);
}

// A night worker who clocked out this morning is done for last night, and can come
// back tonight.
QString ClockingTransaction::shiftDate(const Clocking &clocking)
{
    if (!clocking.crossMidnight)
        return clocking.date;
    // The open shift's IN is the card's newest clocking, from yesterday at the earliest;
    // a state set by the automatic log-in has none.
    const auto newest = ClockingLog::newestInOrOut(m_context.db, clocking.card);
    const QString yesterday = Clock::dateText(clocking.day.addDays(-1));
    if (newest && newest->type == ClockingLog::in && newest->date == yesterday)
        return yesterday;
    return clocking.date;
}

void ClockingTransaction::tell(Outcome outcome, const Clocking &clocking)
{
    switch (outcome) {
    case Outcome::Recorded:
        m_context.tones.play(signalTones());
        m_signalPlayed = true;
        m_feedback.kind = clocking.in ? ClockingFeedback::Kind::In : ClockingFeedback::Kind::Out;
        m_feedback.employee = clocking.employee;
        m_feedback.card = clocking.card;
        m_feedback.at = clocking.at;
        break;
    case Outcome::DoneForTheDay:
        refuse(clocking.employee, tr("Completed"),
               tr("Employee has already been logged in/out for the day.No further "
                  "logging is possible"),
               PromptIcon::Error);
        break;
    case Outcome::ClockedElsewhere:
        refuse(clocking.employee, tr("Not Processed"),
               tr("This card was clocked at another station a moment ago. Please try "
                  "again."),
               PromptIcon::Exclamation);
        break;
    case Outcome::ChangedForEveryone:
        refuse(clocking.employee, tr("Not Processed"),
               tr("Employees were logged in/out automatically a moment ago. Please try "
                  "again."),
               PromptIcon::Exclamation);
        break;
    case Outcome::StateMissing:
        refuse(clocking.employee, tr("Error!"),
               tr("Fatal database error,please re-add the user with the card number of : ") +
                   clocking.card,
               PromptIcon::Error);
        break;
    case Outcome::Ready:
    case Outcome::Declined:
    case Outcome::Nothing:
        break;
    }
}

void ClockingTransaction::refuse(const QString &employee, const QString &caption,
                                 const QString &text, PromptIcon icon)
{
    m_feedback.kind = ClockingFeedback::Kind::Refused;
    m_feedback.employee = employee;
    m_feedback.message = text;
    m_context.prompter.inform(caption, text, icon);
}

void ClockingTransaction::logError(const Clocking &clocking, const QString &reason)
{
    ErrorLog::add(m_context.db, clocking.time, clocking.date, reason, u"NO"_s);
}
