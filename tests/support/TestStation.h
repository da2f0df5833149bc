#pragma once

#include "FixedClock.h"
#include "RecordingMessenger.h"
#include "ScriptedPrompter.h"
#include "SilentTonePlayer.h"
#include "WhenModal.h"
#include "station/core/StationContext.h"
#include "station/gui/StationCommands.h"
#include "station/gui/StationWindow.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/StartupValues.h"

#include <QAction>
#include <QDialog>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// A running station as main() builds it: the window with its menu commands wired to the
// context they share. A test seeds the rows it needs and sets `values` and
// `context.location` before it triggers a command.
class TestStation
{
public:
    // On a fresh database at `location`, set up with the schema. Values the station reads
    // only at its start (the automatic times) are given here.
    explicit TestStation(const QString &location, StartupValues startValues = {})
        : m_ownDatabase(std::make_unique<Database>(location)), db(*m_ownDatabase),
          values(std::move(startValues))
    {
        Schema::create(db);
    }
    // On a database the test set up itself.
    explicit TestStation(Database &database) : db(database) {}

    // A supervisor logged in at this station, as the login dialog leaves it.
    void logIn(const QString &userName = QStringLiteral("ADMIN"))
    {
        context.session.logIn(clock.now(), userName);
        context.audit.setSupervisor(userName);
    }
    void trigger(StationMenu::Command command) { window.action(command)->trigger(); }

    // Triggers `command` and runs `drive` on the dialog it opens; the dialog is closed
    // afterwards if `drive` left it open. Returns the dialog's title, empty when the
    // command opened none.
    QString open(StationMenu::Command command, const std::function<void(QDialog *)> &drive = {})
    {
        QString title;
        driveDialogOpenedBy([&] { trigger(command); },
                            [&](QDialog *dialog) {
                                title = dialog->windowTitle();
                                if (drive)
                                    drive(dialog);
                            });
        return title;
    }

private:
    std::unique_ptr<Database> m_ownDatabase;

public:
    Database &db;
    FixedClock clock;
    ScriptedPrompter prompter;
    SilentTonePlayer tones;
    StartupValues values;
    RecordingMessenger messenger;
    StationContext context{db, prompter, clock, tones, messenger, values, {}};
    StationWindow window{clock, prompter};
    StationCommands commands{window, context};
};
