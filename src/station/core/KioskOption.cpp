#include "station/core/KioskOption.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace KioskOption {

QCommandLineOption option()
{
    return QCommandLineOption(
        u"kiosk"_s, QCoreApplication::translate(
                        "KioskOption", "Full screen and on top; only a supervisor can exit."));
}

bool requested(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOption(option());
    // An option this parser does not know is not its concern.
    parser.parse(arguments);
    return parser.isSet(option());
}

} // namespace KioskOption
