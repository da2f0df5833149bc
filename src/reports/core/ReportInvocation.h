#pragma once

#include "reports/core/CommandLineDates.h"
#include "reports/core/ReportFile.h"
#include "store/NameList.h"
#include "store/StartupValues.h"

#include <QCommandLineOption>
#include <QDate>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

class Database;
class Prompter;
class QCommandLineParser;
class QIODevice;

// An argument chronel-report cannot take; the text names it. Ends the run with
// ExitCode::BadArguments before anything is written.
class ArgumentError : public std::exception
{
public:
    explicit ArgumentError(QString text) : m_text(std::move(text)), m_bytes(m_text.toUtf8()) {}
    const QString &text() const { return m_text; }
    const char *what() const noexcept override { return m_bytes.constData(); }

private:
    QString m_text;
    QByteArray m_bytes;
};

// What one subcommand of chronel-report runs with: its arguments, read and checked
// through the getters (a bad or missing one throws ArgumentError), the database, opened
// at first use (a failure throws DatabaseError), and the place its output goes. A
// subcommand reads all its arguments before it touches the database, so a bad argument
// is told as one even where the database is out of reach.
class ReportInvocation
{
public:
    ReportInvocation(const QCommandLineParser &parser, const QStringList &optionNames,
                     Prompter &prompter);
    ~ReportInvocation();
    ReportInvocation(const ReportInvocation &) = delete;
    ReportInvocation &operator=(const ReportInvocation &) = delete;

    bool isSet(const QString &option) const;
    // The option's value; throws when it is not given.
    QString required(const QString &option) const;
    QDate date(const QString &option) const;
    // --month, or --from and --to, the first not after the second.
    CommandLineDates::Period period() const;
    // The option's value, one of `allowed`; the first of them when not given.
    QString choice(const QString &option, const QStringList &allowed) const;

    // Where --output points.
    QString outputPath() const;
    ReportFile::Target target() const { return {outputPath()}; }

    Prompter &prompter() { return m_prompter; }
    // --database, or the location the station's path.ini names. Throws DatabaseError
    // when there is no Chronel database there, set up by the wizard, or none reachable.
    Database &database();
    // As the station reads them at start. Throws DatabaseError.
    const StartupValues &startupValues();
    // The employee with `card`, the value of --card; throws ArgumentError when nobody has
    // it.
    NameList::Employee employeeOfCard(const QString &card);

    // Writes what `write` puts on the device to --output, whole or not at all; `write`
    // returns false with its reason in `error`. Returns the exit code.
    int writeOutput(const std::function<bool(QIODevice &device, QString *error)> &write);
    // The exit code of a report run that answered `written`.
    static int exitCode(bool written);

private:
    QString location() const;

    const QCommandLineParser &m_parser;
    QStringList m_optionNames;
    Prompter &m_prompter;
    std::unique_ptr<Database> m_db;
    std::optional<StartupValues> m_values;
};

// One subcommand of chronel-report: its name, a line for --help, the options it takes
// beyond --database and --output, and what it does. `run` returns the exit code.
struct ReportSubcommand
{
    QString name;
    QString summary;
    QList<QCommandLineOption> options;
    std::function<int(ReportInvocation &)> run;
};
