#include "admin/gui/CapitalsPasswordField.h"

CapitalsPasswordField::CapitalsPasswordField(QWidget *parent) : QLineEdit(parent)
{
    setEchoMode(QLineEdit::Password);
    connect(this, &QLineEdit::textEdited, this, &CapitalsPasswordField::capitalize);
}

void CapitalsPasswordField::capitalize(const QString &text)
{
    const QString capitals = text.toUpper();
    if (capitals == text)
        return;
    // Some letters grow in capitals ("ß" becomes "SS"): the cursor follows its text.
    const int cursor = int(text.left(cursorPosition()).toUpper().size());
    setText(capitals);
    setCursorPosition(cursor);
}
