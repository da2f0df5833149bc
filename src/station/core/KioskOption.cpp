#include "station/core/KioskOption.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace KioskOption {

QCommandLineOption option()
{
    return QCommandLineOption(
        u"kiosk"_s, QCoreApplication::translate(
                        "KioskOption", "Full screen and on top; only a supervisor can exit."));
}

} // namespace KioskOption
