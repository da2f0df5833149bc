#pragma once

// Mouse clicks as a user makes them. A widget that is missing fails the test.

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>
#include <QWidget>

// Clicks the middle of `widget`.
inline void click(QWidget *widget)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Clicks a check box on its box, not on the empty end of a wide row.
inline void clickBox(QAbstractButton *box)
{
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Clicks `item` where the list shows it.
inline void clickItem(QListWidget *list, QListWidgetItem *item)
{
    QVERIFY(list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}
