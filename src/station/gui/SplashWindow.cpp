#include "station/gui/SplashWindow.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

SplashWindow::SplashWindow(int durationMs, QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    auto *picture = new QLabel(this);
    picture->setPixmap(QPixmap(u":/chronel/splash.png"_s));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picture);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    QTimer::singleShot(durationMs, this, &QDialog::accept);
}
