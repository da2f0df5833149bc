#pragma once

#include "station/core/SupervisorSession.h"
#include "store/AuditTrail.h"
#include "store/DatabaseLocation.h"
#include "store/StartupValues.h"

#include <QString>

class Clock;
class Database;
class Messenger;
class Prompter;
class TonePlayer;

// What the station's features share for the whole run.
struct StationContext
{
    Database &db;
    Prompter &prompter;
    Clock &clock;
    TonePlayer &tones;
    // Break requests go out through it.
    Messenger &messenger;
    const StartupValues &values;
    // The card number of the last Enter in the card field; the break dialogs read it.
    QString currentCardNumber;
    // Where the database was found at start; a change applies at the next start.
    DatabaseLocation location = {};
    // The supervisor logged in at this station, if any.
    SupervisorSession session = SupervisorSession(values.supervisorIdleMinutes);
    // Where the supervisors' changes and the timer's are recorded.
    AuditTrail audit = AuditTrail(db, clock);
};
