#include "Database.h"
#include "DatabaseError.h"
#include "ExitCode.h"
#include "MessageBoxPrompter.h"
#include "WelcomePage.h"
#include "WizardDatabase.h"
#include "WizardSteps.h"
#include "platform/Version.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Chronel Wizard"_s);
    QApplication::setApplicationVersion(ChronelVersion::text);
    QApplication::setWindowIcon(QIcon(u":/chronel/chronel.png"_s));
    MessageBoxPrompter prompter;

    std::unique_ptr<Database> db;
    try {
        // The launcher asks for the wizard only where the station could not start.
        if (QApplication::arguments().contains(u"--if-needed"_s) && WizardDatabase::isSetUp())
            return ExitCode::Done;
        db = WizardDatabase::open();
    } catch (const DatabaseError &error) {
        prompter.inform(QObject::tr("Error"), error.text(), PromptIcon::Error);
        return ExitCode::Failed;
    }

    WizardSteps steps(*db, prompter);
    WelcomePage welcome(
        WizardContext{steps, [](int exitCode) { QCoreApplication::exit(exitCode); }});
    welcome.show();
    return QApplication::exec();
}
