#include "util/TmyGraph.h"

#include "platform/Numbers.h"
#include "platform/Random.h"

#include <array>

using platform::TColor;

namespace {

// Channels are eight bits wide and wrap, as the original's byte arithmetic does.
std::uint8_t byte(std::int32_t v)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) & 0xFF);
}

template <class Shift>
TColor shiftChannels(TColor color, Shift shift)
{
    const TColor c = platform::ColorToRGB(color);
    return platform::RGB(shift(platform::GetRValue(c)), shift(platform::GetGValue(c)), shift(platform::GetBValue(c)));
}

} // namespace

TColor TmyGraph::Darker(TColor Color, std::uint8_t Percent)
{
    return shiftChannels(Color, [Percent](std::uint8_t x) { return byte(x - platform::MulDiv(x, Percent, 100)); });
}

TColor TmyGraph::Lighter(TColor Color, std::uint8_t Percent)
{
    return shiftChannels(Color,
                         [Percent](std::uint8_t x) { return byte(x + platform::MulDiv(255 - x, Percent, 100)); });
}

TColor TmyGraph::randomcolor()
{
    static constexpr std::array<TColor, 6> colours = {platform::clLime,  platform::clRed,  platform::clBlue,
                                                       platform::clGreen, platform::clTeal, platform::clSilver};
    return colours[static_cast<std::size_t>(platform::Random(6))];
}
