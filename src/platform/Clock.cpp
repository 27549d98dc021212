#include "platform/Clock.h"

#include <QDateTime>

namespace platform {

namespace {

ClockFunction& clock()
{
    static ClockFunction current;
    return current;
}

ClockSetCall& clockSetCall()
{
    static ClockSetCall current;
    return current;
}

} // namespace

TDateTime Clock::now()
{
    const ClockFunction& c = clock();
    return c ? c() : fromQDateTime(QDateTime::currentDateTime());
}

bool Clock::setLocalTime(const QDateTime& local)
{
    if (!local.isValid())
        return false;
    const qint64 ms = local.toMSecsSinceEpoch();
    // Floor division, so that moments before 1970 keep a non-negative nanosecond part.
    qint64 seconds = ms / 1000;
    qint64 rest = ms % 1000;
    if (rest < 0) {
        rest += 1000;
        --seconds;
    }
    timespec ts{};
    ts.tv_sec = static_cast<time_t>(seconds);
    ts.tv_nsec = static_cast<long>(rest * 1000000);
    const ClockSetCall& call = clockSetCall();
    return (call ? call(CLOCK_REALTIME, &ts) : ::clock_settime(CLOCK_REALTIME, &ts)) == 0;
}

ClockFunction setClockForTesting(ClockFunction next)
{
    ClockFunction previous = std::move(clock());
    clock() = std::move(next);
    return previous;
}

ClockSetCall setClockSetCallForTesting(ClockSetCall next)
{
    ClockSetCall previous = std::move(clockSetCall());
    clockSetCall() = std::move(next);
    return previous;
}

} // namespace platform
