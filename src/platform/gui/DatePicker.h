#pragma once

#include <QDateEdit>

// A date field that always reads MM/dd/yy, the form dates are stored in, whatever the
// locale of the machine.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(const QDate &today, QWidget *parent = nullptr);

    // The shown date as stored: MM/dd/yy.
    QString text() const;
};
