#pragma once

#include <cstdint>

// The process-wide pseudo-random generator. User-interface thread only.
namespace platform {

// A uniformly drawn integer from 0 to range - 1; 0 when range <= 0.
std::int32_t Random(std::int32_t range);
// Restarts the sequence from seed.
void RandSeed(std::uint32_t seed);
// Seeds the generator from the library's clock (Clock::now), so a fixed test clock gives
// a fixed sequence.
void Randomize();

} // namespace platform
