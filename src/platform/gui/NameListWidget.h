#pragma once

#include <QListWidget>

// A list of names that is always shown, in the order it is given (NameList sorts).
// One name can be chosen.
class NameListWidget : public QListWidget
{
    Q_OBJECT

public:
    NameListWidget(const QString &accessibleName, QWidget *parent = nullptr);

    void setNames(const QStringList &names);
    // The chosen name; empty when none is chosen.
    QString chosenName() const;
    // Where the chosen name stands in the names given; -1 when none is chosen.
    int chosenIndex() const;

Q_SIGNALS:
    void nameChosen(const QString &name);
};
