#include "platform/gui/MessageBoxPrompter.h"

#include "platform/core/LogCategories.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

using namespace Qt::StringLiterals;

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

// A message box that Esc closes only when it has nothing to answer. Esc on a question
// would count as No, and No can set something off (the break dialog after the
// clock-out question).
class PromptBox : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel) && standardButtons().testFlag(QMessageBox::No))
            return;
        QMessageBox::keyPressEvent(event);
    }
};

int showBox(QWidget *parent, const QString &caption, const QString &text, PromptIcon icon,
            QMessageBox::StandardButtons buttons)
{
    // The log keeps what went wrong after the box is gone.
    if (icon == PromptIcon::Error)
        qCWarning(lcMessages).noquote() << caption + u": "_s + text;
    // A box belongs on top of whatever dialog is open at the moment.
    if (QWidget *modal = QApplication::activeModalWidget())
        parent = modal;
    PromptBox box(boxIcon(icon), caption, text, buttons, parent);
    // Names and other stored or received texts are shown as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
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
