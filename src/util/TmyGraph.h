#pragma once

#include "platform/gui/Color.h"
#include "platform/gui/Rect.h"

#include <QString>
#include <cstdint>

namespace platform {
class TBitmap;
class TCanvas;
class TImage;
class TJPEGImage;
} // namespace platform

enum class TGradientStyle : std::uint8_t {
    gsHorizontal1,
    gsHorizontal2,
    gsHorizontal3,
    gsVertical1,
    gsVertical2,
    gsVertical3,
    gsElliptic1,
    gsElliptic2,
    gsElliptic3,
    gsRectangle,
    gsDiamond1,
    gsDiamond2,
    gsTopLeft,
    gsTopRight,
};

// Colours, gradients and images. Stateless: every operation is called without an object.
class TmyGraph {
public:
    using TColor = platform::TColor;

    // Each channel reduced by Percent per cent (MulDiv rounding); system colours are resolved first.
    static TColor Darker(TColor Color, std::uint8_t Percent);
    // Each channel moved Percent per cent of the way to 255.
    static TColor Lighter(TColor Color, std::uint8_t Percent);
    // One of lime, red, blue, green, teal and silver, drawn from the process-wide generator.
    static TColor randomcolor();

    // Paints r with a two-colour gradient, drawn off screen and copied to can in one step,
    // so can's pen, brush and font are untouched. A band size of 0 (gsHorizontal1 on a
    // rectangle of height 0, gsVertical1 of width 0) raises EDivByZero and an empty
    // rectangle in gsTopLeft or gsTopRight raises EInvalidOp, before can is touched.
    static void Gradient(platform::TCanvas& can, const platform::TRect& r, TColor ColFrom, TColor ColTo,
                         TGradientStyle Style);
    // Gradient on (x1, y1)-(x2, y2), framed in black; leaves can's brush white.
    static void GradientXY(platform::TCanvas& can, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2, TColor ColFrom, TColor ColTo, TGradientStyle Style);

    // Turns the bitmap grey in place; it is left at 24 bits per pixel.
    static void GrayScale(platform::TBitmap& Bitmap);
    // Clears DoImage to bg and draws the picture into it, shrunk to fit and centred.
    // A picture of height 0 raises the floating-point error before anything is drawn.
    static void miniaturka(const platform::TJPEGImage& Zjpg, platform::TImage& DoImage, TColor bg);
    static void miniaturkabmp(const platform::TBitmap& Zbmp, platform::TImage& DoImage, TColor bg);
    // True for an existing file (not a folder) whose extension is .jpg, .jpeg or .bmp in any case.
    static bool FileExistAndGraph(const QString& path);
};
