#pragma once

#include "reports/core/Payroll.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class Database;
class QIODevice;

enum class PayrollFormat
{
    Csv,
    Xlsx,
    Pdf
};

// The payroll export of the menu and of the command line: reads the period and writes
// one file in one of the three formats, whole or not at all. The PDF needs a
// QGuiApplication; CSV and XLSX do with a QCoreApplication.
namespace PayrollExport {

// The name on the command line and the file suffix: "csv", "xlsx", "pdf".
QString name(PayrollFormat format);
std::optional<PayrollFormat> formatNamed(const QString &name);

// Reads the payroll and writes it to `device` in one piece once it is complete, so that a
// failure leaves nothing half-written there. False with `error` set (the database's or
// the device's text) on failure.
bool write(Database &db, const PayrollRequest &request, PayrollFormat format, QIODevice &device,
           QString *error, const QDateTime &madeAt = QDateTime::currentDateTime(),
           const Payroll::Progress &progress = {});

// The same into the file at `path`, which is replaced only when the new one is whole.
bool write(Database &db, const PayrollRequest &request, PayrollFormat format, const QString &path,
           QString *error, const QDateTime &madeAt = QDateTime::currentDateTime(),
           const Payroll::Progress &progress = {});

// Writes a payroll already read.
bool write(const Payroll &payroll, PayrollFormat format, QIODevice &device, QString *error);

} // namespace PayrollExport
