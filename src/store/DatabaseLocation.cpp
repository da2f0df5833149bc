#include "DatabaseLocation.h"

using namespace Qt::StringLiterals;

bool DatabaseLocation::isServerUri(const QString &path)
{
    return path.startsWith(u"postgresql://"_s, Qt::CaseInsensitive) ||
           path.startsWith(u"postgres://"_s, Qt::CaseInsensitive);
}
