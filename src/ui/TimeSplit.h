#pragma once

#include <cstdint>

// Days, hours and minutes of the time entry dialog.
struct TimeSplit {
    std::int32_t days = 0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;

    // A time in seconds split into days, hours below 24 and minutes below 60; the
    // remaining seconds are dropped and a time of 0 or less shows nothing.
    static TimeSplit fromSeconds(std::int32_t seconds);

    // The total in seconds. Hours and minutes may exceed 23 and 59; a total beyond the
    // 32-bit range saturates at its largest value instead of wrapping.
    std::int32_t toSeconds() const;
};
