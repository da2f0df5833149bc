#include "platform/gui/TimeField.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

using namespace Qt::StringLiterals;

TimeField::TimeField(const QString &label, Prompter &prompter, QWidget *parent)
    : QWidget(parent), m_prompter(prompter)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_hour = addPart(tr("%1 hour").arg(label), u"hour"_s);
    layout->addWidget(m_hour);
    layout->addWidget(new QLabel(u":"_s, this));
    m_minute = addPart(tr("%1 minute").arg(label), u"minute"_s);
    layout->addWidget(m_minute);
    layout->addWidget(new QLabel(u":"_s, this));
    m_second = addPart(tr("%1 second").arg(label), u"second"_s);
    layout->addWidget(m_second);
    layout->addStretch();

    connect(m_hour, &QLineEdit::textChanged, this,
            [this] { checkPart(TimeEntry::Part::Hour, m_hour, m_minute); });
    connect(m_minute, &QLineEdit::textChanged, this,
            [this] { checkPart(TimeEntry::Part::Minute, m_minute, m_second); });
    connect(m_second, &QLineEdit::textChanged, this,
            [this] { checkPart(TimeEntry::Part::Second, m_second, nullptr); });
}

TimeEntry TimeField::entry() const
{
    return TimeEntry(m_hour->text(), m_minute->text(), m_second->text());
}

void TimeField::clear()
{
    m_hour->clear();
    m_minute->clear();
    m_second->clear();
}

QLineEdit *TimeField::addPart(const QString &accessibleName, const QString &objectName)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    edit->setAccessibleName(accessibleName);
    edit->setMaxLength(2);
    edit->setValidator(new QRegularExpressionValidator(TimeEntry::partPattern(), edit));
    edit->setAlignment(Qt::AlignCenter);
    // Room for two digits and the frame, no more.
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(u"00"_s) + 14);
    return edit;
}

void TimeField::checkPart(TimeEntry::Part part, QLineEdit *edit, QLineEdit *next)
{
    switch (TimeEntry::check(part, edit->text(), m_prompter)) {
    case TimeEntry::Verdict::Incomplete:
        break;
    case TimeEntry::Verdict::Refused:
        edit->clear();
        edit->setFocus();
        break;
    case TimeEntry::Verdict::Accepted:
        if (next) {
            next->setFocus();
            next->selectAll();
        } else if (m_successor) {
            // Nothing selected there: the successor need not be a line edit.
            m_successor->setFocus();
        }
        break;
    }
}
