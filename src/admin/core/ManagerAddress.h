#pragma once

#include <QString>

// The address break requests are sent to: a dotted IPv4 address or a host name.
namespace ManagerAddress {

// True for four decimal parts of 0-255 without leading zeros (which some resolvers read
// as octal), or for a host name of letters, digits and inner hyphens whose last part is
// not all digits.
bool isValid(const QString &address);

} // namespace ManagerAddress
