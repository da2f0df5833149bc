#pragma once

#include <memory>

class Database;
class DatabaseError;
class Prompter;

// The wizard sets up the database the station will use, making it first when needed.
namespace WizardDatabase {

// Opens the station's database; a missing one is created with every table.
// Throws DatabaseError.
std::unique_ptr<Database> open();

// True when the station's database exists and the wizard has completed on it.
bool isSetUp();

// Tells that the station's database cannot be reached, where it is and where that is
// changed.
void showUnreachable(Prompter &prompter, const DatabaseError &error);

} // namespace WizardDatabase
