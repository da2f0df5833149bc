#include "platform/core/Translations.h"
#include "platform/core/Version.h"
#include "reports/core/ReportCommandLine.h"
#include "reports/core/ReportSubcommands.h"
#include "reports/export/PayrollSubcommand.h"

#include <QGuiApplication>
#include <QTextStream>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A cron job has no session, so no runtime folder: Qt's note that it falls back to one
// would reach the job's mail on every run.
void dropRuntimeFolderNote(QtMsgType type, const QMessageLogContext &context,
                           const QString &message)
{
    if (!message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"_s))
        qt_message_output(type, context, message);
}

} // namespace

// No window and no display: the reports for cron jobs and SSH sessions. Only a PDF needs
// a GUI application, for its painter; the offscreen platform gives it one without any
// display.
int main(int argc, char *argv[])
{
    std::unique_ptr<QCoreApplication> app;
    if (PayrollSubcommand::wantsPdf(argumentsOf(argc, argv))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        const QtMessageHandler previous = qInstallMessageHandler(dropRuntimeFolderNote);
        app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(previous);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    Translations::install(*app);
    QCoreApplication::setApplicationName(u"chronel-report"_s);
    QCoreApplication::setApplicationVersion(ChronelVersion::text);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QList<ReportSubcommand> subcommands = ReportSubcommands::pages();
    subcommands.append(PayrollSubcommand::make());
    return ReportCommandLine(subcommands, out, err).run(QCoreApplication::arguments());
}
