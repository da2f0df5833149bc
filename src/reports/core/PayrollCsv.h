#pragma once

class QIODevice;
struct Payroll;

// The payroll as one comma-separated table for spreadsheets and payroll programs: one
// header row, then per employee a row per day, per week and for the period (the `kind`
// column tells them apart). Fields are quoted only where they must be, lines end in CR LF,
// the text is UTF-8, dates are yyyy-mm-dd and decimals use a dot. Every row repeats the
// company, the period and when the file was made, so a row cut out still says where it
// came from.
namespace PayrollCsv {

// False when the device refused the bytes.
bool write(const Payroll &payroll, QIODevice &device);

} // namespace PayrollCsv
