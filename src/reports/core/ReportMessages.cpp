#include "reports/core/ReportMessages.h"

#include "platform/core/Prompter.h"

#include <QObject>

namespace ReportMessages {

void refuse(Prompter &prompter, const QString &text)
{
    prompter.inform(QObject::tr("Error!"), text, PromptIcon::Error);
}

void noResultsForDate(Prompter &prompter)
{
    prompter.inform(QObject::tr("Results"),
                    QObject::tr("There are no results for the date specified"),
                    PromptIcon::Information);
}

void noResultsForPeriod(Prompter &prompter)
{
    prompter.inform(QObject::tr("Results"),
                    QObject::tr("There are no results for the period specified"),
                    PromptIcon::Information);
}

} // namespace ReportMessages
