#include "reports/core/WhoIsInReport.h"

#include "reports/core/ReportFile.h"
#include "reports/core/ReportPage.h"
#include "reports/core/ReportParts.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/ReportedErrors.h"
#include "store/UsedBreaks.h"

#include <QDateTime>
#include <QObject>

using namespace Qt::StringLiterals;

namespace {

// A stored date and time; two-digit years are this century's.
QDateTime stamp(const QString &date, const QString &time)
{
    const QDateTime at = QDateTime::fromString(date + u' ' + time, u"MM/dd/yy HH:mm:ss"_s);
    return at.isValid() ? at.addYears(100) : at;
}

QString stampText(const QDateTime &at)
{
    return at.toString(u"MM/dd/yy HH:mm:ss"_s);
}

// The times of the audit rows of either kind, newest first.
QList<QDateTime> timesOf(Database &db, AuditTrail::Kind first, AuditTrail::Kind second)
{
    QList<QDateTime> times;
    for (const SqlRow &row :
         db.select(u"select dt,tm from audit where kind = ? or kind = ? order by id desc"_s,
                   {AuditTrail::kindName(first), AuditTrail::kindName(second)}))
        times << stamp(row[u"dt"_s], row[u"tm"_s]);
    return times;
}

QDateTime lastClocking(Database &db, const QString &card, const QString &type)
{
    const QList<SqlRow> rows = db.select(
        u"select dt,tm from log where cardnum = ? and type = ? order by id desc limit 1"_s,
        {card, type});
    return rows.isEmpty() ? QDateTime() : stamp(rows[0][u"dt"_s], rows[0][u"tm"_s]);
}

} // namespace

ReportTable WhoIsInReport::table()
{
    ReportTable table;
    table.columns = {{QObject::tr("Employee"), 205},
                     {QObject::tr("Clocked in since"), 160},
                     {QObject::tr("On a break"), 120}};
    // Everyone logged in at once has no clocking row; the audit trail dates that.
    const QList<QDateTime> globalIns =
        timesOf(m_db, AuditTrail::Kind::ForcedLogIn, AuditTrail::Kind::AutomaticLogIn);
    const QList<QDateTime> globalOuts =
        timesOf(m_db, AuditTrail::Kind::ForcedLogOut, AuditTrail::Kind::AutomaticLogOut);
    const QDateTime globalOut = globalOuts.value(0);
    const QList<SqlRow> present =
        m_db.select(u"select e.employee,e.cardnum from employees e,locked l "
                    "where l.cardnum = e.cardnum and l.locked = ? order by e.employee,e.id"_s,
                    {u"1"_s});
    for (const SqlRow &row : present) {
        const QString card = row[u"cardnum"_s];
        // The in-time of the current stay: the first log-in after the last log-out.
        const QDateTime out = std::max(lastClocking(m_db, card, u"OUT"_s), globalOut);
        QDateTime since;
        const auto consider = [&](const QDateTime &in) {
            if (!in.isValid() || (out.isValid() && in < out))
                return false;
            if (!since.isValid() || in < since)
                since = in;
            return true;
        };
        consider(lastClocking(m_db, card, u"IN"_s));
        for (const QDateTime &in : globalIns) {
            if (!consider(in))
                break;
        }
        table.rows << QStringList{row[u"employee"_s], since.isValid() ? stampText(since) : u"-"_s,
                                  runningBreak(card)};
    }
    return table;
}

QString WhoIsInReport::runningBreak(const QString &card)
{
    const QList<SqlRow> rows =
        m_db.select(u"select used1,used2,used3 from usedbreaks where employee = ?"_s, {card});
    if (rows.isEmpty())
        return QObject::tr("No");
    for (int number = 1; number <= 3; ++number) {
        if (rows[0][UsedBreaks::column(number)] != UsedBreaks::running)
            continue;
        const QString name = m_breakNames.value(number - 1);
        return name.isEmpty() || name == u"-"_s ? QObject::tr("Break %1").arg(number) : name;
    }
    return QObject::tr("No");
}

bool WhoIsInReport::run()
{
    return ReportFile::write(m_prompter, [&](ReportPage &page) {
        const ReportTable present = table();
        ReportParts::opening(page, m_db, u"::Who Is In::"_s, u"Who Is In"_s);
        page.sectionHeading(u"Clocked in now"_s);
        present.writeTo(page);
        page.bodyClose();
        return true;
    });
}

bool WhoIsInReport::exportCsv(const QString &path)
{
    ReportTable present;
    if (!runReported(m_prompter, [&] { present = table(); }))
        return false;
    return present.exportCsv(m_prompter, path);
}
