#pragma once

#include <QDialog>

class QLineEdit;
class SupervisorLogin;

class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LoginDialog(SupervisorLogin &login, QWidget *parent = nullptr);

private:
    void logIn();

    SupervisorLogin &m_login;
    QLineEdit *m_userName;
    QLineEdit *m_password;
};
