#include "reports/export/PayrollSubcommand.h"

#include "reports/core/ReportOptions.h"
#include "reports/core/ReportOutput.h"
#include "reports/export/PayrollExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PayrollSubcommand)
};

const QStringList formats = {PayrollExport::name(PayrollFormat::Csv),
                             PayrollExport::name(PayrollFormat::Xlsx),
                             PayrollExport::name(PayrollFormat::Pdf)};

QCommandLineOption formatOption()
{
    return {
        u"format"_s,
        Text::tr("The file's format: %1 (default %2).").arg(formats.join(u", "_s), formats.first()),
        formats.join(u'|')};
}

} // namespace

namespace PayrollSubcommand {

ReportSubcommand make()
{
    return {u"payroll"_s,
            Text::tr("Every employee's (or one's, --card) paid hours over a period, per day and "
                     "week, with totals and overtime."),
            {ReportOptions::month(), ReportOptions::from(), ReportOptions::to(),
             ReportOptions::card(), formatOption()},
            [](ReportInvocation &call) {
                const CommandLineDates::Period period = call.period();
                const PayrollFormat format =
                    *PayrollExport::formatNamed(call.choice(u"format"_s, formats));
                // A spreadsheet or a PDF on a terminal helps nobody.
                if (format != PayrollFormat::Csv &&
                    call.outputPath() == ReportOutput::standardOutputName)
                    throw ArgumentError(
                        Text::tr("--output: only a CSV file can go to standard output"));
                PayrollRequest request{period.start, period.end, {}};
                if (call.isSet(u"card"_s))
                    request.cardNumber = call.employeeOfCard(call.required(u"card"_s)).cardNumber;
                return call.writeOutput([&](QIODevice &device, QString *error) {
                    return PayrollExport::write(call.database(), request, format, device, error);
                });
            }};
}

bool wantsPdf(const QStringList &arguments)
{
    // Read as the program's own parser reads --format; the other options are its concern.
    QCommandLineParser parser;
    const QCommandLineOption format = formatOption();
    parser.addOption(format);
    parser.parse(arguments);
    return parser.value(format) == PayrollExport::name(PayrollFormat::Pdf);
}

} // namespace PayrollSubcommand
