#pragma once

// Driving the modal windows the program opens with exec(). The test arms a look-out
// before the call that opens the window; the look-out runs in that window's event loop,
// drives the window and closes it when the driving stopped early (a failed check), so no
// test can hang on a window waiting for a user.

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `drive` on the modal dialog that `opened` accepts as soon as it is open, then
// closes it if `drive` left it open (a failed check), so no test can hang on it. Gives up
// after about five seconds and runs `gaveUp`, if given; the test then fails on what
// `drive` should have done.
inline void whenModal(QObject *context, std::function<bool(QWidget *)> opened,
                      std::function<void(QWidget *)> drive, std::function<void()> gaveUp = {},
                      int triesLeft = 500)
{
    QTimer::singleShot(10, context, [=] {
        QPointer<QWidget> modal = QApplication::activeModalWidget();
        if (modal && opened(modal)) {
            drive(modal);
            if (modal && modal->isVisible())
                modal->close();
        } else if (triesLeft > 0) {
            whenModal(context, opened, drive, gaveUp, triesLeft - 1);
        } else if (gaveUp) {
            gaveUp();
        }
    });
}

// Runs `drive` on the modal dialog open now, then rejects it if `drive` left it open.
// False when no dialog is open.
inline bool driveModalDialog(const std::function<void(QDialog *)> &drive)
{
    QPointer<QDialog> dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog)
        return false;
    drive(dialog);
    if (dialog && dialog->isVisible())
        dialog->reject();
    return true;
}

// Runs `act`, which may open a modal dialog, and `drive` on the dialog it opens, as soon
// as it is open; the dialog is rejected afterwards if `drive` left it open. False when
// `act` opened none.
inline bool driveDialogOpenedBy(const std::function<void()> &act,
                                const std::function<void(QDialog *)> &drive)
{
    bool opened = false;
    QObject lookOut; // a call that opens no dialog leaves no look-out behind
    QTimer::singleShot(0, &lookOut, [&] { opened = driveModalDialog(drive); });
    act();
    return opened;
}

// Runs `drive` on the dialog that the call made next opens, as soon as its event loop
// runs, then rejects it if `drive` left it open. Fails the test when no dialog is open
// by then.
inline void whenDialogOpens(QObject *context, std::function<void(QDialog *)> drive)
{
    QTimer::singleShot(0, context, [drive = std::move(drive)] {
        const bool opened = driveModalDialog(drive);
        QVERIFY2(opened, "no dialog opened");
    });
}

// Closes every open modal window, innermost first; a dialog is rejected, so each exec()
// returns. One that will not close ends the loop instead of spinning in it.
inline void closeModalWidgets()
{
    QWidget *previous = nullptr;
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal == previous)
            break;
        previous = modal;
        modal->close();
    }
}
