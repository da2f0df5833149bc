#pragma once

#include "reports/core/ReportInvocation.h"

// `chronel-report payroll`: the payroll export of the Reports menu, for a period, every
// employee or one, as CSV, XLSX or PDF.
namespace PayrollSubcommand {

ReportSubcommand make();

// Whether the command line asks for a PDF, whose painter needs a GUI application: the
// others run with a plain core application, which needs no platform at all.
bool wantsPdf(const QStringList &arguments);

} // namespace PayrollSubcommand
