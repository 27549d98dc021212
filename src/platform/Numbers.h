#pragma once

#include <cstdint>

// The numeric rules of the system, each stated once:
// - Round: to the nearest integer, halves to the even neighbour;
// - Trunc: toward zero;
// - 32-bit signed arithmetic that wraps like the original machine code, without
//   ever invoking signed overflow in C++;
// - "extended precision" is long double, "single" is float.
namespace platform {

using extended = long double;

// Round half to even. Raises EInvalidOp for NaN or a value outside the 64-bit range.
std::int64_t Round(extended x);
// Trunc toward zero. Raises EInvalidOp for NaN or a value outside the 64-bit range.
std::int64_t Trunc(extended x);

// Round into a 32-bit result, wrapping like the 32-bit assignment of the original.
std::int32_t Round32(extended x);

// x rounded to single precision at this point.
inline float single(extended x) { return static_cast<float>(x); }

// Wrapping 32-bit arithmetic.
constexpr std::int32_t wrap32(std::int64_t v)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}
constexpr std::int32_t add32(std::int32_t a, std::int32_t b) { return wrap32(std::int64_t{a} + b); }
constexpr std::int32_t sub32(std::int32_t a, std::int32_t b) { return wrap32(std::int64_t{a} - b); }
constexpr std::int32_t mul32(std::int32_t a, std::int32_t b) { return wrap32(std::int64_t{a} * b); }

// Wrapping 64-bit multiplication (used where a 64-bit product may leave the range).
constexpr std::int64_t mul64(std::int64_t a, std::int64_t b)
{
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(a) * static_cast<std::uint64_t>(b));
}

// A 64-bit value clamped into the 32-bit range.
constexpr std::int32_t saturate32(std::int64_t v)
{
    return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(v);
}

// Integer div toward zero; raises EDivByZero for a zero divisor. INT32_MIN div -1 wraps.
std::int32_t div32(std::int32_t a, std::int32_t b);
std::int32_t mod32(std::int32_t a, std::int32_t b);

// Floating-point division that raises the platform's errors instead of producing
// an infinity or a NaN: EZeroDivide for x/0 with x != 0, EInvalidOp for 0/0.
extended floatDiv(extended a, extended b);

// MulDiv of the operating system: a * b / c with a 64-bit intermediate, rounded to the
// nearest integer with halves away from zero; -1 when c is 0 or the result leaves 32 bits.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c);

} // namespace platform
