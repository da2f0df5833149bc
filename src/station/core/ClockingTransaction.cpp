#include "station/core/ClockingTransaction.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "station/core/StationContext.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"
#include "store/TextInput.h"
#include "store/Transaction.h"
#include "store/WorkSettings.h"

#include <QObject>

using namespace Qt::StringLiterals;

namespace {

const QString clockedIn = u"1"_s;
const QString clockedOut = u"0"_s;

} // namespace

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
    Database &db = m_context.db;
    const QList<SqlRow> employees = db.select(
        u"select employee from employees where cardnum = ? order by id"_s, {clocking.card});
    if (employees.isEmpty()) {
        logError(clocking, u"Invalid employee :"_s + clocking.card);
        m_feedback.kind = ClockingFeedback::Kind::Unknown;
        return;
    }
    clocking.employee = employees.first()[u"employee"_s];
    const WorkSettings rules = WorkSettings::load(db);
    clocking.onceADay = !rules.severalClockIns;
    clocking.crossMidnight = rules.crossMidnight;

    if (clocking.onceADay && doneForTheDay(clocking)) {
        refuse(clocking.employee, QObject::tr("Completed"),
               QObject::tr("Employee has already been logged in/out for the "
                           "day.No further logging is possible"),
               PromptIcon::Error);
        return;
    }
    // The break dialogs read who swiped last from here.
    db.exec(u"update eauth set ename = ?,cardnum = ?"_s, {clocking.employee, clocking.card});

    const std::optional<QString> seen = state(clocking.card, {});
    if (!seen) {
        logError(clocking, u"Card not found in logged database: "_s + clocking.card);
        m_feedback.kind = ClockingFeedback::Kind::Unknown;
        return;
    }
    clocking.stateSeen = *seen;
    clocking.lastLogId = lastLogId(clocking.card);
    if (clocking.stateSeen != clockedOut && clocking.stateSeen != clockedIn)
        return;
    clocking.in = clocking.stateSeen == clockedOut;
    if (!confirmed(clocking))
        return;

    // Messages wait until the transaction has ended: an open one would hold the other
    // stations' clockings up for as long as the box stays open.
    switch (record(clocking)) {
    case Outcome::Recorded: {
        m_context.tones.play(signalTones());
        m_signalPlayed = true;
        m_feedback.kind = clocking.in ? ClockingFeedback::Kind::In : ClockingFeedback::Kind::Out;
        m_feedback.employee = clocking.employee;
        m_feedback.card = clocking.card;
        m_feedback.at = QTime::fromString(clocking.time, u"HH:mm:ss"_s);
        break;
    }
    case Outcome::ClockedElsewhere:
        refuse(clocking.employee, QObject::tr("Not Processed"),
               QObject::tr("This card was clocked at another station a "
                           "moment ago. Please try again."),
               PromptIcon::Exclamation);
        break;
    case Outcome::ChangedForEveryone:
        refuse(clocking.employee, QObject::tr("Not Processed"),
               QObject::tr("Employees were logged in/out automatically a "
                           "moment ago. Please try again."),
               PromptIcon::Exclamation);
        break;
    case Outcome::StateMissing:
        refuse(clocking.employee, QObject::tr("Error!"),
               QObject::tr("Fatal database error,please re-add the user with the card number "
                           "of : ") +
                   clocking.card,
               PromptIcon::Error);
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

bool ClockingTransaction::confirmed(const Clocking &clocking)
{
    if (!m_context.values.confirmationOn())
        return true;
    const QString question = clocking.in ? QObject::tr("Clock %1 IN?").arg(clocking.employee)
                                         : QObject::tr("Clock %1 OUT?").arg(clocking.employee);
    if (m_context.prompter.ask(QObject::tr("Confirm?"), question, PromptIcon::Question))
        return true;
    // No from someone on the way to a break: the break dialog takes over.
    if (m_context.values.breaksOn() && m_openBreakDialog) {
        m_openBreakDialog(clocking.employee);
        return false;
    }
    refuse(clocking.employee, QObject::tr("Not Processed"),
           clocking.in ? QObject::tr("Employee not logged in")
                       : QObject::tr("Employee not logged out"),
           PromptIcon::Information);
    return false;
}

ClockingTransaction::Outcome ClockingTransaction::record(const Clocking &clocking)
{
    Database &db = m_context.db;
    Transaction transaction(db);
    // Another station may have clocked the card while the question was open. The state
    // row is locked first, so a clocking committed meanwhile is seen by both reads.
    const std::optional<QString> now = state(clocking.card, db.dialect().forUpdate());
    if (!now)
        return Outcome::StateMissing;
    if (clocking.onceADay && doneForTheDay(clocking))
        return Outcome::ClockedElsewhere;
    if (*now != clocking.stateSeen) {
        // A clocking leaves a row behind; the log-ins and log-outs for everyone do not.
        return lastLogId(clocking.card) == clocking.lastLogId ? Outcome::ChangedForEveryone
                                                              : Outcome::ClockedElsewhere;
    }

    const QString doneDate = clocking.in ? QString() : shiftDate(clocking);
    db.exec(u"insert into log (dt,tm,employee,type,cardnum) values (?,?,?,?,?)"_s,
            {clocking.date, clocking.time, clocking.employee, clocking.in ? u"IN"_s : u"OUT"_s,
             clocking.card});
    db.exec(u"update locked set locked = ? where cardnum = ?"_s,
            {clocking.in ? clockedIn : clockedOut, clocking.card});
    if (!clocking.in)
        db.exec(u"insert into allloggedin (dt,cardnum,completed) values (?,?,?)"_s,
                {doneDate, clocking.card, u"1"_s});
    transaction.commit();
    return Outcome::Recorded;
}

bool ClockingTransaction::doneForTheDay(const Clocking &clocking)
{
    return !m_context.db
                .select(u"select dt,completed from allloggedin where dt = ? and cardnum = ?"_s,
                        {clocking.date, clocking.card})
                .isEmpty();
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

std::optional<QString> ClockingTransaction::state(const QString &card, const QString &suffix)
{
    const QList<SqlRow> rows = m_context.db.select(
        u"select locked from locked where cardnum = ? order by id"_s + suffix, {card});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first()[u"locked"_s];
}

QString ClockingTransaction::lastLogId(const QString &card)
{
    return m_context.db.first(u"select max(id) as last from log where cardnum = ?"_s, {card})
        .text(u"last"_s);
}

void ClockingTransaction::logError(const Clocking &clocking, const QString &reason)
{
    m_context.db.exec(u"insert into errorlog (tm,dt,reason,sent) values (?,?,?,?)"_s,
                      {clocking.time, clocking.date, reason, u"NO"_s});
}
