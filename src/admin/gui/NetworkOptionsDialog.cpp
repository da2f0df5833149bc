#include "admin/gui/NetworkOptionsDialog.h"

#include "platform/gui/DialogButton.h"
#include "store/ChronelHome.h"
#include "store/ReportedErrors.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

NetworkOptionsDialog::NetworkOptionsDialog(const QString &homeFolder, Prompter &prompter,
                                           bool localMode, NetworkOptions::Choice &choice,
                                           QWidget *parent, Database *current)
    : QDialog(parent), m_options(homeFolder, prompter, current), m_choice(choice)
{
    setWindowTitle(tr(":: Network Options ::"));

    auto *settings = new QGroupBox(tr("Network Settings"), this);
    auto *instruction = new QLabel(tr("Please select one of the following options and once a "
                                      "choice is made,please click the APPLY button!"),
                                   settings);
    instruction->setWordWrap(true);
    m_local = new QRadioButton(tr("Use Chronel on this machine only"), settings);
    m_local->setObjectName(u"localRadio"_s);
    m_network = new QRadioButton(tr("Use Chronel over a network"), settings);
    m_network->setObjectName(u"networkRadio"_s);
    m_path = new QLineEdit(settings);
    m_path->setObjectName(u"pathEdit"_s);
    m_path->setAccessibleName(tr("Path to database:"));
    auto *pathRow = new QFormLayout;
    pathRow->addRow(tr("Path to database:"), m_path);
    auto *applyButton = DialogButton::create(tr("Apply!"), u"applyButton"_s, settings);
    m_test = DialogButton::create(tr("Test Connection to DB!"), u"testButton"_s, settings);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton);
    buttons->addWidget(m_test);

    auto *settingsLayout = new QVBoxLayout(settings);
    settingsLayout->addWidget(instruction);
    settingsLayout->addWidget(m_local);
    settingsLayout->addWidget(m_network);
    settingsLayout->addLayout(pathRow);
    settingsLayout->addLayout(buttons);

    auto *modeGroup = new QGroupBox(tr("Current Database Mode:"), this);
    auto *mode = new QLineEdit(NetworkOptions::modeText(localMode), modeGroup);
    mode->setObjectName(u"modeField"_s);
    mode->setReadOnly(true);
    mode->setAccessibleName(tr("Current Database Mode:"));
    auto *modeLayout = new QVBoxLayout(modeGroup);
    modeLayout->addWidget(mode);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(settings);
    layout->addWidget(modeGroup);

    // An earlier choice of this run still holds, so it is shown as chosen.
    if (m_choice == NetworkOptions::Choice::Local)
        m_local->setChecked(true);
    else if (m_choice == NetworkOptions::Choice::Network)
        m_network->setChecked(true);
    m_path->setEnabled(m_choice == NetworkOptions::Choice::Network);
    m_test->setEnabled(m_choice == NetworkOptions::Choice::Network);

    connect(m_local, &QRadioButton::clicked, this,
            [this] { choose(NetworkOptions::Choice::Local); });
    connect(m_network, &QRadioButton::clicked, this,
            [this] { choose(NetworkOptions::Choice::Network); });
    connect(applyButton, &QPushButton::clicked, this, &NetworkOptionsDialog::apply);
    connect(m_test, &QPushButton::clicked, this,
            [this] { m_options.testConnection(m_path->text()); });
}

bool NetworkOptionsDialog::run(Prompter &prompter, bool localMode, NetworkOptions::Choice &choice,
                               QWidget *parent, Database *current)
{
    QString home;
    if (!runReported(prompter, [&] { home = ChronelHome::path(); }))
        return false;
    NetworkOptionsDialog dialog(home, prompter, localMode, choice, parent, current);
    return dialog.exec() == QDialog::Accepted;
}

void NetworkOptionsDialog::choose(NetworkOptions::Choice choice)
{
    m_choice = choice;
    const bool network = choice == NetworkOptions::Choice::Network;
    m_path->setEnabled(network);
    m_test->setEnabled(network);
}

void NetworkOptionsDialog::apply()
{
    // The program ends next; the dialog only makes way for it.
    if (m_options.apply(m_choice, m_path->text()))
        accept();
}
