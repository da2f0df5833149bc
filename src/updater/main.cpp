#include "BreakTableUpdater.h"
#include "MessageBoxPrompter.h"
#include "UpdaterDialog.h"

#include <QApplication>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Chronel Updater"_s);
    QApplication::setWindowIcon(QIcon(u":/chronel/chronel.png"_s));
    BreakTableUpdater::tightenHome();
    MessageBoxPrompter prompter;
    UpdaterDialog dialog(prompter);
    prompter.setParent(&dialog);
    dialog.exec();
    return 0;
}
