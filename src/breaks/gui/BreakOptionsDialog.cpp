#include "breaks/gui/BreakOptionsDialog.h"

#include "breaks/core/BreakOptions.h"
#include "platform/gui/DialogButton.h"
#include "platform/gui/FormField.h"
#include "store/ReportedErrors.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

using namespace Qt::StringLiterals;

BreakOptionsDialog::BreakOptionsDialog(BreakOptions &options, const QStringList &names,
                                       QString &chosenCount, QWidget *parent)
    : QDialog(parent), m_options(options), m_chosenCount(chosenCount)
{
    setWindowTitle(tr(":: Setup Break Options ::"));
    auto *group = new QGroupBox(tr("Options"), this);

    auto *picture = new QLabel(group);
    picture->setPixmap(QPixmap(u":/chronel/chronel.png"_s)
                           .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *countLabel = new QLabel(tr("Select number of breaks:"), group);
    m_count = new QComboBox(group);
    m_count->setObjectName(u"breakCount"_s);
    m_count->addItems(BreakOptions::counts());
    m_count->setCurrentIndex(-1);
    countLabel->setBuddy(m_count);
    auto *countRow = new QHBoxLayout;
    countRow->addWidget(picture);
    countRow->addWidget(countLabel);
    countRow->addWidget(m_count);
    countRow->addStretch();

    auto *naming = new QGroupBox(tr("Break Naming:"), group);
    auto *form = new QFormLayout(naming);
    for (int i = 0; i < 3; ++i) {
        m_names[i] =
            FormField::add(form, tr("Break %1 name:").arg(i + 1), u"break%1Name"_s.arg(i + 1));
        m_names[i]->setText(names.value(i));
        m_names[i]->setEnabled(false);
    }

    auto *clear = DialogButton::create(tr("Clear exisiting names!"), u"clearNamesButton"_s, group);
    connect(clear, &QPushButton::clicked, this, [this] {
        for (QLineEdit *name : m_names)
            name->clear();
    });
    auto *apply = DialogButton::create(tr("Apply!"), u"applyButton"_s, group);
    connect(apply, &QPushButton::clicked, this,
            [this] { m_options.apply(m_chosenCount, typedNames()); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(apply);

    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(countRow);
    groupLayout->addWidget(naming);
    groupLayout->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);

    connect(m_count, &QComboBox::currentTextChanged, this, &BreakOptionsDialog::choose);
}

void BreakOptionsDialog::run(Database &db, Prompter &prompter, QString &chosenCount,
                             QWidget *parent)
{
    BreakOptions options(db, prompter);
    std::optional<QStringList> names;
    if (!runReported(prompter, [&] { names = options.names(); }))
        return;
    BreakOptionsDialog dialog(options, *names, chosenCount, parent);
    dialog.exec();
}

void BreakOptionsDialog::choose(const QString &count)
{
    m_chosenCount = count;
    const int breaks = count.toInt();
    for (int i = 0; i < 3; ++i)
        m_names[i]->setEnabled(i < breaks);
}

QStringList BreakOptionsDialog::typedNames() const
{
    return {m_names[0]->text(), m_names[1]->text(), m_names[2]->text()};
}
