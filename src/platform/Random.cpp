#include "platform/Random.h"

#include "platform/Clock.h"

#include <cmath>
#include <random>

namespace platform {

namespace {

std::mt19937& generator()
{
    static std::mt19937 engine; // default seed: the same sequence every run until seeded
    return engine;
}

} // namespace

std::int32_t Random(std::int32_t range)
{
    if (range <= 0)
        return 0;
    std::uniform_int_distribution<std::int32_t> draw(0, range - 1);
    return draw(generator());
}

void RandSeed(std::uint32_t seed)
{
    generator().seed(seed);
}

void Randomize()
{
    // Milliseconds since 1899-12-30: changes on every call that is not within the same millisecond.
    const double ms = std::fmod(std::floor(static_cast<double>(Clock::now()) * 86400000.0), 4294967296.0);
    RandSeed(static_cast<std::uint32_t>(ms < 0 ? ms + 4294967296.0 : ms));
}

} // namespace platform
