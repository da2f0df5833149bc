#include "BreakRecording.h"

#include "Clock.h"
#include "Database.h"
#include "Prompter.h"
#include "ReportedErrors.h"
#include "StartupValues.h"
#include "Transaction.h"

#include <QObject>

using namespace Qt::StringLiterals;

namespace {

const QString notTaken = u"0"_s;
const QString running = u"1"_s;
const QString done = u"2"_s;

QString stateColumn(int number)
{
    return u"used"_s + QString::number(number);
}

} // namespace

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
    std::optional<Event> event;
    for (int number = 1; number <= count && !event; ++number) {
        const QString seen = state(card, number);
        if (seen == notTaken)
            event = Event{number, true};
        else if (seen == running)
            event = Event{number, false};
        else if (seen != done)
            break; // a state only the manual input writes: left to the supervisor
    }
    if (!event)
        return std::nullopt;
    if (event->start)
        start(card, event->number, date, time);
    else
        end(card, event->number, now.date(), time);
    transaction.commit();
    return event;
}

QString BreakRecording::state(const QString &card, int number)
{
    const QString column = stateColumn(number);
    const QString query =
        u"select %1 from usedbreaks where employee = ?"_s.arg(column) + m_db.dialect().forUpdate();
    QList<SqlRow> rows = m_db.select(query, {card});
    if (rows.isEmpty()) {
        // Employees added after breaks were switched on have no row yet.
        m_db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values (?,?,?,?)"_s,
                  {card, notTaken, notTaken, notTaken});
        return notTaken;
    }
    return rows.first()[column];
}

void BreakRecording::start(const QString &card, int number, const QString &date,
                           const QString &time)
{
    m_db.exec(u"insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
              u"values (?,?,?,'-','-','Y',?)"_s,
              {date, card, time, QString::number(number)});
    m_db.exec(u"update usedbreaks set %1 = ? where employee = ?"_s.arg(stateColumn(number)),
              {running, card});
}

void BreakRecording::end(const QString &card, int number, const QDate &day, const QString &time)
{
    // The open row of today, or of yesterday for a break taken across midnight.
    const QString close = u"update breaks set out = ? where dt = ? and name = ? "
                          u"and breaknumber = ? and out = '-'"_s;
    const QString breakNumber = QString::number(number);
    if (m_db.exec(close, {time, Clock::dateText(day), card, breakNumber}) == 0)
        m_db.exec(close, {time, Clock::dateText(day.addDays(-1)), card, breakNumber});
    m_db.exec(u"update usedbreaks set %1 = ? where employee = ?"_s.arg(stateColumn(number)),
              {done, card});
}

void BreakRecording::tell(const Event &event)
{
    const QString name = breakName(event.number);
    if (event.start) {
        m_prompter.inform(QObject::tr("Success!"), QObject::tr("Start of %1 recorded").arg(name),
                          PromptIcon::Information);
        return;
    }
    QString ended;
    if (event.number > 1)
        ended = QObject::tr("end of %1 recorded").arg(name);
    else if (m_values.breaksPerDay() == 1)
        ended = QObject::tr("End of %1 recorded").arg(name);
    else
        ended = QObject::tr("End of %1 recorded!").arg(name);
    m_prompter.inform(QObject::tr("Success!"), ended, PromptIcon::Information);
    m_prompter.inform(QObject::tr("Completed"), QObject::tr("All times for %1 recorded!").arg(name),
                      PromptIcon::Information);
}
