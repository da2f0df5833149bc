#pragma once

#include <QDialog>

// A small box with the program icon, a version text and OK.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const QString &title, const QString &text, QWidget *parent = nullptr);
};
