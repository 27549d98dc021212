#include "platform/gui/Shape.h"

#include <QPainter>

namespace platform {

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::setPen(const QPen& pen)
{
    pen_ = pen;
    update();
}

void TShape::setBrush(const QBrush& brush)
{
    brush_ = brush;
    update();
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = std::max(1, pen_.width());
    // Keep the whole outline inside the control, as a pen of width w needs w pixels.
    const QRect r = rect().adjusted(w / 2, w / 2, -(w - w / 2), -(w - w / 2));
    painter.setPen(pen_);
    painter.setBrush(brush_);
    painter.drawRect(r);
}

} // namespace platform
