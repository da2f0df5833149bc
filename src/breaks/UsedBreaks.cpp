#include "UsedBreaks.h"

#include "Database.h"

using namespace Qt::StringLiterals;

namespace UsedBreaks {

QString column(int number)
{
    return u"used"_s + QString::number(number);
}

void setState(Database &db, const QString &card, int number, const QString &state)
{
    db.exec(u"update usedbreaks set %1 = ? where employee = ?"_s.arg(column(number)),
            {state, card});
}

void addRow(Database &db, const QString &card, const QString &state)
{
    db.exec(u"insert into usedbreaks (employee,used1,used2,used3) values (?,?,?,?)"_s,
            {card, state, state, state});
}

} // namespace UsedBreaks
