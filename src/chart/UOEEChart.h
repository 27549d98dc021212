#pragma once

#include "platform/gui/Color.h"
#include "util/TmyGraph.h"

#include <QString>
#include <cstdint>

namespace platform {
class TCanvas;
}

// The OEE chart: a cascade of horizontal bars (ordered time, operating time,
// availability, utilisation, quality), each row as long as the useful part of the one
// above, with a value tag at the end of each row.
class TOEEChart {
public:
    using TColor = platform::TColor;

    std::int32_t bar_width = 150; // length of a bar at 100 %
    std::int32_t bar_height = 17; // rows after the first, and their tags; at least 1
    std::int32_t cop_bar_height = 17; // the ordered-time row's tag; at least 1
    std::int32_t bar_o = 2; // gap between rows
    std::int32_t bar_cz_height = 17; // the ordered-time bar
    QString z_label; // written inside the ordered-time bar
    bool draw_oee_label = true;
    TColor oee_font_color = platform::clBlue;
    std::int32_t oee_font_size = 12; // points
    std::int32_t oee_left = 100; // the OEE text's offset from the origin
    bool use_cop = true; // whether the ordered-time and operating-time rows are drawn
    bool full_name = false; // long tag texts

    // Operating time as a percentage of ordered time, availability, utilisation, quality
    // and OEE, in per cent; a value above 100 is stored as 100.
    void SetValues(float aCop, float aDostepnosc, float aWykorzystanie, float aJakosc, float aOEE);

    // Draws over whatever cv holds, with the chart's top-left corner at (aX, aY). Leaves cv
    // with a black pen, a white brush and an opaque text background.
    void DrawOEE(platform::TCanvas& cv, std::int32_t aX, std::int32_t aY) const;

private:
    static void SetFont(platform::TCanvas& cv, std::int32_t size, TColor color, bool bold);
    static void DrawBox(platform::TCanvas& cv, std::int32_t left, std::int32_t top, std::int32_t right,
                        std::int32_t bottom, TColor colFrom, TColor colTo, TColor frameColor, bool framed,
                        TGradientStyle style);
    static void DrawBar(std::int32_t percent, platform::TCanvas& cv, std::int32_t x, std::int32_t y,
                        std::int32_t height, std::int32_t length, TColor fillColor, TColor backColor);
    void DrawTag(platform::TCanvas& cv, std::int32_t x, std::int32_t y, std::int32_t height, int kind) const;

    float COP = 0;
    float Dostepnosc = 0;
    float Wykorzystanie = 0;
    float Jakosc = 0;
    float oee = 0;
};
