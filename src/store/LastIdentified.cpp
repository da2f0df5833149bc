#include "store/LastIdentified.h"

#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace LastIdentified {

void set(Database &db, const QString &employee, const QString &card)
{
    db.exec(u"update eauth set ename = ?,cardnum = ?"_s, {employee, card});
}

} // namespace LastIdentified
