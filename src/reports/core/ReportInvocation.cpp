#include "reports/core/ReportInvocation.h"

#include "platform/core/ExitCode.h"
#include "platform/core/Prompter.h"
#include "reports/core/ReportOutput.h"
#include "store/ChronelHome.h"
#include "store/Database.h"
#include "store/DatabaseError.h"
#include "store/DatabaseLocation.h"
#include "store/LocationFile.h"
#include "store/RunFlags.h"
#include "store/Schema.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QObject>

using namespace Qt::StringLiterals;

namespace {

QString dashed(const QString &option)
{
    return u"--"_s + option;
}

QString badDate(const QString &option, const QString &value)
{
    return QObject::tr("%1: \"%2\" is not a date as yyyy-mm-dd or MM/DD/YY (years 2000 to 2099)")
        .arg(dashed(option), value);
}

} // namespace

ReportInvocation::ReportInvocation(const QCommandLineParser &parser, const QStringList &optionNames,
                                   Prompter &prompter)
    : m_parser(parser), m_optionNames(optionNames), m_prompter(prompter)
{
}

ReportInvocation::~ReportInvocation() = default;

bool ReportInvocation::isSet(const QString &option) const
{
    return m_optionNames.contains(option) && m_parser.isSet(option);
}

QString ReportInvocation::required(const QString &option) const
{
    if (!isSet(option))
        throw ArgumentError(QObject::tr("%1 is missing").arg(dashed(option)));
    return m_parser.value(option);
}

QDate ReportInvocation::date(const QString &option) const
{
    const QString value = required(option);
    const std::optional<QDate> date = CommandLineDates::date(value);
    if (!date)
        throw ArgumentError(badDate(option, value));
    return *date;
}

CommandLineDates::Period ReportInvocation::period() const
{
    if (isSet(u"month"_s)) {
        if (isSet(u"from"_s) || isSet(u"to"_s))
            throw ArgumentError(QObject::tr("--month goes without --from and --to"));
        const QString value = required(u"month"_s);
        const auto month = CommandLineDates::month(value);
        if (!month)
            throw ArgumentError(
                QObject::tr("--month: \"%1\" is not a month as yyyy-mm or MM/YY (years 2000 to "
                            "2099)")
                    .arg(value));
        return *month;
    }
    const QDate start = date(u"from"_s);
    const QDate end = date(u"to"_s);
    if (start > end)
        throw ArgumentError(QObject::tr("--from %1 is after --to %2")
                                .arg(m_parser.value(u"from"_s), m_parser.value(u"to"_s)));
    return {start, end};
}

QString ReportInvocation::choice(const QString &option, const QStringList &allowed) const
{
    if (!isSet(option))
        return allowed.value(0);
    const QString value = m_parser.value(option);
    if (!allowed.contains(value))
        throw ArgumentError(QObject::tr("%1: \"%2\" is not one of %3")
                                .arg(dashed(option), value, allowed.join(u", "_s)));
    return value;
}

QString ReportInvocation::outputPath() const
{
    return m_parser.value(u"output"_s);
}

QString ReportInvocation::location() const
{
    if (!isSet(u"database"_s))
        return LocationFile(ChronelHome::folder()).read().path;
    const QString given = m_parser.value(u"database"_s);
    // A shared folder is named as path.ini names it, without main.db.
    if (!DatabaseLocation::isServerUri(given) && QFileInfo(given).isDir())
        return LocationFile::networkDatabase(given);
    return given;
}

Database &ReportInvocation::database()
{
    if (m_db)
        return *m_db;
    const QString place = location();
    const QString shown = DatabaseLocation::shown(place);
    // Opening a file that is not there would leave an empty database behind.
    if (Database::fileMissing(place) && !Database::folderMissing(place))
        throw DatabaseError(QObject::tr("There is no database at %1").arg(shown));
    std::unique_ptr<Database> db;
    try {
        db = std::make_unique<Database>(place);
    } catch (const DatabaseError &error) {
        throw DatabaseError(
            QObject::tr("The database at %1 cannot be reached: %2").arg(shown, error.text()),
            DatabaseError::Kind::Unreachable);
    }
    if (!Schema::isPresent(*db) || RunFlags::wizardPending(*db))
        throw DatabaseError(
            QObject::tr("The database at %1 has not been set up: run chronel-wizard first")
                .arg(shown));
    m_db = std::move(db);
    return *m_db;
}

const StartupValues &ReportInvocation::startupValues()
{
    if (!m_values)
        m_values = StartupValues::read(database());
    return *m_values;
}

NameList::Employee ReportInvocation::employeeOfCard(const QString &card)
{
    const QList<NameList::Employee> employees = NameList::employeesWithCards(database());
    for (const NameList::Employee &employee : employees) {
        if (employee.cardNumber == card)
            return employee;
    }
    throw ArgumentError(QObject::tr("--card: no employee has the card number \"%1\"").arg(card));
}

int ReportInvocation::writeOutput(
    const std::function<bool(QIODevice &device, QString *error)> &write)
{
    ReportOutput output(outputPath());
    QString error;
    const bool written = output.open() && write(output.device(), &error) && output.commit();
    if (written)
        return ExitCode::Done;
    if (error.isEmpty())
        error = output.errorString();
    output.cancel();
    m_prompter.inform(
        QObject::tr("Error"),
        QObject::tr("The report could not be written to %1: %2").arg(output.shownName(), error),
        PromptIcon::Error);
    return ExitCode::Failed;
}

int ReportInvocation::exitCode(bool written)
{
    return written ? ExitCode::Done : ExitCode::Failed;
}
