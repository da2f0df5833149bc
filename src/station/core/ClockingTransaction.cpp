#include "station/core/ClockingTransaction.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "station/core/StationContext.h"
#include "store/ClockingLog.h"
#include "store/Database.h"
#include "store/EmployeeRecords.h"
#include "store/ErrorLog.h"
#include "store/LastIdentified.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/TextInput.h"
#include "store/Transaction.h"
#include "store/WorkSettings.h"

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
    clocking.date = Clock::dateText(now.date());
    clocking.day = now.date();
    clocking.time = Clock::timeText(now.time());
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
        outcome = identify(clocking, Lock::None);
        if (outcome == Outcome::Ready)
            outcome = confirmed(clocking) ? record(clocking) : Outcome::Declined;
    }
    tell(outcome, clocking);
}

ClockingTransaction::Outcome ClockingTransaction::clockAtOnce(Clocking &clocking)
{
    // Nothing is asked, so the state read can be the one the writes rely on.
    Database &db = m_context.db;
    Transaction transaction(db);
    Outcome outcome = identify(clocking, Lock::StateRow);
    if (outcome == Outcome::DoneForTheDay)
        return outcome;
    if (outcome == Outcome::Ready) {
        write(clocking);
        LastIdentified::set(db, clocking.employee, clocking.card);
        outcome = Outcome::Recorded;
    }
    transaction.commit();
    return outcome;
}

ClockingTransaction::Outcome ClockingTransaction::identify(Clocking &clocking, Lock lock)
{
    Database &db = m_context.db;
    const std::optional<QString> employee = EmployeeRecords::nameOf(db, clocking.card);
    if (!employee) {
        logError(clocking, u"Invalid employee :"_s + clocking.card);
        m_feedback.kind = ClockingFeedback::Kind::Unknown;
        return Outcome::Nothing;
    }
    clocking.employee = *employee;
    const WorkSettings rules = WorkSettings::load(db);
    clocking.onceADay = !rules.severalClockIns;
    clocking.crossMidnight = rules.crossMidnight;

    // The state row is locked before the day is checked, so that a clock-out committed
    // at another station meanwhile is seen by both reads.
    std::optional<QString> seen;
    if (lock == Lock::StateRow) {
        seen = EmployeeRecords::state(db, clocking.card, EmployeeRecords::Read::ForUpdate);
    } else if (const auto read = EmployeeRecords::stateAndLastClocking(db, clocking.card)) {
        seen = read->state;
        clocking.lastLogId = read->lastLogId;
    }
    if (doneForTheDay(clocking))
        return Outcome::DoneForTheDay;
    if (!seen) {
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
    clocking.stateSeen = *seen;
    if (*seen != EmployeeRecords::clockedOut && *seen != EmployeeRecords::clockedIn) {
        LastIdentified::set(db, clocking.employee, clocking.card);
        return Outcome::Nothing;
    }
    clocking.in = *seen == EmployeeRecords::clockedOut;
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
    // Another station may have clocked the card while the question was open. The state
    // row is locked first, so a clocking committed meanwhile is seen by every read after.
    const std::optional<QString> now =
        EmployeeRecords::state(db, clocking.card, EmployeeRecords::Read::ForUpdate);
    Outcome outcome = Outcome::Recorded;
    if (!now)
        outcome = Outcome::StateMissing;
    else if (doneForTheDay(clocking))
        outcome = Outcome::ClockedElsewhere;
    else if (*now != clocking.stateSeen)
        // A clocking leaves a row behind; the log-ins and log-outs for everyone do not.
        outcome = ClockingLog::lastId(db, clocking.card) == clocking.lastLogId
                      ? Outcome::ChangedForEveryone
                      : Outcome::ClockedElsewhere;
    else
        write(clocking);
    // Whoever was identified, refused or not.
    LastIdentified::set(db, clocking.employee, clocking.card);
    transaction.commit();
    return outcome;
}

void ClockingTransaction::write(const Clocking &clocking)
{
    Database &db = m_context.db;
    // Read before the OUT is added: the open shift's IN is the card's newest clocking.
    const QString doneDate = clocking.in ? QString() : shiftDate(clocking);
    ClockingLog::add(db, clocking.date, clocking.time, clocking.employee, clocking.card,
                     clocking.in ? ClockingLog::in : ClockingLog::out);
    EmployeeRecords::setState(
        db, clocking.card, clocking.in ? EmployeeRecords::clockedIn : EmployeeRecords::clockedOut);
    if (!clocking.in)
        ClockingLog::markDone(db, doneDate, clocking.card);
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
    const QList<SqlRow> newest = m_context.db.select(
        u"select dt,type from log where id = (select max(id) from log where cardnum = ? and "
        u"type in ('IN','OUT'))"_s,
        {clocking.card});
    const QString yesterday = Clock::dateText(clocking.day.addDays(-1));
    if (!newest.isEmpty() && newest.first()[u"type"_s] == u"IN"_s &&
        newest.first()[u"dt"_s] == yesterday)
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
        m_feedback.at = QTime::fromString(clocking.time, u"HH:mm:ss"_s);
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
