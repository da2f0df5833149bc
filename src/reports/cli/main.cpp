#include "platform/core/Version.h"
#include "reports/core/ReportCommandLine.h"
#include "reports/core/ReportSubcommands.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

using namespace Qt::StringLiterals;

// No window and no display: the reports for cron jobs and SSH sessions.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"chronel-report"_s);
    QCoreApplication::setApplicationVersion(ChronelVersion::text);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QList<ReportSubcommand> subcommands = ReportSubcommands::pages();
    return ReportCommandLine(subcommands, out, err).run(QCoreApplication::arguments());
}
