#include "platform/core/CommandLine.h"

#include "platform/core/ExitCode.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int usageError(const QStringList &arguments, const QString &error)
{
    const QString program = arguments.isEmpty() ? QCoreApplication::applicationName()
                                                : QFileInfo(arguments.constFirst()).fileName();
    print(stderr,
          u"%1: %2\n"_s.arg(program, error) +
              QCoreApplication::translate("CommandLine", "Try '%1 --help'.\n").arg(program));
    return ExitCode::BadArguments;
}

} // namespace

CommandLine::CommandLine(const QString &description)
{
    m_parser.setApplicationDescription(description);
    m_parser.addHelpOption();
    m_parser.addVersionOption();
}

std::optional<int> CommandLine::parse(const QStringList &arguments)
{
    if (!m_parser.parse(arguments))
        return usageError(arguments, m_parser.errorText());
    // No program takes a file name: a stray word is a mistyped option's value.
    if (!m_parser.positionalArguments().isEmpty())
        return usageError(arguments,
                          QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                              .arg(m_parser.positionalArguments().constFirst()));
    // Only the parser itself can list Qt's options; it prints them and ends the program.
    if (m_parser.isSet(u"help-all"_s))
        m_parser.process(arguments);
    if (m_parser.isSet(u"help"_s)) {
        print(stdout, m_parser.helpText());
        return ExitCode::Done;
    }
    if (m_parser.isSet(u"version"_s)) {
        print(stdout, u"%1 %2\n"_s.arg(QCoreApplication::applicationName(),
                                       QCoreApplication::applicationVersion()));
        return ExitCode::Done;
    }
    return std::nullopt;
}
