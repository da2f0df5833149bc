#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `drive` on the modal dialog that `opened` accepts as soon as it is open, then
// closes it if `drive` left it open (a failed check), so no test can hang on it. Gives up
// after about five seconds; the test then fails on what `drive` should have done.
inline void whenModal(QObject *context, std::function<bool(QWidget *)> opened,
                      std::function<void(QWidget *)> drive, int triesLeft = 500)
{
    QTimer::singleShot(10, context, [=] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal && opened(modal)) {
            drive(modal);
            if (modal && modal->isVisible())
                modal->close();
        } else if (triesLeft > 0) {
            whenModal(context, opened, drive, triesLeft - 1);
        }
    });
}
