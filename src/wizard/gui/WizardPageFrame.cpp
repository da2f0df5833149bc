#include "wizard/gui/WizardPageFrame.h"

#include "platform/gui/DialogButton.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace WizardPageFrame {

QPushButton *build(QDialog *page, const QString &title, QWidget *content, const QString &buttonText)
{
    page->setWindowTitle(title);
    auto *picture = new QLabel(page);
    picture->setPixmap(QPixmap(u":/chronel/chronel.png"_s));
    picture->setAlignment(Qt::AlignTop);

    auto *button = DialogButton::create(buttonText, u"nextButton"_s, page);

    auto *row = new QHBoxLayout;
    row->addWidget(picture);
    row->addWidget(content, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(button, 0, Qt::AlignRight);
    page->setMinimumWidth(460);
    return button;
}

} // namespace WizardPageFrame
