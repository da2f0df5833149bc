#include "platform/core/ExitCode.h"
#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "platform/gui/MessageBoxPrompter.h"
#include "updater/core/BreakTableUpdater.h"
#include "updater/gui/UpdaterDialog.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Translations::install(app);
    QApplication::setApplicationName(u"Chronel Updater"_s);
    QApplication::setApplicationVersion(ChronelVersion::text);
    QApplication::setWindowIcon(QIcon(u":/chronel/chronel.png"_s));
    BreakTableUpdater::tightenHome();
    MessageBoxPrompter prompter;
    UpdaterDialog dialog(prompter);
    prompter.setParent(&dialog);
    dialog.exec();
    return ExitCode::Done;
}
