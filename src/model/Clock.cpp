#include "model/Clock.h"

#include <QDateTime>

namespace {

const Clock systemClock;
const Clock *installed = nullptr;

} // namespace

qint64 Clock::msecsSinceEpoch() const
{
    return QDateTime::currentMSecsSinceEpoch();
}

const Clock &Clock::current()
{
    return installed ? *installed : systemClock;
}

void Clock::install(const Clock *clock)
{
    installed = clock;
}
