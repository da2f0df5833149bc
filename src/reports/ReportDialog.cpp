#include "ReportDialog.h"

#include "ReportFile.h"
#include "ReportViewer.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

ReportDialog::ReportDialog(const QString &title, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(title);
}

QPushButton *ReportDialog::makeRunButton(const QString &caption, std::function<bool()> writeReport)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(u"runButton"_s);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, writeReport = std::move(writeReport)] {
        if (writeReport())
            ReportViewer::view(ReportFile::path(), this);
    });
    return button;
}

QWidget *ReportDialog::makePicture()
{
    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(u":/chronel/chronel.png"_s));
    picture->setAlignment(Qt::AlignTop);
    return picture;
}
