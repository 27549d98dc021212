#pragma once

#include <cstdint>

namespace platform {

// A rectangle of pixels; Right and Bottom lie just outside the area.
struct TRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    constexpr std::int64_t Width() const { return std::int64_t{Right} - Left; }
    constexpr std::int64_t Height() const { return std::int64_t{Bottom} - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    return TRect{left, top, right, bottom};
}

struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

} // namespace platform
