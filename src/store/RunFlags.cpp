#include "store/RunFlags.h"

#include "store/Database.h"

using namespace Qt::StringLiterals;

namespace RunFlags {

bool wizardPending(Database &db)
{
    return db.first(u"select first from run"_s).text(u"first"_s) == u"1"_s;
}

void markWizardDone(Database &db)
{
    db.exec(u"update run set first = '0'"_s);
}

void clearLogInFlag(Database &db)
{
    db.exec(u"update tmp set tmp = 0"_s);
}

} // namespace RunFlags
