#include "admin/core/TableArchive.h"

#include "platform/core/CsvWriter.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

const Schema::Table &tableNamed(const QString &name)
{
    for (const Schema::Table &table : Schema::tables()) {
        if (table.name == name)
            return table;
    }
    qFatal("no table %s", qPrintable(name));
}

} // namespace

namespace TableArchive {

QString folder()
{
    return ChronelHome::filePath(u"archive"_s);
}

QString filePath(const QString &table, const QDateTime &when)
{
    return folder() + u'/' + table + when.toString(u"-yyyy-MM-dd-HHmmss"_s) + u".csv"_s;
}

QString write(Database &db, const QString &table, const QString &path)
{
    const Schema::Table &schema = tableNamed(table);
    QStringList columns = schema.columns;
    if (schema.hasId)
        columns.prepend(u"id"_s);
    const QList<SqlRow> rows = db.select(u"select %1 from %2%3"_s.arg(
        columns.join(u','), Schema::sqlName(table), schema.hasId ? u" order by id"_s : QString()));

    if (!QDir().mkpath(QFileInfo(path).path()))
        return QObject::tr("the folder %1 cannot be made")
            .arg(QDir::toNativeSeparators(QFileInfo(path).path()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    CsvWriter csv(file);
    csv.record(columns);
    for (const SqlRow &row : rows) {
        QStringList values;
        for (const QString &column : columns)
            values << row[column];
        csv.record(values);
    }
    if (!csv.ok()) {
        file.cancelWriting();
        return csv.errorString();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace TableArchive
