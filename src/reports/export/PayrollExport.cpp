#include "reports/export/PayrollExport.h"

#include "reports/core/PayrollCsv.h"
#include "reports/core/PayrollXlsx.h"
#include "reports/export/PayrollPdf.h"
#include "store/DatabaseError.h"

#include <QBuffer>
#include <QObject>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// The whole file in memory first: a database error half-way must not leave part of it.
std::optional<QByteArray> made(Database &db, const PayrollRequest &request, PayrollFormat format,
                               QString *error, const QDateTime &madeAt,
                               const Payroll::Progress &progress)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        if (!PayrollExport::write(
                Payroll::load(db, request, madeAt, QTimeZone::systemTimeZone(), progress), format,
                buffer, error))
            return std::nullopt;
    } catch (const DatabaseError &failure) {
        setError(error, failure.text());
        return std::nullopt;
    }
    return buffer.data();
}

} // namespace

namespace PayrollExport {

QString name(PayrollFormat format)
{
    switch (format) {
    case PayrollFormat::Csv:
        return u"csv"_s;
    case PayrollFormat::Xlsx:
        return u"xlsx"_s;
    case PayrollFormat::Pdf:
        return u"pdf"_s;
    }
    return {};
}

std::optional<PayrollFormat> formatNamed(const QString &name)
{
    for (PayrollFormat format : {PayrollFormat::Csv, PayrollFormat::Xlsx, PayrollFormat::Pdf}) {
        if (name.compare(PayrollExport::name(format), Qt::CaseInsensitive) == 0)
            return format;
    }
    return std::nullopt;
}

bool write(const Payroll &payroll, PayrollFormat format, QIODevice &device, QString *error)
{
    switch (format) {
    case PayrollFormat::Csv:
        if (PayrollCsv::write(payroll, device))
            return true;
        break;
    case PayrollFormat::Xlsx:
        return PayrollXlsx::write(payroll, device, error);
    case PayrollFormat::Pdf:
        if (PayrollPdf::write(payroll, device))
            return true;
        break;
    }
    setError(error, device.errorString().isEmpty() ? QObject::tr("The file could not be written.")
                                                   : device.errorString());
    return false;
}

bool write(Database &db, const PayrollRequest &request, PayrollFormat format, QIODevice &device,
           QString *error, const QDateTime &madeAt, const Payroll::Progress &progress)
{
    const std::optional<QByteArray> bytes = made(db, request, format, error, madeAt, progress);
    if (!bytes)
        return false;
    if (device.write(*bytes) != bytes->size()) {
        setError(error, device.errorString());
        return false;
    }
    return true;
}

bool write(Database &db, const PayrollRequest &request, PayrollFormat format, const QString &path,
           QString *error, const QDateTime &madeAt, const Payroll::Progress &progress)
{
    const std::optional<QByteArray> bytes = made(db, request, format, error, madeAt, progress);
    if (!bytes)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        setError(error, QObject::tr("%1 could not be written: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace PayrollExport
