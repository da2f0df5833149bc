#include "wizard/gui/WizardPageFrame.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/PictureFrame.h"

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace WizardPageFrame {

QPushButton *build(QDialog *page, const QString &title, QWidget *content, const QString &buttonText)
{
    page->setWindowTitle(title);
    auto *button = DialogButton::create(buttonText, u"nextButton"_s, page);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(PictureFrame::row(page, content));
    layout->addWidget(button, 0, Qt::AlignRight);
    page->setMinimumWidth(460);
    return button;
}

} // namespace WizardPageFrame
