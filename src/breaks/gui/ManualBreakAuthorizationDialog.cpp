#include "breaks/gui/ManualBreakAuthorizationDialog.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/FormField.h"
#include "platform/gui/PictureFrame.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

ManualBreakAuthorizationDialog::ManualBreakAuthorizationDialog(Database &db, Prompter &prompter,
                                                               const Clock &clock,
                                                               const QString &card, QWidget *parent)
    : QDialog(parent), m_logic(db, prompter, clock, card)
{
    setWindowTitle(tr(":: Manual Break Authorization ::"));
    auto *group = new QGroupBox(tr("Supervisor details:"), this);
    auto *form = new QFormLayout(group);
    m_userName = FormField::add(form, tr("Username:"), u"userName"_s);
    m_userName->setAlignment(Qt::AlignCenter);
    m_password = FormField::add(form, tr("Password:"), u"password"_s);
    m_password->setAlignment(Qt::AlignCenter);
    // Employees stand at the station while the supervisor types.
    m_password->setEchoMode(QLineEdit::Password);

    auto *button = DialogButton::create(tr("Authorize!"), u"authorizeButton"_s, group);
    connect(button, &QPushButton::clicked, this, &ManualBreakAuthorizationDialog::authorize);
    form->addRow(button);

    PictureFrame::lay(this, group, PictureFrame::Picture::LogArea);
}

bool ManualBreakAuthorizationDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                                         const QString &card, QWidget *parent)
{
    ManualBreakAuthorizationDialog dialog(db, prompter, clock, card, parent);
    dialog.exec();
    return dialog.granted();
}

void ManualBreakAuthorizationDialog::authorize()
{
    m_granted = m_logic.authorize(m_userName->text(), m_password->text());
    if (m_granted)
        accept();
}
