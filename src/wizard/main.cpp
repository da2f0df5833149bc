#include "platform/core/ExitCode.h"
#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "platform/gui/MessageBoxPrompter.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
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
    MessageBoxPrompter prompter;

    // The launcher asks for the wizard only where the station could not start.
    const bool ifNeeded = QApplication::arguments().contains(u"--if-needed"_s);
    std::unique_ptr<WizardRun> run;
    try {
        if (ifNeeded && WizardDatabase::isSetUp())
            return ExitCode::Done;
        run = std::make_unique<WizardRun>();
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
    return QApplication::exec();
}
