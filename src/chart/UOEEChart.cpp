#include "chart/UOEEChart.h"

#include "platform/Errors.h"
#include "platform/NumberFormat.h"
#include "platform/Numbers.h"
#include "platform/gui/Canvas.h"

#include <algorithm>

using platform::add32;
using platform::TColor;

namespace {

constexpr TColor orderedTop = 0x00B2B2; // Darker(yellow, 30)
constexpr TColor tagTop = 0x00E5E5; // Darker(yellow, 10)

float atMost100(float v)
{
    return v > 100 ? 100 : v;
}

// Length of the row below one of `length` pixels that keeps `percent` of it.
std::int32_t keptLength(std::int32_t length, float percent)
{
    return platform::Round32(static_cast<platform::extended>(length) / 100 * percent);
}

void withTransparentText(platform::TCanvas& cv, std::int32_t x, std::int32_t y, const QString& text)
{
    cv.TextBackground = platform::TTextBackground::Transparent;
    cv.TextOut(x, y, text);
    cv.TextBackground = platform::TTextBackground::Opaque;
}

} // namespace

void TOEEChart::SetValues(float aCop, float aDostepnosc, float aWykorzystanie, float aJakosc, float aOEE)
{
    COP = atMost100(aCop);
    Dostepnosc = atMost100(aDostepnosc);
    Wykorzystanie = atMost100(aWykorzystanie);
    Jakosc = atMost100(aJakosc);
    oee = atMost100(aOEE);
}

void TOEEChart::SetFont(platform::TCanvas& cv, std::int32_t size, TColor color, bool bold)
{
    cv.Font.Name = QStringLiteral("arial");
    cv.Font.Color = color;
    cv.Font.Size = size;
    cv.Font.Bold = bold;
}

void TOEEChart::DrawBox(platform::TCanvas& cv, std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, TColor colFrom, TColor colTo, TColor frameColor, bool framed,
                        TGradientStyle style)
{
    if (left == 0 || top == 0 || right == 0 || bottom == 0 || left > right || top > bottom)
        return;
    const platform::TRect r{left, top, right, bottom};
    try {
        TmyGraph::Gradient(cv, r, colFrom, colTo, style);
    } catch (const platform::Error&) {
        // A bar of zero height has no gradient; its frame is still drawn.
    }
    if (framed) {
        cv.Brush.Color = frameColor;
        cv.FrameRect(r);
        cv.Brush.Color = platform::clWhite;
    }
}

void TOEEChart::DrawBar(std::int32_t percent, platform::TCanvas& cv, std::int32_t x, std::int32_t y,
                        std::int32_t height, std::int32_t length, TColor fillColor, TColor backColor)
{
    percent = std::clamp(percent, 0, 100);
    const std::int32_t bottom = add32(y, height);
    DrawBox(cv, x, y, add32(x, length), bottom, TmyGraph::Darker(backColor, 30), backColor, platform::clBlack, true,
            TGradientStyle::gsHorizontal1);
    if (percent != 0) {
        const std::int32_t filled = platform::Round32(platform::mul32(length, percent) / platform::extended{100});
        DrawBox(cv, x, y, add32(x, filled), bottom, TmyGraph::Darker(fillColor, 30), fillColor, platform::clBlack,
                true, TGradientStyle::gsHorizontal1);
    }
}

void TOEEChart::DrawTag(platform::TCanvas& cv, std::int32_t x, std::int32_t y, std::int32_t height, int kind) const
{
    SetFont(cv, 9, platform::clBlack, false);

    struct TagText {
        const char16_t* full;
        const char16_t* brief;
    };
    static constexpr TagText patterns[] = {
        {u"Czas Zamówiony: 100%", u"Z:100%"},
        {u"Czas Operacyjny: #0.00%", u"O:#0.0%"},
        {u"DOSTĘPNOŚĆ: #0.00%", u"D:#0.0%"},
        {u"WYKORZYSTANIE: #0.00%", u"W:#0.0%"},
        {u"JAKOŚĆ: #0.00%", u"J:#0.0%"},
    };
    const float values[] = {0, COP, Dostepnosc, Wykorzystanie, Jakosc};
    const auto pattern = QString::fromUtf16(full_name ? patterns[kind].full : patterns[kind].brief);
    const QString text = kind == 0 ? pattern : platform::FormatFloat(pattern, values[kind]);
    const std::int32_t w = full_name ? 160 : 65;

    cv.Pen.Color = platform::clBlack;
    const std::int32_t mid = add32(y, height / 2);
    cv.MoveTo(x, mid);
    cv.LineTo(add32(x, 50), mid);

    TmyGraph::GradientXY(cv, add32(x, 5), y, add32(x, w), add32(y, height), tagTop, platform::clYellow,
                         TGradientStyle::gsHorizontal1);

    withTransparentText(cv, add32(x, 9), add32(y, platform::sub32(height, cv.TextHeight(text)) / 2), text);
}

void TOEEChart::DrawOEE(platform::TCanvas& cv, std::int32_t aX, std::int32_t aY) const
{
    std::int32_t y = aY;
    std::int32_t l1 = bar_width;
    if (use_cop) {
        DrawBox(cv, aX, y, add32(aX, bar_width), add32(aY, bar_cz_height), orderedTop, platform::clYellow,
                platform::clBlack, true, TGradientStyle::gsHorizontal1);
        DrawTag(cv, add32(aX, bar_width), y, cop_bar_height, 0);
        SetFont(cv, 8, platform::clBlack, false);
        withTransparentText(cv, add32(aX, 4), add32(y, 2), z_label);
        y = add32(y, add32(bar_cz_height, bar_o));

        DrawBar(platform::Round32(COP), cv, aX, y, bar_height, bar_width, platform::clLime, platform::clSilver);
        DrawTag(cv, add32(aX, bar_width), y, bar_height, 1);
        y = add32(y, add32(bar_height, bar_o));
        l1 = keptLength(bar_width, COP);
    } else {
        l1 = keptLength(bar_width, 100);
    }
    l1 = std::min(l1, bar_width);

    DrawBar(platform::Round32(Dostepnosc), cv, aX, y, bar_height, l1, platform::clLime, platform::clRed);
    DrawTag(cv, add32(aX, l1), y, bar_height, 2);
    y = add32(y, add32(bar_height, bar_o));

    const std::int32_t l2 = keptLength(l1, Dostepnosc);
    DrawBar(platform::Round32(Wykorzystanie), cv, aX, y, bar_height, l2, platform::clLime, platform::clRed);
    DrawTag(cv, add32(aX, l2), y, bar_height, 3);
    y = add32(y, add32(bar_height, bar_o));

    const std::int32_t l3 = keptLength(l2, Wykorzystanie);
    DrawBar(platform::Round32(Jakosc), cv, aX, y, bar_height, l3, platform::clLime, platform::clRed);
    DrawTag(cv, add32(aX, l3), y, bar_height, 4);

    if (draw_oee_label) {
        SetFont(cv, oee_font_size, oee_font_color, true);
        cv.TextOut(add32(aX, oee_left), add32(y, bar_height), QStringLiteral("OEE: ") + platform::FormatFloat(QStringLiteral("#0.00%"), oee));
    }
}
