#include "platform/gui/Bitmap.h"

#include "platform/Errors.h"
#include "platform/gui/ImageFile.h"

#include <QPainter>
#include <algorithm>

namespace platform {

namespace {

QImage::Format qtFormat(TPixelFormat format)
{
    return format == TPixelFormat::pf24bit ? QImage::Format_BGR888 : QImage::Format_RGB32;
}

} // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<TCanvas>(image_)) {}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(std::int32_t width, std::int32_t height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height())
        return;
    if (width == 0 || height == 0) {
        image_ = QImage();
        return;
    }
    QImage resized(width, height, qtFormat(format_));
    if (resized.isNull())
        throw EInvalidGraphic(QStringLiteral("Nie można utworzyć obrazu %1 x %2").arg(width).arg(height));
    resized.fill(Qt::white);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    format_ = format;
    if (!image_.isNull())
        image_.convertTo(qtFormat(format));
}

std::uint8_t* TBitmap::ScanLine(std::int32_t y)
{
    if (y < 0 || y >= Height())
        throw EInvalidGraphic(QStringLiteral("Numer wiersza obrazu poza zakresem: %1").arg(y));
    return image_.scanLine(y);
}

void TBitmap::LoadFromFile(const QString& path)
{
    const QImage picture = readImageFile(path, "bmp", QStringLiteral("BMP"));
    format_ = picture.hasAlphaChannel() || picture.depth() == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    Assign(picture);
}

void TBitmap::Assign(const QImage& picture)
{
    image_ = picture.isNull() ? QImage() : picture.convertToFormat(qtFormat(format_));
}

} // namespace platform
