#include "reports/core/ReportCommandLine.h"

#include "platform/core/ExitCode.h"
#include "platform/core/StreamPrompter.h"
#include "platform/core/Version.h"
#include "reports/core/ReportOptions.h"
#include "store/DatabaseError.h"

#include <QCommandLineParser>
#include <QObject>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

const QString programName = u"chronel-report"_s;

QCommandLineOption helpOption()
{
    return {{u"h"_s, u"help"_s}, QObject::tr("Shows this help.")};
}

QCommandLineOption versionOption()
{
    return {{u"v"_s, u"version"_s}, QObject::tr("Shows the version.")};
}

// The options every subcommand takes.
QList<QCommandLineOption> commonOptions()
{
    return {ReportOptions::database(), ReportOptions::output(), helpOption(), versionOption()};
}

QString exitCodesText()
{
    return QObject::tr("Exit codes: 0 done, 1 database or file error (nothing written), 2 bad "
                       "arguments.");
}

} // namespace

ReportCommandLine::ReportCommandLine(QList<ReportSubcommand> subcommands, QTextStream &out,
                                     QTextStream &err)
    : m_subcommands(std::move(subcommands)), m_out(out), m_err(err)
{
}

int ReportCommandLine::run(const QStringList &arguments)
{
    // The subcommand may come after options of its own, so the first reading knows every
    // option; the second, below, only the subcommand's.
    QCommandLineParser any;
    QStringList known;
    for (const QCommandLineOption &option : commonOptions()) {
        any.addOption(option);
        known << option.names();
    }
    for (const ReportSubcommand &subcommand : std::as_const(m_subcommands)) {
        // Reports share options; the parser warns of a name given twice.
        for (const QCommandLineOption &option : subcommand.options) {
            if (!known.contains(option.names().first())) {
                any.addOption(option);
                known << option.names();
            }
        }
    }
    if (!any.parse(arguments))
        return refuse(any.errorText());
    const QStringList positional = any.positionalArguments();
    if (positional.isEmpty()) {
        if (any.isSet(u"version"_s)) {
            m_out << programName << u' ' << ChronelVersion::text << Qt::endl;
            return ExitCode::Done;
        }
        if (any.isSet(u"help"_s)) {
            m_out << generalHelp();
            return ExitCode::Done;
        }
        QStringList names;
        for (const ReportSubcommand &subcommand : std::as_const(m_subcommands))
            names << subcommand.name;
        return refuse(QObject::tr("no report named; one of: %1").arg(names.join(u", "_s)));
    }
    const ReportSubcommand *subcommand = find(positional.first());
    if (!subcommand)
        return refuse(QObject::tr("unknown report \"%1\"").arg(positional.first()));
    if (positional.size() > 1)
        return refuse(QObject::tr("unexpected argument \"%1\"").arg(positional.at(1)));
    return runSubcommand(*subcommand, arguments);
}

const ReportSubcommand *ReportCommandLine::find(const QString &name) const
{
    for (const ReportSubcommand &subcommand : m_subcommands) {
        if (subcommand.name == name)
            return &subcommand;
    }
    return nullptr;
}

int ReportCommandLine::runSubcommand(const ReportSubcommand &subcommand,
                                     const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions(subcommand.options);
    parser.addOptions(commonOptions());
    parser.addPositionalArgument(subcommand.name, subcommand.summary);
    // An option of another subcommand is unknown here.
    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(u"version"_s)) {
        m_out << programName << u' ' << ChronelVersion::text << Qt::endl;
        return ExitCode::Done;
    }
    if (parser.isSet(u"help"_s)) {
        m_out << subcommandHelp(subcommand, parser);
        return ExitCode::Done;
    }
    if (parser.value(u"output"_s).isEmpty())
        return refuse(QObject::tr("--output is missing: name a file, or - for standard output"));

    QStringList names;
    for (const QList<QCommandLineOption> &options : {commonOptions(), subcommand.options}) {
        for (const QCommandLineOption &option : options)
            names << option.names();
    }
    StreamPrompter prompter(m_err, programName);
    ReportInvocation invocation(parser, names, prompter);
    try {
        return subcommand.run(invocation);
    } catch (const ArgumentError &error) {
        return refuse(error.text());
    } catch (const DatabaseError &error) {
        prompter.inform(QObject::tr("Error"), error.text(), PromptIcon::Error);
        return ExitCode::Failed;
    }
}

int ReportCommandLine::refuse(const QString &text)
{
    m_err << programName << u": "_s << text << Qt::endl;
    m_err << QObject::tr("Try \"%1 --help\".").arg(programName) << Qt::endl;
    return ExitCode::BadArguments;
}

QString ReportCommandLine::generalHelp() const
{
    QString text;
    QTextStream help(&text);
    help << QObject::tr("Usage: %1 <report> [options]").arg(programName) << u"\n\n"_s
         << QObject::tr("Writes one of the station's reports without a window, the same page "
                        "the station writes to report.html.")
         << u"\n\n"_s << QObject::tr("Reports:") << u'\n';
    for (const ReportSubcommand &subcommand : m_subcommands)
        help << u"  "_s << subcommand.name.leftJustified(12) << subcommand.summary << u'\n';
    QCommandLineParser common;
    common.addOptions(commonOptions());
    // Its own usage line would name no report.
    help << u'\n' << common.helpText().section(u"\n\n"_s, 1) << u'\n';
    help << QObject::tr("Dates as yyyy-mm-dd or MM/DD/YY, months as yyyy-mm or MM/YY.") << u'\n'
         << exitCodesText() << u'\n'
         << QObject::tr("\"%1 <report> --help\" lists a report's options.").arg(programName)
         << u'\n';
    return text;
}

QString ReportCommandLine::subcommandHelp(const ReportSubcommand &subcommand,
                                          QCommandLineParser &parser) const
{
    QString text;
    QTextStream help(&text);
    help << QObject::tr("Usage: %1 %2 [options]").arg(programName, subcommand.name) << u"\n\n"_s
         << subcommand.summary << u"\n\n"_s;
    // The usage line and the argument list are ours.
    help << parser.helpText().section(u"\n\n"_s, 1).section(u"\n\nArguments:"_s, 0, 0) << u"\n\n"_s
         << exitCodesText() << u'\n';
    return text;
}
