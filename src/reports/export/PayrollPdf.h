#pragma once

class QIODevice;
struct Payroll;

// The payroll as a printable document: A4 pages, each headed by the company, the period
// and when it was made; per employee a line a day, the weeks and the period's totals.
// Needs a QGuiApplication (the offscreen platform does without a display).
namespace PayrollPdf {

bool write(const Payroll &payroll, QIODevice &device);

} // namespace PayrollPdf
