#pragma once

class Database;

// The two flags every program of a database shares: whether the wizard has set the
// database up (`run`) and the old supervisor log-in flag (`tmp`). Every function throws
// DatabaseError.
namespace RunFlags {

// True when the wizard has not finished setting the database up.
bool wizardPending(Database &db);
void markWizardDone(Database &db);

// Clears the log-in flag, which a station left behind when it stopped.
void clearLogInFlag(Database &db);

} // namespace RunFlags
