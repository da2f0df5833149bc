#include "breaks/gui/BreakRequestNotices.h"
#include "platform/audio/AudioTonePlayer.h"
#include "platform/core/Clock.h"
#include "platform/core/CommandLine.h"
#include "platform/core/ExitCode.h"
#include "platform/core/LogCategories.h"
#include "platform/core/LogFile.h"
#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "platform/gui/MessageBoxPrompter.h"
#include "platform/network/SenderAllowList.h"
#include "platform/network/UdpMessenger.h"
#include "station/core/KioskOption.h"
#include "station/core/StationContext.h"
#include "station/core/StationLock.h"
#include "station/core/StationStartup.h"
#include "station/gui/SplashWindow.h"
#include "station/gui/StationCommands.h"
#include "station/gui/StationWindow.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"

#include <QApplication>
#include <QDebug>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Translations::install(app);
    QApplication::setApplicationName(u"Chronel"_s);
    QApplication::setApplicationVersion(ChronelVersion::text);
    QApplication::setWindowIcon(QIcon(u":/chronel/chronel.png"_s));

    CommandLine commandLine(QObject::tr("Chronel time-clock and attendance station."));
    const QCommandLineOption databaseOption(
        u"database"_s,
        QObject::tr("Use the database at <location> (a database file, a shared folder or a "
                    "postgresql:// URI) for this run, whatever path.ini says."),
        QObject::tr("location"));
    commandLine.addOption(databaseOption);
    const QCommandLineOption kioskOption = KioskOption::option();
    commandLine.addOption(kioskOption);
    if (const std::optional<int> exitCode = commandLine.parse(QApplication::arguments()))
        return *exitCode;

    MessageBoxPrompter prompter;
    QString home;
    try {
        home = ChronelHome::path();
    } catch (const DatabaseError &error) {
        prompter.inform(QObject::tr("Error"), error.text(), PromptIcon::Error);
        return ExitCode::Failed;
    }
    LogFile::install(home + u'/' + LogFile::fileName);
    qCInfo(lcProgram).noquote() << "Chronel" << ChronelVersion::text << "started in" << home;

    StationLock lock(home);
    if (!lock.acquire(prompter))
        return ExitCode::Failed;
    {
        SplashWindow splash;
        splash.exec();
    }

    StationStartup startup(prompter);
    if (commandLine.isSet(databaseOption))
        startup.useLocation(commandLine.value(databaseOption));
    const StationStartup::Outcome outcome = startup.run();
    if (outcome != StationStartup::Outcome::Ready) {
        qCInfo(lcProgram) << "Chronel stopped at start, exit code"
                          << StationStartup::exitCode(outcome);
        return StationStartup::exitCode(outcome);
    }
    const std::unique_ptr<Database> db = startup.takeDatabase();
    qCInfo(lcProgram).noquote() << "Database:" << DatabaseLocation::shown(startup.location().path);

    SystemClock clock;
    AudioTonePlayer tones;
    UdpMessenger messenger;
    StationContext context{*db, prompter, clock, tones, messenger, startup.values(), {}};
    context.location = startup.location();
    StationWindow window(clock, prompter);
    prompter.setParent(&window);
    if (commandLine.isSet(kioskOption) || startup.values().kiosk)
        window.enterKioskMode();
    StationCommands commands(window, context);
    commands.startDailyBackups();
    // Break requests sent from the allowed hosts are shown here; the station runs on without.
    BreakRequestNotices breakRequests(
        clock, SenderAllowList::entries(startup.values().breakRequestSenders));
    if (!breakRequests.listen())
        qCWarning(lcNetwork).noquote()
            << "Break requests cannot be received:" << breakRequests.errorString();
    QObject::connect(&window, &StationWindow::exitRequested, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    window.show();
    const int exitCode = QApplication::exec();
    qCInfo(lcProgram) << "Chronel stopped, exit code" << exitCode;
    return exitCode;
}
