#include "platform/gui/HTMLabel.h"

#include <QEvent>
#include <QPainter>

namespace platform {

THTMLabel::THTMLabel(QWidget* parent) : LinkWidget(parent)
{
    relayout();
}

void THTMLabel::setHtmlText(const QString& markup)
{
    text_ = markup;
    relayout();
}

void THTMLabel::setLineSpacing(int pixels)
{
    lineSpacing_ = pixels;
    relayout();
}

void THTMLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    relayout();
}

void THTMLabel::setUrlColor(const QColor& color)
{
    urlColor_ = color;
    relayout();
}

void THTMLabel::relayout()
{
    layout_ = markup::layOut(text_, {font(), palette().color(QPalette::WindowText), urlColor_, lineSpacing_});
    if (autoSize_)
        resize(layout_.size);
    updateGeometry();
    update();
}

QSize THTMLabel::sizeHint() const
{
    return layout_.size;
}

void THTMLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    markup::paint(painter, layout_, QPoint(0, 0));
}

QString THTMLabel::linkAt(QPoint point) const
{
    return markup::linkAt(layout_, point);
}

void THTMLabel::changeEvent(QEvent* event)
{
    LinkWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        relayout();
}

} // namespace platform
