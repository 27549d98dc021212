#include "util/TmyGraph.h"

#include "platform/Numbers.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/JpegImage.h"
#include "platform/gui/PictureControl.h"

#include <QFileInfo>

namespace {

// Clears the control to bg and draws the picture shrunk to fit (never enlarged), centred.
template <class Picture>
void drawThumbnail(const Picture& source, platform::TImage& DoImage, platform::TColor bg)
{
    double w = source.Width();
    double h = source.Height();
    const double ratio = static_cast<double>(platform::floatDiv(w, h));
    if (DoImage.Width() < w) {
        w = DoImage.Width();
        h = static_cast<double>(platform::floatDiv(w, ratio));
    }
    if (DoImage.Height() < h) {
        h = DoImage.Height();
        w = h * ratio;
    }
    const auto tw = static_cast<std::int32_t>(platform::Trunc(w));
    const auto th = static_cast<std::int32_t>(platform::Trunc(h));
    const std::int32_t x = (DoImage.Width() - tw) / 2;
    const std::int32_t y = (DoImage.Height() - th) / 2;

    platform::TCanvas& canvas = DoImage.Canvas();
    canvas.Brush.Color = bg;
    canvas.Brush.Style = platform::TBrushStyle::bsSolid;
    canvas.FillRect(canvas.ClipRect());
    canvas.StretchDraw(platform::Rect(x, y, x + tw, y + th), source);
}

} // namespace

void TmyGraph::GrayScale(platform::TBitmap& Bitmap)
{
    Bitmap.SetPixelFormat(platform::TPixelFormat::pf24bit);
    for (std::int32_t y = 0; y < Bitmap.Height(); ++y) {
        std::uint8_t* pixel = Bitmap.ScanLine(y);
        for (std::int32_t x = 0; x < Bitmap.Width(); ++x, pixel += 3) {
            const unsigned b = pixel[0], g = pixel[1], r = pixel[2];
            const auto grey = static_cast<std::uint8_t>((77 * r + 150 * g + 29 * b) >> 8);
            pixel[0] = pixel[1] = pixel[2] = grey;
        }
    }
}

void TmyGraph::miniaturka(const platform::TJPEGImage& Zjpg, platform::TImage& DoImage, TColor bg)
{
    drawThumbnail(Zjpg, DoImage, bg);
}

void TmyGraph::miniaturkabmp(const platform::TBitmap& Zbmp, platform::TImage& DoImage, TColor bg)
{
    drawThumbnail(Zbmp, DoImage, bg);
}

bool TmyGraph::FileExistAndGraph(const QString& path)
{
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo info(native);
    if (!info.isFile())
        return false;
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    QString extension = name.mid(dot);
    for (QChar& c : extension) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return extension == u".JPG" || extension == u".JPEG" || extension == u".BMP";
}
