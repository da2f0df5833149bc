#include "reports/gui/ReportDialog.h"

#include "platform/gui/DatePicker.h"
#include "platform/gui/DialogButton.h"
#include "reports/core/ReportFile.h"
#include "reports/gui/ReportViewer.h"

#include <QFormLayout>
#include <QPushButton>

using namespace Qt::StringLiterals;

ReportDialog::ReportDialog(const QString &title, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(title);
}

ReportDialog::DateRange ReportDialog::addDateRows(QFormLayout *form, QWidget *parent,
                                                  const QDate &today)
{
    DateRange range;
    range.start = new DatePicker(today, parent);
    range.start->setObjectName(u"startDate"_s);
    range.start->setAccessibleName(tr("Starting Date"));
    form->addRow(tr("Starting Date:"), range.start);
    range.end = new DatePicker(today, parent);
    range.end->setObjectName(u"endDate"_s);
    range.end->setAccessibleName(tr("Ending Date"));
    form->addRow(tr("Ending Date:"), range.end);
    return range;
}

QPushButton *ReportDialog::makeRunButton(const QString &caption, std::function<bool()> writeReport)
{
    auto *button = DialogButton::create(caption, u"runButton"_s, this);
    connect(button, &QPushButton::clicked, this, [this, writeReport = std::move(writeReport)] {
        if (writeReport())
            ReportViewer::view(ReportFile::path(), this);
    });
    return button;
}
