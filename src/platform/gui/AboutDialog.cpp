#include "platform/gui/AboutDialog.h"

#include "platform/gui/DialogButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

AboutDialog::AboutDialog(const QString &title, const QString &text, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(u":/chronel/chronel.png"_s)
                        .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *label = new QLabel(text, this);
    label->setObjectName(u"aboutText"_s);
    label->setTextFormat(Qt::PlainText);
    auto *ok = DialogButton::create(tr("OK"), u"okButton"_s, this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(label, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
