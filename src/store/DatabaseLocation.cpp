#include "store/DatabaseLocation.h"

#include <QDir>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

bool DatabaseLocation::isServerUri(const QString &path)
{
    return path.startsWith(u"postgresql://"_s, Qt::CaseInsensitive) ||
           path.startsWith(u"postgres://"_s, Qt::CaseInsensitive);
}

QString DatabaseLocation::shown(const QString &path)
{
    if (!isServerUri(path))
        return QDir::toNativeSeparators(path);
    QUrl url(path);
    // The password may also come as a parameter.
    if (url.hasQuery()) {
        QUrlQuery parameters(url);
        parameters.removeAllQueryItems(u"password"_s);
        url.setQuery(parameters);
    }
    if (!url.isValid())
        return QObject::tr("a database server");
    return url.toString(QUrl::RemovePassword);
}
