#pragma once

// A Chronel home and a seeded database for one report run, shared by the report tests.
// A test makes one per case, seeds the rows its page needs, runs the report and compares
// report() with a page written by hand from the page's fragments:
//   CHRONEL_REPORT_FIXTURE(fx);            // in a test with TestDatabase::addEngineRows()
//   fx.addClocking(u"03/14/26"_s, u"08:00:00"_s, u"Ann"_s, u"IN"_s);
//   QVERIFY(SomeReport(fx.db(), fx.prompter, ...).run(...));
//   QCOMPARE(fx.report(), ReportFixture::frame(...) + "\r\n<p><strong>...");
// frame(), row() and the other fragments are written as the reports write them, typed
// out here, not taken from the program. The company is "Acme & Sons" unless a test
// changes it. A dialog test clicks its run button through viewedAfterClick(), which
// reads and closes the report viewer the run opens.

#include "FixedClock.h"
#include "ScriptedPrompter.h"
#include "TestDatabase.h"
#include "TestHome.h"
#include "WhenModal.h"
#include "reports/gui/ReportViewer.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QAbstractButton>
#include <QFile>
#include <QString>
#include <QTest>
#include <QTextBrowser>
#include <memory>
#include <optional>

class ReportFixture
{
public:
    explicit ReportFixture(const QString &engine = QStringLiteral("sqlite"))
        : m_target(engine), m_db(std::make_unique<Database>(m_target.location()))
    {
        Schema::create(*m_db);
        setCompany(QStringLiteral("Acme & Sons"));
    }

    Database &db() { return *m_db; }
    const TestHome &home() const { return m_home; }

    void setCompany(const QString &name)
    {
        m_db->exec(QStringLiteral("update company set cname = ?"), {name});
    }
    void addEmployee(const QString &name, const QString &cardNumber)
    {
        m_db->exec(QStringLiteral("insert into employees (employee,cardnum) values (?,?)"),
                   {name, cardNumber});
    }
    void addClocking(const QString &date, const QString &time, const QString &employee,
                     const QString &type, const QString &cardNumber = QStringLiteral("-"))
    {
        m_db->exec(
            QStringLiteral("insert into log (dt,tm,employee,type,cardnum) values (?,?,?,?,?)"),
            {date, time, employee, type, cardNumber});
    }
    void addError(const QString &date, const QString &time, const QString &reason)
    {
        m_db->exec(QStringLiteral("insert into errorlog (tm,dt,reason,sent) values (?,?,?,'0')"),
                   {time, date, reason});
    }
    // `end` is "-" for a break not ended.
    void addBreak(const QString &date, const QString &cardNumber, const QString &start,
                  const QString &end, const QString &number)
    {
        m_db->exec(QStringLiteral("insert into breaks (dt,name,i,out,locked,auth,breaknumber) "
                                  "values (?,?,?,?,'0','0',?)"),
                   {date, cardNumber, start, end, number});
    }

    QString reportPath() const { return m_home.file(QStringLiteral("report.html")); }
    bool reportExists() const { return QFile::exists(reportPath()); }
    // The bytes of report.html; empty when there is none.
    QByteArray report() const
    {
        QFile file(reportPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The frame down to the rule; `title`, `heading` and `line` as they must appear,
    // already escaped.
    static QByteArray frame(const QByteArray &title, const QByteArray &heading,
                            const QByteArray &line)
    {
        return "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>" + title +
               "</title>\r\n</head>\r\n<body>\r\n<div align = center><strong><h2>" + heading +
               "</h2></strong></div>\r\n<p align=center><img src=chronel/wi0122-48.gif "
               "width=48 height=48></p>" +
               line + "\r\n<hr>";
    }
    static QByteArray employeesOf(const QByteArray &company = "Acme &amp; Sons")
    {
        return "\r\n<p align=left><strong><i>For the employees of : " + company +
               "</i></strong></p>";
    }
    static QByteArray worksFor(const QByteArray &company = "Acme &amp; Sons")
    {
        return "\r\n<p align=left><strong><i>Who works for: " + company + "</i></strong></p>";
    }
    // A closed table row of `cells`, as they must appear.
    static QByteArray row(const QList<QByteArray> &cells)
    {
        QByteArray written = "\r\n<tr>";
        for (const QByteArray &cell : cells)
            written += "\r\n<td>" + cell + "</td>";
        return written + "\r\n</tr>";
    }
    // The head of a table of clockings by date, time and employee.
    static QByteArray clockingTableHead()
    {
        return "\r\n<table width=445 border=1>\r\n<tr>\r\n<th width=115 scope=col>Date</th>"
               "\r\n<th width=103 scope=col>Time </th>"
               "\r\n<th width=205 scope=col>Employee</th>\r\n</tr>";
    }

    // What the report viewer showed: its title and the page as rendered, where runs of
    // blanks collapse.
    struct Viewed
    {
        QString title;
        QString text;
    };
    // Clicks `run` in a report dialog. What the viewer that opened meanwhile showed, the
    // viewer closed again; none when no viewer opened.
    static std::optional<Viewed> viewedAfterClick(QAbstractButton *run)
    {
        std::optional<Viewed> viewed;
        driveDialogOpenedBy([run] { run->click(); },
                            [&](QDialog *dialog) {
                                if (auto *viewer = qobject_cast<ReportViewer *>(dialog)) {
                                    const auto *browser = viewer->findChild<QTextBrowser *>(
                                        QStringLiteral("reportBrowser"));
                                    viewed = Viewed{viewer->windowTitle(), browser->toPlainText()};
                                    viewer->close();
                                }
                            });
        return viewed;
    }

    ScriptedPrompter prompter;
    FixedClock clock;

private:
    TestHome m_home;
    TestDatabase m_target;
    std::unique_ptr<Database> m_db;
};

// Fetches the engine row of the current test, returns from it when the engine cannot be
// reached, and makes the fixture.
#define CHRONEL_REPORT_FIXTURE(variable)                                                           \
    QFETCH(QString, engine);                                                                       \
    if (!TestDatabase::available(engine))                                                          \
        return;                                                                                    \
    ReportFixture variable(engine)
