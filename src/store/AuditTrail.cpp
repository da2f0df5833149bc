#include "store/AuditTrail.h"

#include "platform/core/Clock.h"
#include "store/Database.h"
#include "store/Transaction.h"

#include <QHash>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

// The programs run on one thread.
QHash<const Database *, AuditTrail *> &trails()
{
    static QHash<const Database *, AuditTrail *> all;
    return all;
}

} // namespace

AuditTrail::AuditTrail(Database &db, const Clock &clock, const QString &station)
    : m_db(db), m_clock(clock), m_station(station.isEmpty() ? QSysInfo::machineHostName() : station)
{
    trails().insert(&m_db, this);
}

AuditTrail::~AuditTrail()
{
    if (trails().value(&m_db) == this)
        trails().remove(&m_db);
}

AuditTrail *AuditTrail::of(const Database &db)
{
    return trails().value(&db);
}

void AuditTrail::note(Database &db, Kind kind, const QString &before, const QString &after)
{
    if (AuditTrail *trail = of(db))
        trail->append(kind, before, after);
}

void AuditTrail::noteAutomatic(Database &db, Kind kind, const QString &before, const QString &after)
{
    if (AuditTrail *trail = of(db))
        trail->appendAutomatic(kind, before, after);
}

void AuditTrail::noteAs(Database &db, const QString &supervisor, Kind kind, const QString &before,
                        const QString &after)
{
    if (AuditTrail *trail = of(db))
        trail->write(supervisor, kind, before, after);
}

void AuditTrail::noteAlone(Database &db, Kind kind, const QString &before, const QString &after)
{
    if (AuditTrail *trail = of(db)) {
        Transaction transaction(db);
        trail->append(kind, before, after);
        transaction.commit();
    }
}

void AuditTrail::append(Kind kind, const QString &before, const QString &after)
{
    write(m_supervisor, kind, before, after);
}

void AuditTrail::appendAutomatic(Kind kind, const QString &before, const QString &after)
{
    write(automatic, kind, before, after);
}

void AuditTrail::write(const QString &supervisor, Kind kind, const QString &before,
                       const QString &after)
{
    // One reading, so the date and time never straddle midnight.
    const QDateTime now = m_clock.now();
    m_db.exec(u"insert into audit (dt,tm,station,supervisor,kind,oldvalue,newvalue) "
              "values (?,?,?,?,?,?,?)"_s,
              {Clock::dateText(now.date()), Clock::timeText(now.time()), m_station, supervisor,
               kindName(kind), before, after});
}

QString AuditTrail::kindName(Kind kind)
{
    switch (kind) {
    case Kind::ManualClocking:
        return u"manual log in/out"_s;
    case Kind::ManualBreak:
        return u"manual break input"_s;
    case Kind::EmployeeAdded:
        return u"employee added"_s;
    case Kind::EmployeeChanged:
        return u"employee updated"_s;
    case Kind::EmployeeDeleted:
        return u"employee deleted"_s;
    case Kind::AccountAdded:
        return u"account added"_s;
    case Kind::AccountChanged:
        return u"account updated"_s;
    case Kind::AccountDeleted:
        return u"account deleted"_s;
    case Kind::TablesCleared:
        return u"tables cleared"_s;
    case Kind::ProgramOptions:
        return u"program options"_s;
    case Kind::BreakOptions:
        return u"break options"_s;
    case Kind::CompanyDetails:
        return u"company details"_s;
    case Kind::NetworkOptions:
        return u"network options"_s;
    case Kind::ForcedLogIn:
        return u"forced global log-in"_s;
    case Kind::ForcedLogOut:
        return u"forced global log-out"_s;
    case Kind::AutomaticLogIn:
        return u"automatic log-in"_s;
    case Kind::AutomaticLogOut:
        return u"automatic log-out"_s;
    case Kind::BreakGrant:
        return u"break grant"_s;
    }
    return {};
}

QStringList AuditTrail::kindNames()
{
    QStringList names;
    for (int kind = int(Kind::ManualClocking); kind <= int(Kind::BreakGrant); ++kind)
        names << kindName(Kind(kind));
    return names;
}
