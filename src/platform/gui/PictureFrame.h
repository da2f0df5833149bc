#pragma once

class QHBoxLayout;
class QLabel;
class QLayout;
class QWidget;

// The block most dialogs are built from: a picture at the left and the dialog's fields
// beside it.
namespace PictureFrame {

enum class Picture
{
    Logo,
    LogArea, // the supervisor log-ins
};

// A label showing `picture` at the top of its row; a `size` scales it to fit that many
// pixels square.
QLabel *picture(QWidget *parent, Picture picture = Picture::Logo, int size = 0);

// Lays `host` out as a row: the picture, then `content`, which takes the room left.
// Returns the row, for a dialog that puts more beside the content.
QHBoxLayout *lay(QWidget *host, QWidget *content, Picture picture = Picture::Logo);
QHBoxLayout *lay(QWidget *host, QLayout *content, Picture picture = Picture::Logo);

// The same row for a caller to nest in a layout of its own; the picture belongs to
// `owner`.
QHBoxLayout *row(QWidget *owner, QWidget *content, Picture picture = Picture::Logo);

} // namespace PictureFrame
