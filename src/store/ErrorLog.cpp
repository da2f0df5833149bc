#include "store/ErrorLog.h"

#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace ErrorLog {

void add(Database &db, const QString &time, const QString &date, const QString &reason,
         const QString &sent)
{
    db.exec(u"insert into errorlog (tm,dt,reason,sent) values (?,?,?,?)"_s,
            {time, date, reason, sent});
}

void removeAll(Database &db)
{
    db.exec(u"delete from errorlog where id >= 0"_s);
}

} // namespace ErrorLog
