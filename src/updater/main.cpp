#include "BreakTableUpdater.h"
#include "ExitCode.h"
#include "MessageBoxPrompter.h"
#include "UpdaterDialog.h"
#include "platform/Version.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
