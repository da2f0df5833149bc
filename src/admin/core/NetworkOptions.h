#pragma once

#include "store/LocationFile.h"

#include <QCoreApplication>

class Database;
class Prompter;

// Moves a station between its local database and a shared one (a folder or a server)
// by rewriting the location file and its marker. The station reads them at its next
// start, so a change ends the program.
class NetworkOptions
{
    Q_DECLARE_TR_FUNCTIONS(NetworkOptions)

public:
    // The mode a supervisor picked; kept for the whole run, like the station's location.
    enum class Choice
    {
        None,
        Local,
        Network
    };

    // A change is recorded in the audit trail of `current`, the database in use, when
    // given.
    NetworkOptions(const QString &homeFolder, Prompter &prompter, Database *current = nullptr)
        : m_file(homeFolder), m_prompter(prompter), m_current(current)
    {
    }

    static QString modeText(bool localMode);

    // Writes the choice for the next start; `path` counts unless local was chosen.
    // Returns true when the program must now end. A refusal or failure changes no file.
    bool apply(Choice choice, const QString &path);
    // Tells whether `path` leads to a Chronel database: main.db in the folder, or the
    // server the URI names.
    bool testConnection(const QString &path);

private:
    // A control character would end up in the location file and the driver's arguments.
    bool refusedPath(const QString &path);

    LocationFile m_file;
    Prompter &m_prompter;
    Database *m_current;
};
