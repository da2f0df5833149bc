#pragma once

#include "store/CompanyRecord.h"

#include <QCoreApplication>
#include <optional>

class Database;
class Prompter;

// Shows and changes the company details that the reports print.
class CompanySetup
{
    Q_DECLARE_TR_FUNCTIONS(CompanySetup)

public:
    CompanySetup(Database &db, Prompter &prompter) : m_db(db), m_prompter(prompter) {}

    // The stored details; none when they could not be read (the error was shown).
    std::optional<CompanyDetails> load();
    // Saves complete details without a word; refuses incomplete ones.
    bool update(const CompanyDetails &details);

private:
    Database &m_db;
    Prompter &m_prompter;
};
