#include "store/CompanyRecord.h"

#include "store/Database.h"

#include <QObject>
#include <algorithm>

using namespace Qt::StringLiterals;

bool CompanyDetails::complete() const
{
    const QList<TextInput::Field> all = fields();
    return std::none_of(all.cbegin(), all.cend(), [](const TextInput::Field &field) {
        return TextInput::problem(field.text) == TextInput::Problem::Empty;
    });
}

QList<TextInput::Field> CompanyDetails::fields() const
{
    return {{QObject::tr("company name"), name},
            {QObject::tr("telephone number"), telephone},
            {QObject::tr("address line 1"), address1},
            {QObject::tr("address line 2"), address2},
            {QObject::tr("address line 3"), address3}};
}

namespace CompanyRecord {

CompanyDetails load(Database &db)
{
    const SqlRow row = db.first(u"select cname,tnum,a1,a2,a3 from company"_s);
    return {row[u"cname"_s], row[u"tnum"_s], row[u"a1"_s], row[u"a2"_s], row[u"a3"_s]};
}

void save(Database &db, const CompanyDetails &details)
{
    db.exec(u"update company set cname = ?,tnum = ?,a1 = ?,a2 = ?,a3 = ?"_s,
            {details.name.trimmed(), details.telephone.trimmed(), details.address1.trimmed(),
             details.address2.trimmed(), details.address3.trimmed()});
}

} // namespace CompanyRecord
