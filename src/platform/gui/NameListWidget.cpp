#include "platform/gui/NameListWidget.h"

NameListWidget::NameListWidget(const QString &accessibleName, QWidget *parent) : QListWidget(parent)
{
    setAccessibleName(accessibleName);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QString name = chosenName();
        if (!name.isNull())
            Q_EMIT nameChosen(name);
    });
}

void NameListWidget::setNames(const QStringList &names)
{
    clear();
    addItems(names);
}

QString NameListWidget::chosenName() const
{
    const QList<QListWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? QString() : chosen.first()->text();
}

int NameListWidget::chosenIndex() const
{
    const QList<QListWidgetItem *> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}
