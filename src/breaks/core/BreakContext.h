#pragma once

class Clock;
class Database;
class Messenger;
class Prompter;
struct StartupValues;

// What the break dialogs of a station share for the whole run.
struct BreakContext
{
    Database &db;
    Prompter &prompter;
    const Clock &clock;
    Messenger &messenger;
    const StartupValues &values;
};
