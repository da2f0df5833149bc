#include "admin/core/NetworkOptions.h"

#include "platform/core/Prompter.h"
#include "store/AuditTrail.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/ReportedErrors.h"
#include "store/Schema.h"
#include "store/TextInput.h"
#include "store/Transaction.h"

#include <QUrl>
#include <QUrlQuery>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Seconds a connection test waits for a server that does not answer.
constexpr int serverTestTimeout = 10;

QString withTimeout(const QString &uri)
{
    QUrl url(uri);
    QUrlQuery query(url);
    if (query.hasQueryItem(u"connect_timeout"_s))
        return uri;
    query.addQueryItem(u"connect_timeout"_s, QString::number(serverTestTimeout));
    url.setQuery(query);
    return url.toString();
}

bool reachable(const QString &folder)
{
    QString location = LocationFile::networkDatabase(folder);
    if (DatabaseLocation::isServerUri(location))
        location = withTimeout(location);
    // Opening a missing file would create an empty one.
    else if (Database::fileMissing(location))
        return false;
    try {
        Database db(location);
        return Schema::isPresent(db);
    } catch (const DatabaseError &) {
        return false;
    }
}

} // namespace

QString NetworkOptions::modeText(bool localMode)
{
    return localMode ? tr("Local Mode") : tr("Network Mode");
}

bool NetworkOptions::apply(Choice choice, const QString &path)
{
    const QString folder = path.trimmed();
    if (choice != Choice::Local && folder.isEmpty()) {
        m_prompter.inform(tr("Network path"),
                          tr("Please enter in a network path or select local mode"),
                          PromptIcon::Error);
        return false;
    }
    if (choice != Choice::Local && refusedPath(path))
        return false;
    const bool written = runReported(m_prompter, [&] {
        const auto text = [](const DatabaseLocation &location) {
            return (location.localMode ? u"local: "_s : u"network: "_s) +
                   DatabaseLocation::shown(location.path);
        };
        std::optional<Transaction> transaction;
        if (m_current) {
            // The row goes only with files that were written; a server password never.
            transaction.emplace(*m_current);
            const QString before = text(m_file.read());
            const QString after = choice == Choice::Local
                                      ? text({m_file.defaultDatabasePath(), true})
                                      : text({LocationFile::networkDatabase(folder), false});
            AuditTrail::note(*m_current, AuditTrail::Kind::NetworkOptions, before, after);
        }
        if (choice == Choice::Local)
            m_file.writeLocal();
        else
            m_file.writeNetwork(folder);
        if (transaction)
            transaction->commit();
    });
    if (!written)
        return false;
    m_prompter.inform(tr("Changes"),
                      tr("Chronel will now exit for changes to take effect.Please "
                         "re-run Chronel!"),
                      PromptIcon::Information);
    return true;
}

bool NetworkOptions::testConnection(const QString &path)
{
    const QString folder = path.trimmed();
    if (folder.isEmpty()) {
        m_prompter.inform(tr("Error!"), tr("Please enter in a path to the database"),
                          PromptIcon::Error);
        return false;
    }
    if (refusedPath(path))
        return false;
    if (!reachable(folder)) {
        m_prompter.inform(tr("Failure!"),
                          tr("Database could not be contacted.Please check USN name or "
                             "network connectivity"),
                          PromptIcon::Error);
        return false;
    }
    m_prompter.inform(tr("Success!"), tr("Database was successfully contacted!"),
                      PromptIcon::Information);
    return true;
}

bool NetworkOptions::refusedPath(const QString &path)
{
    return TextInput::refused(m_prompter, {{tr("path to the database"), path}});
}
