#pragma once

#include <QString>
#include <cstdint>

// Dates, times and durations. Stateless: every operation is called without an object.
class Tmytime {
public:
    // Hours, minutes and seconds as hh:mm:ss (hours capped at 999).
    static QString SecToGMS(std::int32_t s);
    // The one text form of a duration: "00:00:00" for s <= 0, hh:mm:ss up to one day
    // inclusive, above that the day count, "D " and hh:mm:ss of the rest.
    static QString SecTcDGM(std::int32_t s);
    // As SecTcDGM, but "0" for s <= 0.
    static QString SecTcDGM2(std::int32_t s);
};
