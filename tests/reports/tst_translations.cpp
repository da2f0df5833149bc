#include "QuietWarnings.h"
#include "ReportFixture.h"
#include "TestDatabase.h"
#include "TestStation.h"
#include "platform/core/Translations.h"
#include "reports/core/DailyReport.h"
#include "reports/core/ErrorLogReport.h"
#include "station/core/SupervisorLogin.h"
#include "station/gui/LoginDialog.h"
#include "store/StartupValues.h"

#include <QMenuBar>
#include <QProcess>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

QStringList menuTitles(const QWidget &window)
{
    QStringList titles;
    for (const QAction *action : window.findChild<QMenuBar *>()->actions())
        titles << action->text();
    return titles;
}

// The pages a supervisor reads come out the same whatever the interface's language.
QByteArray dailyPage()
{
    ReportFixture fx;
    fx.addEmployee(u"Ann"_s, u"100"_s);
    fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
    fx.addClocking(u"03/14/26"_s, u"17:00:00"_s, u"Ann"_s, u"OUT"_s);
    fx.addBreak(u"03/14/26"_s, u"100"_s, u"10:00:00"_s, u"10:15:00"_s, u"1"_s);
    StartupValues values;
    values.breaks = StationSettings::Switch::On;
    values.numberOfBreaks = 1;
    values.breakNames = {u"Coffee"_s};
    if (!DailyReport(fx.db(), fx.prompter, values).run({QDate(2026, 3, 14), true, true, true}))
        return {};
    return fx.report();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup()
    {
        for (QTranslator *translator :
             QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QLocale::setDefault(QLocale::c());
    }

    void germanInterface();
    void reportPagesStayEnglish();
    void everyTextIsTranslated();
};

void TestTranslations::germanInterface()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Translations::install(*QCoreApplication::instance());
    TestDatabase target(u"sqlite"_s);
    TestStation station(target.location());
    SupervisorLogin supervisorLogin(station.db, station.prompter, station.clock,
                                    station.context.session);
    LoginDialog login(supervisorLogin);

    QCOMPARE(menuTitles(station.window).mid(0, 3),
             (QStringList{u"Hauptmenü"_s, u"Berichte"_s, u"Wartung"_s}));
    QCOMPARE(login.windowTitle(), u":: Anmeldung ::"_s);
}

void TestTranslations::reportPagesStayEnglish()
{
    const QByteArray english = dailyPage();
    QVERIFY(english.contains("Daily Report for the 03/14/26"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Translations::install(*QCoreApplication::instance());
    QCOMPARE(QCoreApplication::translate("StationMenu", "Reports"), u"Berichte"_s);

    QCOMPARE(dailyPage(), english);
}

// Every text of the interface has its German translation: new texts are translated in
// translations/chronel_de.ts (scripts/update-translations.sh gathers them).
void TestTranslations::everyTextIsTranslated()
{
    QProcess check;
    check.start(u"python3"_s,
                {QStringLiteral(CHRONEL_SOURCE_DIR "/scripts/fill-translations.py"),
                 QStringLiteral(CHRONEL_SOURCE_DIR "/translations/chronel_de.ts"), u"--check"_s});
    QVERIFY(check.waitForFinished());
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
