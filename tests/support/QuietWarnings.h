#pragma once

#include <QRegularExpression>
#include <QTest>

// Makes any Qt warning fail the running test, except the offscreen platform's note
// that it cannot resize windows to their size hints.
inline void failOnUnexpectedWarnings()
{
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(?!This plugin does not support propagateSizeHints\\(\\))")));
}
