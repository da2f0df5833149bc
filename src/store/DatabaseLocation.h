#pragma once

#include <QString>

// Where a program finds its database: a SQLite file path or a postgresql:// URI.
struct DatabaseLocation
{
    QString path;
    bool localMode = true;

    static bool isServerUri(const QString &path);
    // `path` as it may be shown or logged: a server's password left out.
    static QString shown(const QString &path);
    bool isServer() const { return isServerUri(path); }
};
