#pragma once

#include "DatabaseError.h"
#include "Prompter.h"
#include "Transaction.h"

#include <QObject>

// Runs one handler; a database error ends it and is shown with the driver's text,
// leaving the window open. Returns false when the handler was ended that way.
template <typename Handler> bool runReported(Prompter &prompter, Handler &&handler)
{
    try {
        handler();
        return true;
    } catch (const DatabaseError &error) {
        prompter.inform(QObject::tr("Error"), error.text(), PromptIcon::Error);
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
