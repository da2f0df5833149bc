#pragma once

#include <QCommandLineOption>
#include <QStringList>

// The station's --kiosk switch: full screen, closed only by a supervisor.
namespace KioskOption {

QCommandLineOption option();

// True when the program's arguments (its name first) ask for kiosk mode. Other options
// are left to the program's own parsing.
bool requested(const QStringList &arguments);

} // namespace KioskOption
