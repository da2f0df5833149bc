#pragma once

#include <QLineEdit>

// A masked password field that turns letters into capitals as they are typed, so that
// passwords set here do not depend on the state of Caps Lock.
class CapitalsPasswordField : public QLineEdit
{
    Q_OBJECT

public:
    explicit CapitalsPasswordField(QWidget *parent = nullptr);

private:
    void capitalize(const QString &text);
};
