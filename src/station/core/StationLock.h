#pragma once

#include <QLockFile>
#include <QString>

class Prompter;

// One station per Chronel home. A second one would share the first one's location file
// and break-request port, and requests sent to the computer would reach only one of them.
class StationLock
{
public:
    static const QString fileName;

    explicit StationLock(const QString &home);

    // Holds the home for this station until the lock is destroyed; a lock that a crashed
    // station left behind is taken over. Where another station runs in the home, says so
    // and returns false.
    bool acquire(Prompter &prompter);

private:
    QString m_home;
    QLockFile m_lock;
};
