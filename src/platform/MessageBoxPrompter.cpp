#include "MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Error:
        return QMessageBox::Critical;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

int showBox(QWidget *parent, const QString &caption, const QString &text, PromptIcon icon,
            QMessageBox::StandardButtons buttons)
{
    // A box belongs on top of whatever dialog is open at the moment.
    if (QWidget *modal = QApplication::activeModalWidget())
        parent = modal;
    QMessageBox box(boxIcon(icon), caption, text, buttons, parent);
    return box.exec();
}

} // namespace

void MessageBoxPrompter::inform(const QString &caption, const QString &text, PromptIcon icon)
{
    showBox(m_parent, caption, text, icon, QMessageBox::Ok);
}

bool MessageBoxPrompter::ask(const QString &caption, const QString &text, PromptIcon icon)
{
    return showBox(m_parent, caption, text, icon, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
