#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class Database;
class Prompter;

// Keeps the supervisor accounts. Passwords are stored as hashes only, so an account is
// changed by giving it a new password and removed once the user confirms.
class SecurityManager
{
    Q_DECLARE_TR_FUNCTIONS(SecurityManager)

public:
    struct Account
    {
        QString userName;
        QString password;
        QString confirmation;
    };

    enum class Outcome
    {
        Done,
        Refused,  // the user was told what is wrong, or said No; nothing was written
        UserGone, // the chosen account was removed since the list was filled
        Failed,   // a database error, shown with the driver's text
    };

    SecurityManager(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // Every user name in list order; tells the user when there is none. Throws
    // DatabaseError.
    QStringList userNames();

    // The user name is stored without surrounding blanks.
    Outcome add(const Account &typed);
    // Gives the account chosen in the list (`chosen`, empty when none) the typed name
    // and password.
    Outcome update(const QString &chosen, const Account &typed);
    // Asks, then removes one account named `userName`; never the last one.
    Outcome remove(const QString &userName);

private:
    bool checked(const Account &typed);
    void refuse(const QString &caption, const QString &text);

    Database &m_db;
    Prompter &m_prompter;
};
