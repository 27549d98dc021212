#include "platform/gui/Color.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <optional>

namespace platform {

namespace {

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The nearest palette entry for each system colour index; gaps have no colour.
std::optional<PaletteEntry> paletteEntry(unsigned index)
{
    using P = QPalette;
    static const std::array<std::optional<PaletteEntry>, 31> table = {{
        PaletteEntry{P::Active, P::Button},          // scroll bar
        PaletteEntry{P::Active, P::Dark},            // desktop background
        PaletteEntry{P::Active, P::Highlight},       // active caption
        PaletteEntry{P::Active, P::Mid},             // inactive caption
        PaletteEntry{P::Active, P::Window},          // menu
        PaletteEntry{P::Active, P::Base},            // window
        PaletteEntry{P::Active, P::Shadow},          // window frame
        PaletteEntry{P::Active, P::WindowText},      // menu text
        PaletteEntry{P::Active, P::Text},            // window text
        PaletteEntry{P::Active, P::HighlightedText}, // caption text
        PaletteEntry{P::Active, P::Window},          // active border
        PaletteEntry{P::Active, P::Window},          // inactive border
        PaletteEntry{P::Active, P::Mid},             // application work space
        PaletteEntry{P::Active, P::Highlight},       // highlight
        PaletteEntry{P::Active, P::HighlightedText}, // highlight text
        PaletteEntry{P::Active, P::Button},          // button face
        PaletteEntry{P::Active, P::Dark},            // button shadow
        PaletteEntry{P::Disabled, P::Text},          // grey text
        PaletteEntry{P::Active, P::ButtonText},      // button text
        PaletteEntry{P::Disabled, P::WindowText},    // inactive caption text
        PaletteEntry{P::Active, P::Light},           // button highlight
        PaletteEntry{P::Active, P::Shadow},          // 3D dark shadow
        PaletteEntry{P::Active, P::Midlight},        // 3D light
        PaletteEntry{P::Active, P::ToolTipText},     // info text
        PaletteEntry{P::Active, P::ToolTipBase},     // info background
        std::nullopt,
        PaletteEntry{P::Active, P::Link},            // hot light
        PaletteEntry{P::Active, P::Highlight},       // gradient active caption
        PaletteEntry{P::Active, P::Mid},             // gradient inactive caption
        PaletteEntry{P::Active, P::Highlight},       // menu highlight
        PaletteEntry{P::Active, P::Window},          // menu bar
    }};
    return index < table.size() ? table[index] : std::nullopt;
}

} // namespace

TColor ColorToRGB(TColor color)
{
    if (!isSystemColor(color))
        return color;
    const auto entry = paletteEntry(color & 0xFF);
    if (!entry)
        return clBlack;
    const QPalette palette = qGuiApp ? QGuiApplication::palette() : QPalette();
    return fromQRgb(palette.color(entry->group, entry->role).rgb());
}

QRgb toQRgb(TColor color)
{
    const TColor c = ColorToRGB(color);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

} // namespace platform
