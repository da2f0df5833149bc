#include "reports/gui/PayrollExportDialog.h"

#include "platform/core/Clock.h"
#include "platform/core/Prompter.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/PictureFrame.h"
#include "reports/core/ReportMessages.h"
#include "store/ReportedErrors.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

PayrollExportDialog::PayrollExportDialog(Database &db, Prompter &prompter, const Clock &clock,
                                         QWidget *parent, FileChooser chooseFile)
    : ReportDialog(tr(":: Payroll Export ::"), parent), m_db(db), m_prompter(prompter),
      m_clock(clock), m_chooseFile(chooseFile ? std::move(chooseFile) : askForFile)
{
    auto *group = new QGroupBox(tr("Please enter values below:"), this);
    auto *form = new QFormLayout(group);
    const QDate today = clock.now().date();
    m_dates = addDateRows(form, group, today);
    // Payroll is mostly run for the month just ended.
    const QDate thisMonth(today.year(), today.month(), 1);
    m_dates.start->setDate(thisMonth.addMonths(-1));
    m_dates.end->setDate(thisMonth.addDays(-1));

    m_employee = new QComboBox(group);
    m_employee->setObjectName(u"employeeChoice"_s);
    m_employee->setAccessibleName(tr("Employee"));
    form->addRow(tr("Employee:"), m_employee);

    m_format = new QComboBox(group);
    m_format->setObjectName(u"formatChoice"_s);
    m_format->setAccessibleName(tr("Format"));
    m_format->addItem(tr("CSV (comma-separated)"), int(PayrollFormat::Csv));
    m_format->addItem(tr("XLSX (spreadsheet)"), int(PayrollFormat::Xlsx));
    m_format->addItem(tr("PDF (to print)"), int(PayrollFormat::Pdf));
    form->addRow(tr("Format:"), m_format);

    auto *exportButton = DialogButton::create(tr("Export..."), u"exportButton"_s, this);
    connect(exportButton, &QPushButton::clicked, this, &PayrollExportDialog::exportPayroll);

    auto *column = new QVBoxLayout;
    column->addWidget(group, 1);
    column->addWidget(exportButton, 0, Qt::AlignRight);
    PictureFrame::lay(this, column);
}

void PayrollExportDialog::run(Database &db, Prompter &prompter, const Clock &clock, QWidget *parent)
{
    PayrollExportDialog dialog(db, prompter, clock, parent);
    if (runReported(prompter, [&] { dialog.loadEmployees(); }))
        dialog.exec();
}

void PayrollExportDialog::loadEmployees()
{
    m_shown = NameList::employeesWithCards(m_db);
    m_employee->clear();
    m_employee->addItem(tr("All employees"));
    m_employee->addItems(NameList::labels(m_shown));
}

QString PayrollExportDialog::askForFile(QWidget *parent, const QString &suggested,
                                        PayrollFormat format)
{
    const QString suffix = PayrollExport::name(format);
    return QFileDialog::getSaveFileName(parent, tr("Save the payroll as"), suggested,
                                        tr("%1 files (*.%2)").arg(suffix.toUpper(), suffix));
}

void PayrollExportDialog::exportPayroll()
{
    PayrollRequest request;
    request.from = m_dates.start->date();
    request.to = m_dates.end->date();
    if (request.from > request.to) {
        ReportMessages::refuse(m_prompter,
                               tr("The starting date must not be after the ending date."));
        return;
    }
    if (const int chosen = m_employee->currentIndex(); chosen > 0)
        request.cardNumber = m_shown.value(chosen - 1).cardNumber;
    const auto format = PayrollFormat(m_format->currentData().toInt());
    const QString suggested = QDir::home().filePath(
        u"payroll-%1-%2.%3"_s.arg(request.from.toString(Qt::ISODate),
                                  request.to.toString(Qt::ISODate), PayrollExport::name(format)));
    const QString path = m_chooseFile(this, suggested, format);
    if (path.isEmpty())
        return;

    QProgressDialog progress(tr("Exporting the payroll..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    QString error;
    const bool written = PayrollExport::write(m_db, request, format, path, &error, m_clock.now(),
                                              [&](int done, int all) {
                                                  progress.setMaximum(all);
                                                  progress.setValue(done);
                                              });
    progress.reset();
    if (!written) {
        m_prompter.inform(tr("Error"), error, PromptIcon::Error);
        return;
    }
    m_prompter.inform(tr("Payroll Export"),
                      tr("The payroll was saved to %1").arg(QDir::toNativeSeparators(path)),
                      PromptIcon::Information);
}
