#include "wizard/gui/WelcomePage.h"

#include "platform/core/Version.h"
#include "platform/gui/AboutDialog.h"
#include "platform/gui/DialogButton.h"
#include "wizard/gui/CompanyPage.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

WelcomePage::WelcomePage(WizardContext context, QWidget *parent)
    : QDialog(parent), m_context(std::move(context))
{
    auto *content = new QWidget(this);
    auto *column = new QVBoxLayout(content);
    auto *welcome = new QLabel(tr("Welcome to the Chronel Wizard."), content);
    QFont bold = welcome->font();
    bold.setBold(true);
    welcome->setFont(bold);
    auto *intro = new QLabel(
        tr("With this wizard you will setup Chronel for first use.Please click Next to continue"),
        content);
    intro->setWordWrap(true);
    auto *about = DialogButton::create(tr("About Wizard..."), u"aboutButton"_s, content);
    about->setFlat(true);
    column->addWidget(welcome);
    column->addWidget(intro);
    column->addStretch();
    column->addWidget(about, 0, Qt::AlignLeft);

    connect(about, &QPushButton::clicked, this, [this] {
        AboutDialog box(tr("About Wizard"), tr("Wizard Version %1").arg(ChronelVersion::shortText),
                        this);
        box.exec();
    });
    QPushButton *next =
        WizardPageFrame::build(this, tr(":: Chronel Wizard ::"), content, tr("Next >>"));
    connect(next, &QPushButton::clicked, this, [this] {
        CompanyPage page(m_context, this);
        page.exec();
    });
}
