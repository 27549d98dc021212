#pragma once

#include "platform/gui/Canvas.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

namespace platform {

enum class TPixelFormat {
    pf24bit, // rows of blue, green, red bytes
    pf32bit,
};

// An off-screen picture with a canvas of its own. A new area is white.
class TBitmap {
public:
    TBitmap();
    ~TBitmap();
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    std::int32_t Width() const { return image_.width(); }
    std::int32_t Height() const { return image_.height(); }
    // Negative sizes count as 0. Raises EInvalidGraphic when the picture cannot be made.
    void SetWidth(std::int32_t width) { SetSize(width, Height()); }
    void SetHeight(std::int32_t height) { SetSize(Width(), height); }
    void SetSize(std::int32_t width, std::int32_t height);

    TPixelFormat PixelFormat() const { return format_; }
    // Converts the content.
    void SetPixelFormat(TPixelFormat format);

    // The bytes of row y, 0 being the top row. Raises EInvalidGraphic for a row outside the picture.
    std::uint8_t* ScanLine(std::int32_t y);

    TCanvas& Canvas() { return *canvas_; }
    const QImage& image() const { return image_; }

    // Reads a BMP file. Raises EInvalidGraphic when the file is not one; the bitmap is then unchanged.
    void LoadFromFile(const QString& path);
    // Replaces the content with a copy of picture, in this bitmap's pixel format.
    void Assign(const QImage& picture);

private:
    QImage image_;
    TPixelFormat format_ = TPixelFormat::pf32bit;
    std::unique_ptr<TCanvas> canvas_;
};

} // namespace platform
