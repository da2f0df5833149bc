#include "platform/core/CommandLine.h"
#include "platform/core/ExitCode.h"
#include "platform/core/LogCategories.h"
#include "platform/core/LogFile.h"
#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "platform/gui/MessageBoxPrompter.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/DatabaseLocation.h"
#include "wizard/core/WizardDatabase.h"
#include "wizard/core/WizardRun.h"
#include "wizard/core/WizardSteps.h"
#include "wizard/gui/WelcomePage.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Translations::install(app);
    QApplication::setApplicationName(u"Chronel Wizard"_s);
    QApplication::setApplicationVersion(ChronelVersion::text);
    QApplication::setWindowIcon(QIcon(u":/chronel/chronel.png"_s));

    CommandLine commandLine(
        QObject::tr("Sets up the database of the Chronel station: company details and the "
                    "first supervisor account."));
    // The launcher asks for the wizard only where the station could not start.
    const QCommandLineOption ifNeededOption(
        u"if-needed"_s, QObject::tr("Do nothing when the database is already set up."));
    commandLine.addOption(ifNeededOption);
    if (const std::optional<int> exitCode = commandLine.parse(QApplication::arguments()))
        return *exitCode;
    const bool ifNeeded = commandLine.isSet(ifNeededOption);

    MessageBoxPrompter prompter;
    std::unique_ptr<WizardRun> run;
    try {
        LogFile::install(ChronelHome::filePath(LogFile::fileName));
        qCInfo(lcProgram).noquote()
            << "Chronel Wizard" << ChronelVersion::text << "started in" << ChronelHome::folder();
        if (ifNeeded && WizardDatabase::isSetUp())
            return ExitCode::Done;
        run = std::make_unique<WizardRun>();
        qCInfo(lcProgram).noquote()
            << "Database:" << DatabaseLocation::shown(run->database().location());
    } catch (const DatabaseError &error) {
        if (!error.unreachable()) {
            prompter.inform(QObject::tr("Error"), error.text(), PromptIcon::Error);
            return ExitCode::Failed;
        }
        // No wizard can help there; the station the launcher starts next tells why.
        if (ifNeeded)
            return ExitCode::Done;
        WizardDatabase::showUnreachable(prompter, error);
        return ExitCode::Failed;
    }

    WizardSteps steps(run->database(), prompter);
    WelcomePage welcome(WizardContext{steps, [&run](int exitCode) {
                                          run->finish();
                                          QCoreApplication::exit(exitCode);
                                      }});
    welcome.show();
    const int exitCode = QApplication::exec();
    qCInfo(lcProgram) << "Chronel Wizard stopped, exit code" << exitCode;
    return exitCode;
}
