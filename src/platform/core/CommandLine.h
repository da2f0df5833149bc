#pragma once

#include <QCommandLineParser>
#include <QStringList>

#include <optional>

// The options every Chronel program understands (--help, --version) plus its own. Read
// before anything opens or creates a file, so asking for help never leaves one behind.
class CommandLine
{
public:
    explicit CommandLine(const QString &description);

    void addOption(const QCommandLineOption &option) { m_parser.addOption(option); }

    // Reads `arguments` (the program name first). Nothing when the program goes on;
    // otherwise the exit code once help or the version was printed, or a mistake
    // reported on standard error.
    std::optional<int> parse(const QStringList &arguments);

    bool isSet(const QCommandLineOption &option) const { return m_parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return m_parser.value(option); }

private:
    QCommandLineParser m_parser;
};
