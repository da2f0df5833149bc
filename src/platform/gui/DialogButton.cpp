#include "platform/gui/DialogButton.h"

#include <QPushButton>

namespace DialogButton {

QPushButton *create(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

} // namespace DialogButton
