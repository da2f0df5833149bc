#pragma once

#include <QString>
#include <QStringList>

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

    BreakAuthorization(Database &db, Prompter &prompter, const QString &card)
        : m_db(db), m_prompter(prompter), m_card(card)
    {
    }

    Status status() const { return m_status; }

    // One look for a grant; true once the break may be recorded. A database error is
    // shown and the dialog keeps waiting.
    bool poll();

    // A supervisor authorised at this station, by a grant for `grantedCard`.
    void grantedAtStation(const QString &grantedCard);

    // The dialog closes: the grant it used is given back, so the next opening needs a
    // new one.
    void close();

private:
    Database &m_db;
    Prompter &m_prompter;
    QString m_card;
    // Grants this dialog relied on, to be taken back on closing.
    QStringList m_usedGrants{m_card};
    Status m_status = Status::Waiting;
};
