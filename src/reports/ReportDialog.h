#pragma once

#include <QDialog>
#include <functional>

class QPushButton;

// What every report dialog shares: its run button, which writes the report and opens
// the viewer on the page once it is written whole, and stays open for the next run.
// A report dialog derives from it, builds its controls and calls
//   makeRunButton(tr("Run Report!"), [this] { return m_report.run(options()); });
// where the report's run returns ReportFile::write()'s answer.
class ReportDialog : public QDialog
{
    Q_OBJECT

protected:
    ReportDialog(const QString &title, QWidget *parent);

    // The button never answers Enter: in a report dialog Enter does nothing.
    QPushButton *makeRunButton(const QString &caption, std::function<bool()> writeReport);
    // The decorative picture at the dialog's side.
    QWidget *makePicture();
};
