#include "platform/gui/PictureFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace PictureFrame {

QLabel *picture(QWidget *parent, Picture picture, int size)
{
    QPixmap pixmap(picture == Picture::LogArea ? u":/chronel/log-area.png"_s
                                               : u":/chronel/chronel.png"_s);
    if (size > 0)
        pixmap = pixmap.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    auto *label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignTop);
    return label;
}

QHBoxLayout *lay(QWidget *host, QWidget *content, Picture picture)
{
    auto *layout = new QHBoxLayout(host);
    layout->addWidget(PictureFrame::picture(host, picture));
    layout->addWidget(content, 1);
    return layout;
}

QHBoxLayout *lay(QWidget *host, QLayout *content, Picture picture)
{
    auto *layout = new QHBoxLayout(host);
    layout->addWidget(PictureFrame::picture(host, picture));
    layout->addLayout(content, 1);
    return layout;
}

QHBoxLayout *row(QWidget *owner, QWidget *content, Picture picture)
{
    auto *layout = new QHBoxLayout;
    layout->addWidget(PictureFrame::picture(owner, picture));
    layout->addWidget(content, 1);
    return layout;
}

} // namespace PictureFrame
