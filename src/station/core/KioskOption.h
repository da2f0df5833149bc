#pragma once

#include <QCommandLineOption>

// The station's --kiosk switch: full screen, closed only by a supervisor.
namespace KioskOption {

QCommandLineOption option();

} // namespace KioskOption
