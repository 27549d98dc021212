#include "platform/gui/Canvas.h"

#include "platform/Numbers.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/JpegImage.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Coordinates are 32-bit but the products of the line stepping are not.
__extension__ typedef __int128 Wide;

constexpr TColor invalidPixel = 0xFFFFFFFF;

void fillRow(QImage& image, int y, int x0, int x1, QRgb rgb)
{
    uchar* row = image.scanLine(y);
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        std::fill(reinterpret_cast<QRgb*>(row) + x0, reinterpret_cast<QRgb*>(row) + x1, 0xFF000000u | rgb);
        break;
    case QImage::Format_BGR888:
        for (uchar* p = row + 3 * x0; p != row + 3 * x1; p += 3) {
            p[0] = static_cast<uchar>(qBlue(rgb));
            p[1] = static_cast<uchar>(qGreen(rgb));
            p[2] = static_cast<uchar>(qRed(rgb));
        }
        break;
    case QImage::Format_RGB888:
        for (uchar* p = row + 3 * x0; p != row + 3 * x1; p += 3) {
            p[0] = static_cast<uchar>(qRed(rgb));
            p[1] = static_cast<uchar>(qGreen(rgb));
            p[2] = static_cast<uchar>(qBlue(rgb));
        }
        break;
    default:
        for (int x = x0; x < x1; ++x)
            image.setPixelColor(x, y, QColor(rgb));
        break;
    }
}

// The first covered column of row i of an ellipse inscribed in a w x h box, or w when
// the row has no pixel. A pixel is covered when its centre lies inside or on the ellipse.
std::int64_t ellipseGap(std::int64_t i, std::int64_t w, std::int64_t h)
{
    if (i < 0 || i >= h)
        return w;
    const long double a = static_cast<long double>(w) / 2;
    const long double b = static_cast<long double>(h) / 2;
    const long double u = std::fabs(static_cast<long double>(i) + 0.5L - b) / b;
    if (u > 1)
        return w;
    const long double half = a * std::sqrt(1 - u * u);
    auto j = static_cast<std::int64_t>(std::ceil(a - half - 0.5L));
    j = std::max<std::int64_t>(j, 0);
    return 2 * j > w - 1 ? w : j;
}

} // namespace

QFont TFont::toQFont() const
{
    QFont font(Name);
    font.setPixelSize(std::max(1, MulDiv(Size, 96, 72)));
    font.setBold(Bold);
    font.setItalic(Italic);
    font.setUnderline(Underline);
    font.setStrikeOut(StrikeOut);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

TCanvas::TCanvas(QImage& target) : image_(target) {}

void TCanvas::changed() const
{
    if (onChange_)
        onChange_();
}

void TCanvas::SetOrigin(std::int32_t x, std::int32_t y)
{
    originX_ = x;
    originY_ = y;
}

TRect TCanvas::ClipRect() const
{
    return TRect{originX_, originY_, saturate32(std::int64_t{originX_} + image_.width()),
                 saturate32(std::int64_t{originY_} + image_.height())};
}

void TCanvas::fillDeviceRect(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, QRgb rgb)
{
    x0 = std::max<std::int64_t>(x0, 0);
    y0 = std::max<std::int64_t>(y0, 0);
    x1 = std::min<std::int64_t>(x1, image_.width());
    y1 = std::min<std::int64_t>(y1, image_.height());
    if (x0 >= x1 || y0 >= y1)
        return;
    for (auto y = y0; y < y1; ++y)
        fillRow(image_, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), rgb);
}

void TCanvas::FillRect(const TRect& r)
{
    if (Brush.Style == TBrushStyle::bsClear)
        return;
    fillDeviceRect(deviceX(r.Left), deviceY(r.Top), deviceX(r.Right), deviceY(r.Bottom), toQRgb(Brush.Color));
    changed();
}

void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty() || Brush.Style == TBrushStyle::bsClear)
        return;
    const QRgb rgb = toQRgb(Brush.Color);
    const auto l = deviceX(r.Left), t = deviceY(r.Top), rr = deviceX(r.Right), b = deviceY(r.Bottom);
    fillDeviceRect(l, t, rr, t + 1, rgb);
    fillDeviceRect(l, b - 1, rr, b, rgb);
    fillDeviceRect(l, t, l + 1, b, rgb);
    fillDeviceRect(rr - 1, t, rr, b, rgb);
    changed();
}

void TCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    auto l = deviceX(std::min(x1, x2)), t = deviceY(std::min(y1, y2));
    auto r = deviceX(std::max(x1, x2)), b = deviceY(std::max(y1, y2));
    if (l == r || t == b)
        return;
    const std::int64_t w = penWidth();
    if (Brush.Style == TBrushStyle::bsSolid)
        fillDeviceRect(l + w, t + w, r - w, b - w, toQRgb(Brush.Color));
    const QRgb pen = toQRgb(Pen.Color);
    fillDeviceRect(l, t, r, std::min(t + w, b), pen);
    fillDeviceRect(l, std::max(b - w, t), r, b, pen);
    fillDeviceRect(l, t, std::min(l + w, r), b, pen);
    fillDeviceRect(std::max(r - w, l), t, r, b, pen);
    changed();
}

void TCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const auto l = deviceX(std::min(x1, x2)), t = deviceY(std::min(y1, y2));
    const auto w = std::int64_t{std::max(x1, x2)} - std::min(x1, x2);
    const auto h = std::int64_t{std::max(y1, y2)} - std::min(y1, y2);
    if (w == 0 || h == 0)
        return;
    const std::int64_t pw = penWidth();
    const QRgb pen = toQRgb(Pen.Color);
    const QRgb brush = toQRgb(Brush.Color);
    const bool fill = Brush.Style == TBrushStyle::bsSolid;
    const auto first = std::max<std::int64_t>(0, -t), last = std::min<std::int64_t>(h, image_.height() - t);
    for (auto i = first; i < last; ++i) {
        const auto gap = ellipseGap(i, w, h);
        if (gap == w)
            continue;
        // A pixel is inside the outline when the pen's width of neighbours on every side is covered too.
        auto inner = gap + pw;
        for (std::int64_t k = 1; k <= pw; ++k)
            inner = std::max({inner, ellipseGap(i - k, w, h), ellipseGap(i + k, w, h)});
        const auto y = t + i;
        if (2 * inner > w - 1) {
            fillDeviceRect(l + gap, y, l + w - gap, y + 1, pen);
            continue;
        }
        fillDeviceRect(l + gap, y, l + inner, y + 1, pen);
        fillDeviceRect(l + w - inner, y, l + w - gap, y + 1, pen);
        if (fill)
            fillDeviceRect(l + inner, y, l + w - inner, y + 1, brush);
    }
    changed();
}

void TCanvas::drawSegment(TPoint from, TPoint to, QRgb rgb, std::int32_t width)
{
    const std::int64_t x0 = deviceX(from.X), y0 = deviceY(from.Y);
    const std::int64_t dx = std::int64_t{to.X} - from.X, dy = std::int64_t{to.Y} - from.Y;
    if (dx == 0 && dy == 0)
        return;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const std::int64_t steps = xMajor ? std::abs(dx) : std::abs(dy);
    const std::int64_t minorSpan = xMajor ? std::abs(dy) : std::abs(dx);
    const std::int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const std::int64_t major0 = xMajor ? x0 : y0, minor0 = xMajor ? y0 : x0;
    const std::int64_t majorLimit = xMajor ? image_.width() : image_.height();
    const std::int64_t minorLimit = xMajor ? image_.height() : image_.width();
    // A pen wider than one pixel stamps a square centred on each pixel of the line.
    const std::int64_t before = (width - 1) / 2, after = width / 2;

    // Only the steps whose stamp can touch the image are visited.
    std::int64_t kFirst = 0, kLast = steps - 1;
    if (majorStep > 0) {
        kFirst = std::max(kFirst, -after - major0);
        kLast = std::min(kLast, majorLimit - 1 + before - major0);
    } else {
        kFirst = std::max(kFirst, major0 - (majorLimit - 1 + before));
        kLast = std::min(kLast, major0 + after);
    }
    for (auto k = kFirst; k <= kLast; ++k) {
        const auto offset = static_cast<std::int64_t>((Wide{2} * k * minorSpan + steps) / (Wide{2} * steps));
        const std::int64_t major = major0 + majorStep * k;
        const std::int64_t minor = minor0 + minorStep * offset;
        if (minor + after < 0 || minor - before >= minorLimit)
            continue;
        const std::int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
        fillDeviceRect(x - before, y - before, x + after + 1, y + after + 1, rgb);
    }
}

void TCanvas::MoveTo(std::int32_t x, std::int32_t y)
{
    penPos_ = TPoint{x, y};
}

void TCanvas::LineTo(std::int32_t x, std::int32_t y)
{
    drawSegment(penPos_, TPoint{x, y}, toQRgb(Pen.Color), penWidth());
    penPos_ = TPoint{x, y};
    changed();
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    const QRgb rgb = toQRgb(Pen.Color);
    for (std::size_t i = 1; i < points.size(); ++i)
        drawSegment(points[i - 1], points[i], rgb, penWidth());
    changed();
}

