#pragma once

#include <QString>
#include <cstdint>

class TEfektOEE;

// The text-building steps of the main window's recalculation, free of widgets so they
// can be tested directly. The window reads its fields, calls these in order and shows
// the results.
namespace recalculation {

// Minutes of a field as seconds. A field being typed beyond its range can hold any
// 32-bit number; the product saturates at the 32-bit range instead of wrapping, so a
// time is never shown wrapped or negative.
std::int32_t minutesToSeconds(std::int32_t minutes);

// The duration text for a 64-bit count of seconds, in the one duration form of the
// library (sums of several fields can leave the 32-bit range).
QString duration(std::int64_t seconds);

// The times entered, in seconds.
struct Times {
    std::int32_t ordered = 0;    // O
    std::int32_t planned = 0;    // P
    std::int32_t changeover = 0; // Z
    std::int32_t unplanned = 0;  // N
    std::int32_t breakdowns = 0; // A
    std::int32_t working = 0;    // W

    // S = P + N + A + Z + W in 64 bits.
    std::int64_t sumOfLossesAndWork() const;
};

// Whether the times add up to the ordered time, as the red line under the inputs says it.
QString consistencyLine(const Times& t);

// Operating time, availability and utilisation formulas of a computed calculation.
QString formulasText(const TEfektOEE& oee);

// MTTR and MTBF for `count` breakdowns. A count of 0 raises the platform's division
// error (EZeroDivide, or EInvalidOp when the breakdown time is 0 as well).
QString breakdownText(std::int32_t breakdownSeconds, std::int32_t orderedSeconds, std::int32_t count);

// Reserve and loss times and the time needed to remake the rejects: cycle time
// (as displayed) times rejects.
QString reserveAndLossText(const TEfektOEE& oee, std::int32_t orderedSeconds, double cycleSeconds, std::int32_t rejects);

} // namespace recalculation
