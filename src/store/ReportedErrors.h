#pragma once

#include "platform/core/Prompter.h"
#include "store/DatabaseError.h"
#include "store/Transaction.h"

#include <QObject>

// Shows a database error: one that found no connection in the words every outage gets,
// any other with the driver's text.
void showDatabaseError(Prompter &prompter, const DatabaseError &error);

// Shows why a program cannot start: the database at `location` cannot be reached. Says
// where the location is changed, the location file at `locationFile`.
void showUnreachableAtStart(Prompter &prompter, const QString &location,
                            const QString &locationFile, const DatabaseError &error);

// Runs one handler; a database error ends it and is shown, leaving the window open.
// Returns false when the handler was ended that way.
template <typename Handler> bool runReported(Prompter &prompter, Handler &&handler)
{
    try {
        handler();
        return true;
    } catch (const DatabaseError &error) {
        showDatabaseError(prompter, error);
        return false;
    }
}

// Runs `statements` as one transaction, all or nothing, reported as runReported does.
template <typename Statements>
bool writeReported(Prompter &prompter, Database &db, Statements &&statements)
{
    return runReported(prompter, [&] {
        Transaction transaction(db);
        statements();
        transaction.commit();
    });
}
