#include "breaks/gui/BreakRequestWindow.h"

#include "platform/gui/DialogButton.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

BreakRequestWindow::BreakRequestWindow(QAbstractItemModel &requests, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(u"breakRequestNotice"_s);
    setWindowTitle(tr("Break Request"));
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto *list = new QListView(this);
    list->setObjectName(u"breakRequestList"_s);
    list->setModel(&requests);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideMiddle);
    list->setMinimumWidth(520);
    auto *label = new QLabel(tr("Break requests, newest first:"), this);
    label->setBuddy(list);
    list->setAccessibleName(label->text());
    auto *close = DialogButton::create(tr("Close"), u"closeButton"_s, this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void BreakRequestWindow::present()
{
    // Staying on top, a shown window needs no raising.
    if (isMinimized())
        showNormal();
    else if (!isVisible())
        show();
}
