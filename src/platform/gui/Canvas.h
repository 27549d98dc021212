#pragma once

#include "platform/gui/Color.h"
#include "platform/gui/Rect.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>
#include <span>

namespace platform {

class TBitmap;
class TJPEGImage;

enum class TBrushStyle { bsSolid, bsClear };

// Transparent text draws only the glyphs; opaque text first fills its cell with the brush.
enum class TTextBackground { Opaque, Transparent };

struct TPen {
    TColor Color = clBlack;
    std::int32_t Width = 1; // values below 1 draw as 1
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
};

struct TFont {
    QString Name = QStringLiteral("Arial");
    std::int32_t Size = 8; // points
    TColor Color = clBlack;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    // Sized in pixels as Windows does at 96 DPI, so the text never depends on the screen.
    QFont toQFont() const;
};

// Drawing on an image with the pixel rules of the original platform: aliased, integer
// coordinates, right and bottom edges excluded, lines without their end point.
// Everything outside the image is clipped.
class TCanvas {
public:
    // The canvas draws on target, which must outlive it.
    explicit TCanvas(QImage& target);
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TTextBackground TextBackground = TTextBackground::Opaque;

    // The logical point that lands on the image's top-left pixel; (0, 0) unless set.
    void SetOrigin(std::int32_t x, std::int32_t y);
    // The image's area in logical coordinates.
    TRect ClipRect() const;

    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

    void MoveTo(std::int32_t x, std::int32_t y);
    void LineTo(std::int32_t x, std::int32_t y);
    TPoint PenPos() const { return penPos_; }
    void Polyline(std::span<const TPoint> points);

    // 0xFFFFFFFF for a point outside the image.
    TColor Pixels(std::int32_t x, std::int32_t y) const;
    void SetPixels(std::int32_t x, std::int32_t y, TColor color);

    void TextOut(std::int32_t x, std::int32_t y, const QString& text);
    std::int32_t TextHeight(const QString& text) const;
    std::int32_t TextWidth(const QString& text) const;

    // Copies the picture into r, scaled to its size (pixel for pixel when the sizes match).
    void StretchDraw(const TRect& r, const QImage& picture);
    void StretchDraw(const TRect& r, const TBitmap& picture);
    void StretchDraw(const TRect& r, const TJPEGImage& picture);

    // Called after every operation that may have changed pixels.
    void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

private:
    void changed() const;
    void fillDeviceRect(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, QRgb rgb);
    void drawSegment(TPoint from, TPoint to, QRgb rgb, std::int32_t width);
    std::int64_t deviceX(std::int32_t x) const { return std::int64_t{x} - originX_; }
    std::int64_t deviceY(std::int32_t y) const { return std::int64_t{y} - originY_; }
    std::int32_t penWidth() const { return Pen.Width < 1 ? 1 : Pen.Width; }

    QImage& image_;
    std::int32_t originX_ = 0;
    std::int32_t originY_ = 0;
    TPoint penPos_;
    std::function<void()> onChange_;
};

} // namespace platform