TColor TCanvas::Pixels(std::int32_t x, std::int32_t y) const
{
    const auto dx = deviceX(x), dy = deviceY(y);
    if (dx < 0 || dy < 0 || dx >= image_.width() || dy >= image_.height())
        return invalidPixel;
    return fromQRgb(image_.pixel(static_cast<int>(dx), static_cast<int>(dy)));
}

void TCanvas::SetPixels(std::int32_t x, std::int32_t y, TColor color)
{
    fillDeviceRect(deviceX(x), deviceY(y), deviceX(x) + 1, deviceY(y) + 1, toQRgb(color));
    changed();
}

std::int32_t TCanvas::TextHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetrics(Font.toQFont()).height();
}

std::int32_t TCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(Font.toQFont()).horizontalAdvance(text);
}

void TCanvas::TextOut(std::int32_t x, std::int32_t y, const QString& text)
{
    const QFont font = Font.toQFont();
    const QFontMetrics metrics(font);
    const std::int64_t width = metrics.horizontalAdvance(text), height = metrics.height();
    const std::int64_t dx = deviceX(x), dy = deviceY(y);
    // Glyphs may overhang their cell a little; beyond that margin nothing can be visible.
    const std::int64_t margin = font.pixelSize() + 2;
    if (!image_.isNull() && dx - margin < image_.width() && dx + width + margin > 0 &&
        dy - margin < image_.height() && dy + height + margin > 0) {
        if (TextBackground == TTextBackground::Opaque && Brush.Style == TBrushStyle::bsSolid)
            fillDeviceRect(dx, dy, dx + width, dy + height, toQRgb(Brush.Color));
        QPainter painter(&image_);
        painter.setFont(font);
        painter.setPen(QColor(toQRgb(Font.Color)));
        painter.drawText(QPoint(static_cast<int>(dx), static_cast<int>(dy + metrics.ascent())), text);
    }
    penPos_ = TPoint{wrap32(std::int64_t{x} + width), y};
    changed();
}

void TCanvas::StretchDraw(const TRect& r, const QImage& picture)
{
    if (picture.isNull() || image_.isNull() || r.IsEmpty())
        return;
    const std::int64_t l = deviceX(r.Left), t = deviceY(r.Top), w = r.Width(), h = r.Height();
    const std::int64_t vl = std::max<std::int64_t>(l, 0), vt = std::max<std::int64_t>(t, 0);
    const std::int64_t vr = std::min<std::int64_t>(l + w, image_.width());
    const std::int64_t vb = std::min<std::int64_t>(t + h, image_.height());
    if (vl >= vr || vt >= vb)
        return;
    const QRect visible(static_cast<int>(vl), static_cast<int>(vt), static_cast<int>(vr - vl), static_cast<int>(vb - vt));
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (w == picture.width() && h == picture.height()) {
        painter.drawImage(visible.topLeft(), picture, visible.translated(static_cast<int>(-l), static_cast<int>(-t)));
    } else if (w <= (std::int64_t{1} << 24) / h) {
        // Scaled as a whole with filtering, so that a thumbnail keeps its detail.
        const QImage scaled = picture.scaled(static_cast<int>(w), static_cast<int>(h), Qt::IgnoreAspectRatio,
                                             Qt::SmoothTransformation);
        painter.drawImage(visible.topLeft(), scaled, visible.translated(static_cast<int>(-l), static_cast<int>(-t)));
    } else {
        // Too large to scale as a whole: each visible pixel takes the nearest source pixel.
        const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
        QImage part(visible.size(), QImage::Format_ARGB32);
        auto sourceIndex = [](std::int64_t offset, std::int64_t extent, int size) {
            const long double at = (static_cast<long double>(offset) + 0.5L) * size / static_cast<long double>(extent);
            return static_cast<int>(std::min<long double>(at, size - 1));
        };
        for (int y = 0; y < part.height(); ++y) {
            const int sy = sourceIndex(vt - t + y, h, source.height());
            for (int x = 0; x < part.width(); ++x)
                part.setPixel(x, y, source.pixel(sourceIndex(vl - l + x, w, source.width()), sy));
        }
        painter.drawImage(visible.topLeft(), part);
    }
    painter.end();
    changed();
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap& picture)
{
    StretchDraw(r, picture.image());
}

void TCanvas::StretchDraw(const TRect& r, const TJPEGImage& picture)
{
    StretchDraw(r, picture.image());
}

} // namespace platform
