#pragma once

#include <QString>

class Clock;
class Database;
class Prompter;

// The authorisation of one opening of the break dialog: waiting for a grant for its
// card, granted, or given back when the dialog closed.
class BreakAuthorization
{
public:
    enum class Status
    {
        Waiting,
        Granted,
        Closed,
    };

    BreakAuthorization(Database &db, Prompter &prompter, const Clock &clock, const QString &card)
        : m_db(db), m_prompter(prompter), m_clock(clock), m_card(card)
    {
    }

    Status status() const { return m_status; }

    // One look for today's grant of the card; true once the break may be recorded. A
    // database error is shown and the dialog keeps waiting.
    bool poll();

    // A supervisor authorised the card at this station.
    void grantedAtStation() { m_status = Status::Granted; }

    // The dialog closes: the card's grant is given back, so the next opening needs a new
    // one. Grants of other cards stay.
    void close();

private:
    Database &m_db;
    Prompter &m_prompter;
    const Clock &m_clock;
    QString m_card;
    Status m_status = Status::Waiting;
};
