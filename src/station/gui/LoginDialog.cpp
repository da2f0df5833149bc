#include "station/gui/LoginDialog.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/PictureFrame.h"
#include "station/core/SupervisorLogin.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

LoginDialog::LoginDialog(SupervisorLogin &login, QWidget *parent) : QDialog(parent), m_login(login)
{
    setWindowTitle(tr(":: Log-in ::"));
    auto *group = new QGroupBox(tr("Please enter in a username and password"), this);
    auto *form = new QFormLayout(group);
    m_userName = new QLineEdit(group);
    m_userName->setObjectName(u"userName"_s);
    m_userName->setAlignment(Qt::AlignCenter);
    m_userName->setAccessibleName(tr("Username:"));
    m_password = new QLineEdit(group);
    m_password->setObjectName(u"password"_s);
    m_password->setAlignment(Qt::AlignCenter);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setAccessibleName(tr("Password:"));
    form->addRow(tr("Username:"), m_userName);
    form->addRow(tr("Password:"), m_password);

    auto *button = DialogButton::create(tr("Log in!"), u"logInButton"_s, group);
    button->setFlat(true);
    connect(button, &QPushButton::clicked, this, &LoginDialog::logIn);
    form->addRow(button);

    PictureFrame::lay(this, group, PictureFrame::Picture::LogArea);
}

void LoginDialog::logIn()
{
    switch (m_login.logIn(m_userName->text(), m_password->text())) {
    case SupervisorLogin::Result::LoggedIn:
        accept();
        break;
    case SupervisorLogin::Result::Refused:
        m_userName->clear();
        m_password->clear();
        m_userName->setFocus();
        break;
    case SupervisorLogin::Result::Failed:
        break;
    }
}
