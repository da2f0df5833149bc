#pragma once

#include <QString>

// Short text messages between the station computers, sent without waiting for, or
// learning about, their delivery.
class Messenger
{
public:
    // The UDP port every station sends to and listens on.
    static constexpr quint16 defaultPort = 47913;

    virtual ~Messenger() = default;

    // `address` is a dotted IPv4 address or a host name; an empty one sends nothing.
    virtual void send(const QString &address, const QString &text) = 0;
};
