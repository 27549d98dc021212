#include "platform/gui/XiButton.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace platform {

TXiButtonColors xiButtonColors(TColorScheme scheme)
{
    switch (scheme) {
    case TColorScheme::csNeoDesert:
        return {QColor(0xFF, 0xF8, 0xE4), QColor(0xE6, 0xCB, 0x8C), QColor(0xFF, 0xFC, 0xF2),
                QColor(0xF2, 0xDA, 0xA0), QColor(0xD9, 0xB8, 0x6C), QColor(0xF5, 0xE4, 0xB8),
                QColor(0x9C, 0x7C, 0x38), QColor(0x4A, 0x36, 0x0C)};
    case TColorScheme::csNeoRose:
        return {QColor(0xFF, 0xF0, 0xF3), QColor(0xEE, 0xAE, 0xBD), QColor(0xFF, 0xF7, 0xF9),
                QColor(0xF6, 0xC3, 0xCF), QColor(0xE0, 0x8E, 0xA1), QColor(0xF8, 0xD2, 0xDB),
                QColor(0xA8, 0x4A, 0x62), QColor(0x5C, 0x12, 0x24)};
    case TColorScheme::csNeoSky:
        break;
    }
    return {QColor(0xF3, 0xF9, 0xFF), QColor(0xB4, 0xD6, 0xF5), QColor(0xFF, 0xFF, 0xFF),
            QColor(0xCC, 0xE6, 0xFF), QColor(0x93, 0xC2, 0xEC), QColor(0xD6, 0xEA, 0xFB),
            QColor(0x4F, 0x83, 0xB5), QColor(0x0E, 0x2F, 0x52)};
}

TXiButton::TXiButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

void TXiButton::setColorScheme(TColorScheme scheme)
{
    scheme_ = scheme;
    update();
}

void TXiButton::setGlyph(const QImage& glyph, const QColor& transparent)
{
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent.rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    glyph_ = image;
    updateGeometry();
    update();
}

void TXiButton::setGlyphLayout(TButtonLayout layout)
{
    layout_ = layout;
    update();
}

void TXiButton::setSpacing(int pixels)
{
    spacing_ = std::max(0, pixels);
    updateGeometry();
    update();
}

void TXiButton::setHotTrack(bool on)
{
    hotTrack_ = on;
    update();
}

void TXiButton::setDrawFocusRect(bool on)
{
    drrect_ = on;
    update();
}

int TXiButton::contentWidth() const
{
    const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text());
    if (glyph_.isNull())
        return textWidth;
    return glyph_.width() + (textWidth > 0 ? spacing_ + textWidth : 0);
}

QRect TXiButton::glyphRect() const
{
    if (glyph_.isNull())
        return {};
    const int left = (width() - contentWidth()) / 2;
    const int x = layout_ == TButtonLayout::blGlyphLeft ? left : left + contentWidth() - glyph_.width();
    return QRect(x, (height() - glyph_.height()) / 2, glyph_.width(), glyph_.height());
}

QRect TXiButton::captionRect() const
{
    const int textWidth = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text());
    int x = (width() - contentWidth()) / 2;
    if (!glyph_.isNull() && layout_ == TButtonLayout::blGlyphLeft)
        x += glyph_.width() + spacing_;
    return QRect(x, 0, textWidth, height());
}

QSize TXiButton::sizeHint() const
{
    const int textHeight = fontMetrics().height();
    const int h = std::max(textHeight, glyph_.isNull() ? 0 : glyph_.height()) + 8;
    return QSize(contentWidth() + 16, h);
}

void TXiButton::paintEvent(QPaintEvent*)
{
    const TXiButtonColors c = xiButtonColors(scheme_);
    const bool down = isDown() || isChecked();
    const bool hot = hot_ && hotTrack_ && isEnabled();
    QColor top = down ? c.downTop : hot ? c.hotTop : c.faceTop;
    QColor bottom = down ? c.downBottom : hot ? c.hotBottom : c.faceBottom;
    QColor border = c.border;
    QColor textColor = c.text;
    if (!isEnabled()) {
        top = QColor(0xF4, 0xF4, 0xF4);
        bottom = QColor(0xDC, 0xDC, 0xDC);
        border = QColor(0xA8, 0xA8, 0xA8);
        textColor = QColor(0x90, 0x90, 0x90);
    }

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outer, 3, 3);

    // A glossy face: the upper half a little lighter than the lower one.
    QLinearGradient face(0, 0, 0, height());
    face.setColorAt(0, top);
    face.setColorAt(0.49, down ? top : top.darker(104));
    face.setColorAt(0.5, down ? bottom.lighter(104) : bottom.lighter(106));
    face.setColorAt(1, bottom);
    painter.fillPath(shape, face);
    painter.setPen(QPen(border, 1));
    painter.drawPath(shape);
    painter.setRenderHint(QPainter::Antialiasing, false);

    const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
    if (!glyph_.isNull())
        painter.drawImage(glyphRect().topLeft() + shift, glyph_);
    if (!text().isEmpty()) {
        painter.setPen(textColor);
        painter.setFont(font());
        painter.drawText(captionRect().translated(shift), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         text());
    }
    if (drrect_ && hasFocus()) {
        painter.setPen(QPen(textColor, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void TXiButton::setPopUpGo(bool on)
{
    popUpGo_ = on;
    setFocusPolicy(on ? Qt::TabFocus : Qt::StrongFocus);
}

void TXiButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && popUpGo_ && menu_) {
        event->accept();
        menu_->popup(event->globalPosition().toPoint());
        return;
    }
    QAbstractButton::mousePressEvent(event);
}

void TXiButton::enterEvent(QEnterEvent* event)
{
    hot_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TXiButton::leaveEvent(QEvent* event)
{
    hot_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace platform
