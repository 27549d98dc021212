#include "ui/CycleSolvers.h"

#include "platform/Numbers.h"
#include "ui/Recalculation.h"

namespace cyclesolvers {

using platform::extended;
using platform::floatDiv;
using platform::Round;
using platform::single;

std::int64_t workingTimeMinutes(std::int32_t q, std::int32_t k, double c)
{
    const std::int64_t cycles = Round(floatDiv(q, k));
    const std::int64_t t = Round(extended{c} * static_cast<extended>(cycles) / 60);
    return t == 0 ? 1 : t;
}

std::int64_t quantity(std::int32_t k, double c, std::int32_t w)
{
    const float perPiece = single(floatDiv(c, k));
    return Round(floatDiv(recalculation::minutesToSeconds(w), perPiece));
}

float cycleTimeSeconds(std::int32_t q, std::int32_t k, std::int32_t w)
{
    const float cycles = single(floatDiv(q, k));
    return single(floatDiv(recalculation::minutesToSeconds(w), cycles));
}

} // namespace cyclesolvers
