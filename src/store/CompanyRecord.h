#pragma once

#include "store/TextInput.h"

#include <QString>

class Database;

// The company details that every report page prints: the single row of `company`.
struct CompanyDetails
{
    QString name;
    QString telephone;
    QString address1;
    QString address2;
    QString address3;

    // Every field is required; blanks alone are not a value.
    bool complete() const;
    // Each field with the name the user knows it by.
    QList<TextInput::Field> fields() const;
};

namespace CompanyRecord {

// Throws DatabaseError, also when the row is missing.
CompanyDetails load(Database &db);
// Stores each field without surrounding blanks.
void save(Database &db, const CompanyDetails &details);

} // namespace CompanyRecord
