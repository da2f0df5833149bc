#include "wizard/core/WizardDatabase.h"

#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/LocationFile.h"
#include "store/PrivateFiles.h"
#include "store/ReportedErrors.h"
#include "store/RunFlags.h"
#include "store/Schema.h"

using namespace Qt::StringLiterals;

namespace WizardDatabase {

std::unique_ptr<Database> open()
{
    const QString home = ChronelHome::path();
    const DatabaseLocation location = LocationFile(home).resolve();
    auto db = std::make_unique<Database>(location.path);
    // Before the first row: a database just made is its owner's only from the start.
    PrivateFiles::tighten(home, location);
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
    return Schema::isPresent(db) && !RunFlags::wizardPending(db);
}

void showUnreachable(Prompter &prompter, const DatabaseError &error)
{
    const LocationFile file(ChronelHome::folder());
    QString location;
    try {
        location = file.read().path;
    } catch (const DatabaseError &) {
        // The message still says where the location is set.
    }
    showUnreachableAtStart(prompter, location, file.filePath(), error);
}

} // namespace WizardDatabase
