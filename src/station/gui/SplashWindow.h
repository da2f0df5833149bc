#pragma once

#include <QDialog>

// The picture shown while the station starts; it closes itself after `durationMs`.
class SplashWindow : public QDialog
{
    Q_OBJECT

public:
    static constexpr int defaultDurationMs = 5000;

    explicit SplashWindow(int durationMs = defaultDurationMs, QWidget *parent = nullptr);
};
