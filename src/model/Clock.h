#pragma once

#include <QDateTime>

// Where the program reads the time: card and field times, trash and purge times, backups, one-time
// codes. The system clock unless a test installs one it sets itself.
class Clock
{
public:
    virtual ~Clock() = default;

    virtual qint64 msecsSinceEpoch() const;
    qint64 secsSinceEpoch() const { return msecsSinceEpoch() / 1000; }

    static const Clock &current();
    // The clock stays the caller's and must outlive its use; nullptr brings back the system clock.
    static void install(const Clock *clock);

    // The current clock's time.
    static QDateTime nowUtc() { return QDateTime::fromMSecsSinceEpoch(current().msecsSinceEpoch(), Qt::UTC); }
    static qint64 nowSecs() { return current().secsSinceEpoch(); }
};
