#pragma once

class QIODevice;
class QString;
struct Payroll;

// The payroll as a workbook: a details sheet with a row per employee and day and a
// totals sheet with each employee's weeks and period. Figures are stored as numbers,
// dates as dates, durations as days formatted [h]:mm, so a spreadsheet sums them.
namespace PayrollXlsx {

// False with `error` set when the workbook could not be made or the device refused it.
bool write(const Payroll &payroll, QIODevice &device, QString *error);

} // namespace PayrollXlsx
