#include "store/StationOptions.h"

#include "store/Database.h"
#include "store/Transaction.h"

using namespace Qt::StringLiterals;

QString StationOptions::text(const QString &name, const QString &fallback) const
{
    if (!m_db.hasTable(u"options"_s))
        return fallback;
    const QList<SqlRow> rows = m_db.select(u"select value from options where name = ?"_s, {name});
    return rows.isEmpty() ? fallback : rows.first()[u"value"_s];
}

int StationOptions::number(const QString &name, int fallback) const
{
    bool ok = false;
    const int value = text(name).toInt(&ok);
    return ok ? value : fallback;
}

void StationOptions::set(const QString &name, const QString &value)
{
    // Two supervisors saving the same option at once must leave one row.
    Transaction::lockTable(m_db, u"options"_s);
    if (m_db.exec(u"update options set value = ? where name = ?"_s, {value, name}) == 0)
        m_db.exec(u"insert into options (name,value) values (?,?)"_s, {name, value});
}
