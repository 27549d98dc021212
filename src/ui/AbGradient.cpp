#include "ui/AbGradient.h"

#include "platform/Errors.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

#include <QPainter>

TAbGradient::TAbGradient(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TAbGradient::setColors(platform::TColor from, platform::TColor to)
{
    from_ = from;
    to_ = to;
    update();
}

void TAbGradient::setStyle(TGradientStyle style)
{
    style_ = style;
    update();
}

void TAbGradient::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    platform::TBitmap picture;
    picture.SetSize(width(), height());
    try {
        TmyGraph::Gradient(picture.Canvas(), {0, 0, width(), height()}, from_, to_, style_);
    } catch (const platform::Error&) {
        return; // a size the style cannot divide: leave the panel unpainted
    }
    QPainter(this).drawImage(0, 0, picture.image());
}
