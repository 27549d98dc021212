#include "util/Tmysystem.h"

#include "platform/Numbers.h"

#include <cmath>
#include <limits>

namespace {

// A quotient that does not fit a single (or is no number) gives 0, as an arithmetic
// fault in the division does.
float toSingleOrZero(platform::extended v)
{
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return 0.0f;
    return platform::single(v);
}

} // namespace

float Tmysystem::procent(std::int64_t calosc, std::int64_t czesc)
{
    if (calosc == 0)
        return 0.0f;
    const std::int64_t scaled = platform::mul64(czesc, 100);
    return toSingleOrZero(static_cast<platform::extended>(scaled) / static_cast<platform::extended>(calosc));
}

float Tmysystem::procentf(float calosc, float czesc)
{
    if (calosc == 0.0f)
        return 0.0f;
    return toSingleOrZero(platform::extended{czesc} * 100 / calosc);
}

float Tmysystem::procentp(float calosc, float procent)
{
    if (calosc == 0.0f)
        return 0.0f;
    return toSingleOrZero(platform::extended{calosc} / 100 * procent);
}
