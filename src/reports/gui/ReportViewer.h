#pragma once

#include <QDialog>
#include <functional>

class QPrinter;
class QPushButton;
class QTextBrowser;
class QTimer;

// ":: Report Results ::": shows the report file as it lies on disk and prints it on
// "Print Report" through the print dialog. A report dialog opens it once the file is
// written whole (see ReportDialog); it reads the file anew each time it opens.
class ReportViewer : public QDialog
{
    Q_OBJECT

public:
    explicit ReportViewer(const QString &reportPath, QWidget *parent = nullptr);

    // Shows the report file until the viewer is closed.
    static void view(const QString &reportPath, QWidget *parent);

    // Prints the page as shown, without asking.
    void printTo(QPrinter &printer) const;

    // Has `rewrite` write the report file anew every `ms` and shows the new page; a
    // rewrite that fails (and has said why) ends the refreshing.
    void refreshEvery(int ms, std::function<bool()> rewrite);
    // Adds "Export CSV...", which asks for a file and hands its path to `exportTo`.
    void offerExport(std::function<void(const QString &path)> exportTo);

    // Asks for the CSV file a report is exported to; empty when none was chosen.
    static QString askCsvPath(QWidget *parent);

private:
    void print();
    void refresh();

    QString m_path;
    QTextBrowser *m_browser = nullptr;
    QPushButton *m_print = nullptr;
    QTimer *m_refresh = nullptr;
    std::function<bool()> m_rewrite;
};
