#include "Bench.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"chronel-bench"_s);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Measures the station's clockings, reports and start-up on logs it makes in a "
        "temporary folder, beside references measured in the same run, and prints one "
        "table. PostgreSQL is measured too when CHRONEL_TEST_PG_URI names a server.\n"
        "Exit codes: 0 done, 1 failed."_s);
    parser.addHelpOption();
    const QCommandLineOption quick(u"short"_s, u"A 10k-row log and few rounds (for CI)."_s);
    const QCommandLineOption probe(u"startup-probe"_s,
                                   u"Internal: one station start-up in the Chronel home."_s);
    parser.addOptions({quick, probe});
    parser.process(app);
    if (parser.isSet(probe))
        return Bench::startupProbe();

    QTemporaryDir home;
    if (!home.isValid()) {
        QTextStream(stderr) << "cannot make a temporary folder" << Qt::endl;
        return 1;
    }
    qputenv("CHRONEL_HOME", home.path().toUtf8());
    try {
        Bench bench({parser.isSet(quick), qEnvironmentVariable("CHRONEL_TEST_PG_URI"),
                     QCoreApplication::applicationFilePath()});
        bench.run();
        QTextStream(stdout) << bench.table().text();
    } catch (const std::exception &error) {
        QTextStream(stderr) << "chronel-bench: " << error.what() << Qt::endl;
        return 1;
    }
    return 0;
}
