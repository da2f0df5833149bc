#include "CompanyRecord.h"

#include "Database.h"

using namespace Qt::StringLiterals;

bool CompanyDetails::complete() const
{
    return !name.isEmpty() && !telephone.isEmpty() && !address1.isEmpty() && !address2.isEmpty() &&
           !address3.isEmpty();
}

namespace CompanyRecord {

CompanyDetails load(Database &db)
{
    const SqlRow row = db.first(u"select cname,tnum,a1,a2,a3 from company"_s);
    return {row[u"cname"_s], row[u"tnum"_s], row[u"a1"_s], row[u"a2"_s], row[u"a3"_s]};
}

void save(Database &db, const CompanyDetails &details)
{
    db.exec(
        u"update company set cname = ?,tnum = ?,a1 = ?,a2 = ?,a3 = ?"_s,
        {details.name, details.telephone, details.address1, details.address2, details.address3});
}

} // namespace CompanyRecord
