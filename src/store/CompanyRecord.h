#pragma once

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

    // Every field is required.
    bool complete() const;
};

namespace CompanyRecord {

// Throws DatabaseError, also when the row is missing.
CompanyDetails load(Database &db);
void save(Database &db, const CompanyDetails &details);

} // namespace CompanyRecord
