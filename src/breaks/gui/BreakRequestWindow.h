#pragma once

#include <QWidget>

class QAbstractItemModel;

// The one window that lists the break requests that reached this computer. It stays on
// top but does not take the keyboard, so the station goes on clocking while it is shown.
class BreakRequestWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BreakRequestWindow(QAbstractItemModel &requests, QWidget *parent = nullptr);

    // Shows the window, or brings it back when it is minimised.
    void present();
};
