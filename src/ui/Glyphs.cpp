#include "ui/Glyphs.h"

#include <QPainter>
#include <QPolygon>

namespace glyphs {

namespace {

QImage blank()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    return image;
}

} // namespace

QImage doubleChevron(bool pointingLeft)
{
    QImage image = blank();
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x3A, 0x68));
    for (int x0 : {2, 8}) {
        // A solid chevron 6 pixels wide, 10 high, pointing right; mirrored for left.
        QPolygon chevron({QPoint(x0, 3), QPoint(x0 + 3, 3), QPoint(x0 + 7, 8), QPoint(x0 + 3, 13), QPoint(x0, 13),
                          QPoint(x0 + 4, 8)});
        if (pointingLeft) {
            for (QPoint& pt : chevron)
                pt.setX(16 - pt.x());
        }
        p.drawPolygon(chevron);
    }
    return image;
}

QImage checkMark()
{
    QImage image = blank();
    QPainter p(&image);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 13, 13);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x10, 0x9A, 0x28), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(3.5, 8.0), QPointF(6.5, 11.0), QPointF(12.5, 4.0)}));
    return image;
}

} // namespace glyphs
