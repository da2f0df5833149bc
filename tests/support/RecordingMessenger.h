#pragma once

#include "platform/core/Messenger.h"

#include <QList>
#include <QPair>

// Keeps every message instead of sending it: (address, text).
class RecordingMessenger : public Messenger
{
public:
    void send(const QString &address, const QString &text) override
    {
        sent << qMakePair(address, text);
    }

    QList<QPair<QString, QString>> sent;
};
