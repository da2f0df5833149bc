#include "store/ReportedErrors.h"

#include "store/DatabaseLocation.h"

#include <QDir>
#include <QObject>

namespace {

// The driver's reason, to be followed by a sentence of ours.
QString reason(const DatabaseError &error)
{
    QString text = error.text().trimmed();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text.isEmpty() ? QObject::tr("no answer") : text;
}

} // namespace

void showDatabaseError(Prompter &prompter, const DatabaseError &error)
{
    if (error.unreachable()) {
        prompter.inform(QObject::tr("Database Error"),
                        QObject::tr("The database cannot be reached: %1. Chronel will try again "
                                    "at the next action.")
                            .arg(reason(error)),
                        PromptIcon::Error);
        return;
    }
    prompter.inform(QObject::tr("Error"),
                    error.text().isEmpty()
                        ? QObject::tr("The database refused the operation without a reason.")
                        : error.text(),
                    PromptIcon::Error);
}

void showUnreachableAtStart(Prompter &prompter, const QString &location,
                            const QString &locationFile, const DatabaseError &error)
{
    prompter.inform(QObject::tr("Database Error"),
                    QObject::tr("The database at %1 cannot be reached: %2.\n\nMake the shared "
                                "folder or the database server available, or change where "
                                "Chronel looks for it: the file %3, which Options > Network "
                                "Options writes.")
                        .arg(DatabaseLocation::shown(location), reason(error),
                             QDir::toNativeSeparators(locationFile)),
                    PromptIcon::Error);
}
