#include "reports/core/ReportOptions.h"

#include <QObject>

using namespace Qt::StringLiterals;

namespace ReportOptions {

QCommandLineOption database()
{
    return {u"database"_s,
            QObject::tr("The database: a SQLite file, the folder that holds main.db, or a "
                        "postgresql:// URI. Without it, the one the station's path.ini names."),
            QObject::tr("location")};
}

QCommandLineOption output()
{
    return {u"output"_s,
            QObject::tr("The file to write, replaced only once written whole; - for standard "
                        "output."),
            QObject::tr("file")};
}

QCommandLineOption date()
{
    return {u"date"_s, QObject::tr("The day, as yyyy-mm-dd or MM/DD/YY."), QObject::tr("date")};
}

QCommandLineOption month()
{
    return {u"month"_s, QObject::tr("The month, as yyyy-mm or MM/YY (instead of --from and --to)."),
            QObject::tr("month")};
}

QCommandLineOption from()
{
    return {u"from"_s, QObject::tr("The first day, as yyyy-mm-dd or MM/DD/YY."),
            QObject::tr("date")};
}

QCommandLineOption to()
{
    return {u"to"_s, QObject::tr("The last day, as yyyy-mm-dd or MM/DD/YY."), QObject::tr("date")};
}

QCommandLineOption card()
{
    return {u"card"_s, QObject::tr("The employee's card number."), QObject::tr("card")};
}

QCommandLineOption employee()
{
    return {u"employee"_s,
            QObject::tr("The clockings made under this name, as it stands (instead of --card)."),
            QObject::tr("name")};
}

QCommandLineOption show(const QStringList &choices)
{
    return {
        u"show"_s,
        QObject::tr("Which lists: %1 (default %2).").arg(choices.join(u", "_s), choices.value(0)),
        choices.join(u'|')};
}

QCommandLineOption breaks()
{
    return {u"breaks"_s, QObject::tr("Also the breaks taken that day (breaks must be on).")};
}

} // namespace ReportOptions
