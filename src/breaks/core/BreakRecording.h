#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

class Clock;
class Database;
class Prompter;
struct StartupValues;

// Enter in the break dialog: the card entered again starts the employee's next break
// of the day or ends the running one. How far the employee has come lives in
// `usedbreaks`, so any station on the database carries on where another left off.
class BreakRecording
{
    Q_DECLARE_TR_FUNCTIONS(BreakRecording)

public:
    enum class Outcome
    {
        Nothing, // wrong or empty card, breaks used up, or no break set up
        Started,
        Ended,
        NoOpenBreak, // the running break has no open row to end; the user was told
        Failed,      // a database error, shown with the driver's text; nothing written
    };

    BreakRecording(Database &db, Prompter &prompter, const Clock &clock,
                   const StartupValues &values)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_values(values)
    {
    }

    // `typed` is what the card field held; `card` is the employee the dialog is for.
    Outcome record(const QString &typed, const QString &card);
    QString breakName(int number) const;

private:
    struct Event
    {
        int number = 0;
        bool start = true;
        bool rowClosed = true; // an end found the break's open row
    };

    std::optional<Event> write(const QString &card);
    void start(const QString &card, int number, const QString &date, const QString &time);
    // False when no open row of the break was found; nothing is written then.
    bool end(const QString &card, int number, const QDate &day, const QString &time);
    void tell(const Event &event);

    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    const StartupValues &m_values;
};
