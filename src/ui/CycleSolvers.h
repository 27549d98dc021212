#pragma once

#include <cstdint>

// The three solvers of the relation
//   working time = cycles x cycle time,  cycles = quantity / pieces per cycle.
// Each returns the value to write into its field (the field clamps it). A zero divisor
// raises the platform's division error before anything is returned.
namespace cyclesolvers {

// Working time in whole minutes from quantity q, pieces per cycle k and cycle time c
// (seconds). A whole number of cycles is used; a result of 0 minutes becomes 1.
std::int64_t workingTimeMinutes(std::int32_t q, std::int32_t k, double c);

// Quantity from pieces per cycle k, cycle time c and working time w (minutes); the time
// per piece is held in single precision.
std::int64_t quantity(std::int32_t k, double c, std::int32_t w);

// Cycle time in seconds from quantity q, pieces per cycle k and working time w (minutes);
// the number of cycles is held in single precision and not rounded.
float cycleTimeSeconds(std::int32_t q, std::int32_t k, std::int32_t w);

} // namespace cyclesolvers
