#include "station/core/DailyBackup.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "store/DatabaseError.h"

#include <QDebug>
#include <QDir>
#include <QObject>

using namespace Qt::StringLiterals;

void DailyBackup::tick(const QDateTime &now)
{
    const QDate today = now.date();
    // A copy that failed is not tried again every second; the next day tries afresh.
    if (today == m_tried)
        return;
    m_tried = today;
    if (m_folder.hasCopy(today))
        return;
    try {
        m_folder.make(m_db, today);
    } catch (const DatabaseError &error) {
        qWarning().noquote() << "The daily copy of the database into"
                             << QDir::toNativeSeparators(m_folder.folder())
                             << "failed:" << error.text();
        m_failure = std::pair{today, error.text()};
        m_folder.noteFailure(today, error.text());
    }
}

void DailyBackup::reportFailure(Prompter &prompter)
{
    std::optional<std::pair<QDate, QString>> failure = m_folder.takeFailure();
    if (!failure)
        failure = m_failure;
    m_failure.reset();
    if (!failure)
        return;
    prompter.inform(QObject::tr("Backup"),
                    QObject::tr("The daily copy of the database on %1 failed: %2\nPlease check "
                                "the disk, then make a copy with Maintainence > Back Up Now.")
                        .arg(Clock::dateText(failure->first), failure->second),
                    PromptIcon::Exclamation);
}
