#include "platform/core/CommandLine.h"
#include "platform/core/ExitCode.h"
#include "platform/core/LogCategories.h"
#include "platform/core/LogFile.h"
#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "platform/gui/MessageBoxPrompter.h"
#include "store/ChronelHome.h"
#include "updater/core/BreakTableUpdater.h"
#include "updater/gui/UpdaterDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Translations::install(app);
    QApplication::setApplicationName(u"Chronel Updater"_s);
    QApplication::setApplicationVersion(ChronelVersion::text);
    QApplication::setWindowIcon(QIcon(u":/chronel/chronel.png"_s));

    CommandLine commandLine(
        QObject::tr("Adds the break tables to the database of an older Chronel station."));
    if (const std::optional<int> exitCode = commandLine.parse(QApplication::arguments()))
        return *exitCode;

    // The updater makes no home of its own; it logs where a station or the wizard made one.
    const QString home = ChronelHome::folder();
    if (QFileInfo(home).isDir())
        LogFile::install(home + u'/' + LogFile::fileName);
    qCInfo(lcProgram).noquote() << "Chronel Updater" << ChronelVersion::text << "started";
    BreakTableUpdater::tightenHome();
    MessageBoxPrompter prompter;
    UpdaterDialog dialog(prompter);
    prompter.setParent(&dialog);
    dialog.exec();
    qCInfo(lcProgram) << "Chronel Updater stopped";
    return ExitCode::Done;
}
