#include "WizardDatabase.h"

#include "ChronelHome.h"
#include "Database.h"
#include "LocationFile.h"
#include "Schema.h"

using namespace Qt::StringLiterals;

namespace WizardDatabase {

std::unique_ptr<Database> open()
{
    const DatabaseLocation location = LocationFile(ChronelHome::path()).resolve();
    auto db = std::make_unique<Database>(location.path);
    if (!Schema::isPresent(*db))
        Schema::create(*db);
    return db;
}

bool isSetUp()
{
    const DatabaseLocation location = LocationFile(ChronelHome::path()).resolve();
    if (Database::fileMissing(location.path))
        return false;
    Database db(location.path);
    return Schema::isPresent(db) && db.first(u"select first from run"_s).text(u"first"_s) != u"1"_s;
}

} // namespace WizardDatabase
