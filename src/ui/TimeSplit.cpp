#include "ui/TimeSplit.h"

#include "platform/Numbers.h"

TimeSplit TimeSplit::fromSeconds(std::int32_t seconds)
{
    TimeSplit t;
    if (seconds <= 0)
        return t;
    std::int32_t rest = seconds;
    if (seconds >= 86400) {
        t.days = seconds / 86400;
        rest = seconds - t.days * 86400;
    }
    t.hours = rest / 3600;
    rest -= t.hours * 3600;
    t.minutes = rest / 60;
    return t;
}

std::int32_t TimeSplit::toSeconds() const
{
    return platform::saturate32(std::int64_t{minutes} * 60 + std::int64_t{hours} * 3600 + std::int64_t{days} * 86400);
}
