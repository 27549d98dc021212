#include "platform/Numbers.h"

#include "platform/Errors.h"

#include <cfenv>
#include <cmath>

namespace platform {

namespace {

// 2^63 as an extended value: every finite value strictly below it converts to int64.
constexpr extended two63 = 9223372036854775808.0L;

std::int64_t checkedToInt64(extended integral)
{
    if (std::isnan(integral) || integral >= two63 || integral < -two63)
        throw EInvalidOp();
    return static_cast<std::int64_t>(integral);
}

} // namespace

std::int64_t Round(extended x)
{
    // nearbyintl honours the current rounding mode, which this program never changes
    // from round-to-nearest-even; it also raises no inexact flag.
    return checkedToInt64(std::nearbyintl(x));
}

std::int64_t Trunc(extended x)
{
    return checkedToInt64(std::truncl(x));
}

std::int32_t Round32(extended x)
{
    return wrap32(Round(x));
}

std::int32_t div32(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw EDivByZero();
    return wrap32(std::int64_t{a} / b);
}

std::int32_t mod32(std::int32_t a, std::int32_t b)
{
    if (b == 0)
        throw EDivByZero();
    return wrap32(std::int64_t{a} % b);
}

extended floatDiv(extended a, extended b)
{
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return a / b;
}

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b; // fits: |a*b| <= 2^62
    std::int64_t q = product / c;
    const std::int64_t r = product % c;
    // Halves away from zero: compare twice the remainder with the divisor.
    const std::uint64_t twiceR = 2 * static_cast<std::uint64_t>(r < 0 ? -r : r);
    const std::uint64_t absC = static_cast<std::uint64_t>(c < 0 ? -std::int64_t{c} : std::int64_t{c});
    if (twiceR >= absC)
        q += ((product < 0) != (c < 0)) ? -1 : 1;
    if (q > INT32_MAX || q < INT32_MIN)
        return -1;
    return static_cast<std::int32_t>(q);
}

} // namespace platform
