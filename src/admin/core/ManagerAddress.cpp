#include "admin/core/ManagerAddress.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype longestHostName = 253;

bool allDigits(const QString &part)
{
    static const QRegularExpression digits(u"\\A[0-9]+\\z"_s);
    return digits.match(part).hasMatch();
}

bool isIpv4(const QStringList &parts)
{
    if (parts.size() != 4)
        return false;
    for (const QString &part : parts) {
        if (!allDigits(part) || part.size() > 3 || (part.size() > 1 && part.startsWith(u'0')) ||
            part.toInt() > 255)
            return false;
    }
    return true;
}

bool isHostName(const QString &address, const QStringList &labels)
{
    static const QRegularExpression label(u"\\A[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?\\z"_s);
    if (address.size() > longestHostName || allDigits(labels.last()))
        return false;
    for (const QString &part : labels) {
        if (!label.match(part).hasMatch())
            return false;
    }
    return true;
}

} // namespace

namespace ManagerAddress {

bool isValid(const QString &address)
{
    if (address.isEmpty())
        return false;
    const QStringList parts = address.split(u'.');
    // All-digit parts are an IPv4 address or nothing: 10.1.1 or 300.1.1.1 is no host name.
    if (std::all_of(parts.cbegin(), parts.cend(), allDigits))
        return isIpv4(parts);
    return isHostName(address, parts);
}

} // namespace ManagerAddress
