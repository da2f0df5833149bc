#pragma once

#include "platform/core/TimeEntry.h"

#include <QPointer>
#include <QWidget>

class Prompter;
class QLineEdit;

// Three two-digit fields, hour:minute:second. A part out of range is refused and
// emptied as soon as its second digit is typed; an accepted part moves the focus on.
class TimeField : public QWidget
{
    Q_OBJECT

public:
    // `label` names the fields for assistive technology ("<label> hour" and so on).
    TimeField(const QString &label, Prompter &prompter, QWidget *parent = nullptr);

    TimeEntry entry() const;
    // Empties the three parts.
    void clear();
    // Where the focus goes once the second part is accepted; by default it stays.
    void setSuccessor(QWidget *successor) { m_successor = successor; }

    QLineEdit *hourEdit() const { return m_hour; }
    QLineEdit *minuteEdit() const { return m_minute; }
    QLineEdit *secondEdit() const { return m_second; }

private:
    QLineEdit *addPart(const QString &accessibleName, const QString &objectName);
    void checkPart(TimeEntry::Part part, QLineEdit *edit, QLineEdit *next);

    Prompter &m_prompter;
    QLineEdit *m_hour = nullptr;
    QLineEdit *m_minute = nullptr;
    QLineEdit *m_second = nullptr;
    QPointer<QWidget> m_successor;
};
