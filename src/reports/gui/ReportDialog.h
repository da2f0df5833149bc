#pragma once

#include <QDialog>
#include <functional>

class DatePicker;
class QDate;
class QFormLayout;
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

    struct DateRange
    {
        DatePicker *start = nullptr;
        DatePicker *end = nullptr;
    };
    // The "Starting Date:" and "Ending Date:" rows of `form`, both pickers on `today`
    // and children of `parent`.
    DateRange addDateRows(QFormLayout *form, QWidget *parent, const QDate &today);

    // The button never answers Enter: in a report dialog Enter does nothing.
    QPushButton *makeRunButton(const QString &caption, std::function<bool()> writeReport);
};
