#include "breaks/gui/BreakRequestNotices.h"
#include "platform/audio/AudioTonePlayer.h"
#include "platform/core/Clock.h"
#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "platform/gui/MessageBoxPrompter.h"
#include "platform/network/SenderAllowList.h"
#include "platform/network/UdpMessenger.h"
#include "station/core/StationContext.h"
#include "station/core/StationStartup.h"
#include "station/gui/SplashWindow.h"
#include "station/gui/StationCommands.h"
#include "station/gui/StationWindow.h"
#include "store/Database.h"

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

    MessageBoxPrompter prompter;
    {
        SplashWindow splash;
        splash.exec();
    }

    StationStartup startup(prompter);
    const StationStartup::Outcome outcome = startup.run();
    if (outcome != StationStartup::Outcome::Ready)
        return StationStartup::exitCode(outcome);
    const std::unique_ptr<Database> db = startup.takeDatabase();

    SystemClock clock;
    AudioTonePlayer tones;
    UdpMessenger messenger;
    StationContext context{*db, prompter, clock, tones, messenger, startup.values(), {}};
    context.location = startup.location();
    StationWindow window(clock, prompter);
    prompter.setParent(&window);
    StationCommands commands(window, context);
    // Break requests sent from the allowed hosts are shown here; the station runs on without.
    BreakRequestNotices breakRequests(
        clock, SenderAllowList::entries(startup.values().breakRequestSenders));
    if (!breakRequests.listen())
        qWarning().noquote() << "Break requests cannot be received:" << breakRequests.errorString();
    QObject::connect(&window, &StationWindow::exitRequested, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    window.show();
    return QApplication::exec();
}
