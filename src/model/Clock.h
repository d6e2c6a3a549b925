#pragma once

#include <QtGlobal>

// Where one-time codes read the time. The system clock unless a test installs one it sets itself.
class Clock
{
public:
    virtual ~Clock() = default;

    virtual qint64 msecsSinceEpoch() const;
    qint64 secsSinceEpoch() const { return msecsSinceEpoch() / 1000; }

    static const Clock &current();
    // The clock stays the caller's and must outlive its use; nullptr brings back the system clock.
    static void install(const Clock *clock);
};
