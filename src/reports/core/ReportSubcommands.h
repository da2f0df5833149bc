#pragma once

#include "reports/core/ReportInvocation.h"

#include <QList>

// The station's eight report pages as subcommands of chronel-report, each writing the
// bytes the station writes to report.html for the same choices.
namespace ReportSubcommands {

QList<ReportSubcommand> pages();

} // namespace ReportSubcommands
