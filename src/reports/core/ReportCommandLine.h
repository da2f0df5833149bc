#pragma once

#include "reports/core/ReportInvocation.h"

#include <QList>
#include <QStringList>

class QCommandLineParser;
class QTextStream;

// chronel-report's command line: "chronel-report <subcommand> [options]". Finds the
// subcommand, parses its options and runs it; --help and --version; messages on `err`.
// The subcommands come from the program, so a new one is one more entry in its list:
// a ReportSubcommand with its options and its run (see ReportSubcommands.cpp).
class ReportCommandLine
{
public:
    ReportCommandLine(QList<ReportSubcommand> subcommands, QTextStream &out, QTextStream &err);

    // `arguments` with the program's name first, as QCoreApplication::arguments() gives
    // them. Returns the exit code: ExitCode::Done, Failed (database or file) or
    // BadArguments.
    int run(const QStringList &arguments);

private:
    const ReportSubcommand *find(const QString &name) const;
    int runSubcommand(const ReportSubcommand &subcommand, const QStringList &arguments);
    QString generalHelp() const;
    QString subcommandHelp(const ReportSubcommand &subcommand, QCommandLineParser &parser) const;
    int refuse(const QString &text);

    QList<ReportSubcommand> m_subcommands;
    QTextStream &m_out;
    QTextStream &m_err;
};
