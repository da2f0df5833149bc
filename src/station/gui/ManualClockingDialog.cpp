#include "station/gui/ManualClockingDialog.h"

#include "platform/gui/DialogButton.h"
#include "platform/gui/NameListWidget.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/PictureFrame.h"
#include "platform/gui/TimeField.h"
#include "store/ReportedErrors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ManualClockingDialog::ManualClockingDialog(Database &db, Prompter &prompter, const Clock &clock,
                                           QWidget *parent)
    : QDialog(parent), m_logic(db, prompter), m_prompter(prompter)
{
    setWindowTitle(tr(":: Manual Log In/Out ::"));

    m_process = DialogButton::create(tr("Process!"), u"processButton"_s, this);
    m_process->setFlat(true);
    connect(m_process, &QPushButton::clicked, this, &ManualClockingDialog::process);

    auto *groups = new QVBoxLayout;
    groups->addWidget(buildEmployeeGroup(), 1);
    groups->addWidget(buildOptionsGroup(prompter, clock));
    groups->addWidget(m_process, 0, Qt::AlignRight);

    PictureFrame::lay(this, groups);
}

void ManualClockingDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                               QWidget *parent)
{
    ManualClockingDialog dialog(db, prompter, clock, parent);
    if (runReported(prompter, [&] { dialog.loadEmployees(); }))
        dialog.exec();
}

void ManualClockingDialog::loadEmployees()
{
    const QStringList names = m_logic.employeeNames();
    m_employees->setNames(names);
}

QWidget *ManualClockingDialog::buildEmployeeGroup()
{
    auto *group = new QGroupBox(tr("Select an employee:"), this);
    m_employees = new NameListWidget(tr("Employee"), group);
    m_employees->setObjectName(u"employeeList"_s);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_employees);
    return group;
}

QWidget *ManualClockingDialog::buildOptionsGroup(Prompter &prompter, const Clock &clock)
{
    auto *group = new QGroupBox(tr("Log Options"), this);
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Date"), group), 0, 1);
    grid->addWidget(new QLabel(tr("Time"), group), 0, 2);

    m_logIn = addLogRow(group, tr("Log In"), prompter, clock);
    m_logIn.box->setObjectName(u"logInBox"_s);
    m_logIn.date->setObjectName(u"logInDate"_s);
    m_logIn.time->setObjectName(u"logInTime"_s);
    m_logOut = addLogRow(group, tr("Log Out"), prompter, clock);
    m_logOut.box->setObjectName(u"logOutBox"_s);
    m_logOut.date->setObjectName(u"logOutDate"_s);
    m_logOut.time->setObjectName(u"logOutTime"_s);

    for (const LogRow &row : {m_logIn, m_logOut}) {
        const int line = grid->rowCount();
        grid->addWidget(row.box, line, 0);
        grid->addWidget(row.date, line, 1);
        grid->addWidget(row.time, line, 2);
    }
    grid->setColumnStretch(3, 1);
    return group;
}

ManualClockingDialog::LogRow ManualClockingDialog::addLogRow(QWidget *group, const QString &text,
                                                             Prompter &prompter, const Clock &clock)
{
    LogRow row;
    row.box = new QCheckBox(text, group);
    row.date = new DatePicker(clock.now().date(), group);
    row.date->setAccessibleName(tr("%1 date").arg(text));
    row.time = new TimeField(tr("%1 time").arg(text), prompter, group);
    row.date->setEnabled(false);
    row.time->setEnabled(false);
    connect(row.box, &QCheckBox::toggled, row.date, &QWidget::setEnabled);
    connect(row.box, &QCheckBox::toggled, row.time, &QWidget::setEnabled);
    return row;
}

ManualClocking::Request ManualClockingDialog::request() const
{
    ManualClocking::Request request;
    const QString chosen = m_employees->chosenName();
    if (!chosen.isNull())
        request.employee = chosen;
    request.logIn = {m_logIn.box->isChecked(), m_logIn.date->text(), m_logIn.time->entry()};
    request.logOut = {m_logOut.box->isChecked(), m_logOut.date->text(), m_logOut.time->entry()};
    return request;
}

void ManualClockingDialog::process()
{
    if (m_logic.process(request()) == ManualClocking::Outcome::EmployeeGone)
        runReported(m_prompter, [this] { loadEmployees(); });
}
