#include "breaks/gui/ManualBreakEntryDialog.h"

#include "platform/core/Clock.h"
#include "platform/gui/DatePicker.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/NameListWidget.h"
#include "platform/gui/PictureFrame.h"
#include "platform/gui/TimeField.h"
#include "store/ReportedErrors.h"
#include "store/StartupValues.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QCheckBox *addUseBox(QWidget *parent, const QString &accessibleName, const QString &objectName,
                     TimeField *time)
{
    auto *box = new QCheckBox(QObject::tr("Use:"), parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    QObject::connect(box, &QCheckBox::clicked, time, [time](bool checked) {
        if (!checked)
            time->clear();
    });
    return box;
}

} // namespace

ManualBreakEntryDialog::ManualBreakEntryDialog(Database &db, Prompter &prompter, const Clock &clock,
                                               const StartupValues &values, QWidget *parent)
    : QDialog(parent), m_logic(db, prompter, clock), m_prompter(prompter), m_values(values)
{
    setWindowTitle(tr(":: Manual Break Input ::"));
    auto *group = new QGroupBox(tr("Options"), this);

    auto *warning = new QLabel(
        tr("Please exercise caution as these times will override any existing times recorded"),
        group);
    warning->setWordWrap(true);
    m_employees = new NameListWidget(tr("Employee"), group);
    m_employees->setObjectName(u"employeeList"_s);

    auto *reset = DialogButton::create(tr("Reset Times!"), u"resetTimesButton"_s, group);
    connect(reset, &QPushButton::clicked, this, [this] {
        for (const Block &block : m_blocks) {
            block.start->clear();
            block.end->clear();
        }
    });

    auto *top = new QHBoxLayout;
    top->addWidget(PictureFrame::picture(group, PictureFrame::Picture::Logo, 48));
    top->addWidget(m_employees, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(reset);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(warning);
    groupLayout->addLayout(top, 1);
    groupLayout->addWidget(buildBlocks(prompter, clock));
    groupLayout->addLayout(bottom);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

void ManualBreakEntryDialog::run(Database &db, Prompter &prompter, const Clock &clock,
                                 const StartupValues &values, QWidget *parent)
{
    ManualBreakEntryDialog dialog(db, prompter, clock, values, parent);
    if (runReported(prompter, [&] { dialog.load(); }))
        dialog.exec();
}

void ManualBreakEntryDialog::load()
{
    const QStringList names = m_logic.employeeNames();
    m_employees->setNames(names);
    if (!names.isEmpty())
        openBlocks();
}

QWidget *ManualBreakEntryDialog::buildBlocks(Prompter &prompter, const Clock &clock)
{
    auto *group = new QGroupBox(tr("Static"), this);
    auto *grid = new QGridLayout(group);
    for (int i = 0; i < 3; ++i)
        m_blocks[i] = addBlock(grid, i + 1, prompter, clock);
    grid->setColumnStretch(0, 1);
    return group;
}

ManualBreakEntryDialog::Block ManualBreakEntryDialog::addBlock(QGridLayout *grid, int number,
                                                               Prompter &prompter,
                                                               const Clock &clock)
{
    QWidget *parent = grid->parentWidget();
    const QString prefix = u"break%1"_s.arg(number);
    Block block;
    block.number = number;
    block.name = new QLineEdit(parent);
    block.name->setObjectName(prefix + u"Name"_s);
    block.name->setAccessibleName(tr("Break %1 name").arg(number));
    block.name->setReadOnly(true);
    block.name->setMinimumWidth(block.name->fontMetrics().horizontalAdvance(u"Afternoon tea"_s));
    block.date = new DatePicker(clock.now().date(), parent);
    block.date->setObjectName(prefix + u"Date"_s);
    block.date->setAccessibleName(tr("Break %1 date").arg(number));
    block.start = new TimeField(tr("Break %1 start").arg(number), prompter, parent);
    block.start->setObjectName(prefix + u"Start"_s);
    block.useStart = addUseBox(parent, tr("Use break %1 start").arg(number), prefix + u"UseStart"_s,
                               block.start);
    block.end = new TimeField(tr("Break %1 end").arg(number), prompter, parent);
    block.end->setObjectName(prefix + u"End"_s);
    block.useEnd =
        addUseBox(parent, tr("Use break %1 end").arg(number), prefix + u"UseEnd"_s, block.end);
    // The fields of a block are typed in one go, start then end.
    block.start->setSuccessor(block.end->hourEdit());

    auto *processButton = DialogButton::create(tr("Process!"), prefix + u"Process"_s, parent);
    processButton->setAccessibleName(tr("Process break %1").arg(number));
    connect(processButton, &QPushButton::clicked, this,
            [this, number] { process(m_blocks[number - 1]); });

    for (QWidget *input : inputs(block))
        input->setEnabled(false);

    const int row = grid->rowCount();
    grid->addWidget(block.name, row, 0);
    grid->addWidget(block.date, row, 1);
    grid->addWidget(new QLabel(tr("Break Start:"), parent), row, 2);
    grid->addWidget(block.start, row, 3);
    grid->addWidget(block.useStart, row, 4);
    grid->addWidget(new QLabel(tr("Break End:"), parent), row, 5);
    grid->addWidget(block.end, row, 6);
    grid->addWidget(block.useEnd, row, 7);
    grid->addWidget(processButton, row, 8);
    return block;
}

void ManualBreakEntryDialog::openBlocks()
{
    const int breaks = m_values.breaksPerDay();
    if (breaks == 0)
        return;
    for (const Block &block : m_blocks) {
        const bool open = block.number <= breaks;
        block.name->setText(open ? m_values.breakNames.value(block.number - 1) : u"--"_s);
        for (QWidget *input : inputs(block))
            input->setEnabled(open);
    }
}

QList<QWidget *> ManualBreakEntryDialog::inputs(const Block &block)
{
    return {block.date, block.start, block.useStart, block.end, block.useEnd};
}

ManualBreakEntry::Request ManualBreakEntryDialog::request(const Block &block) const
{
    ManualBreakEntry::Request request;
    const QString chosen = m_employees->chosenName();
    if (!chosen.isNull())
        request.employee = chosen;
    request.breakNumber = block.number;
    request.date = block.date->date();
    request.start = {block.useStart->isChecked(), block.start->entry()};
    request.end = {block.useEnd->isChecked(), block.end->entry()};
    return request;
}

void ManualBreakEntryDialog::process(const Block &block)
{
    const ManualBreakEntry::Outcome outcome = m_logic.process(request(block));
    if (outcome == ManualBreakEntry::Outcome::EmployeeGone)
        runReported(m_prompter, [this] { load(); });
    // Block 1 is made ready for the next entry; the others keep what was typed.
    if (block.number == 1 && outcome != ManualBreakEntry::Outcome::Failed &&
        outcome != ManualBreakEntry::Outcome::EmployeeGone) {
        block.start->clear();
        block.end->clear();
    }
}
