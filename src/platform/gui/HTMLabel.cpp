#include "platform/gui/HTMLabel.h"

#include "platform/Shell.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

namespace platform {

THTMLabel::THTMLabel(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
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

void THTMLabel::mousePressEvent(QMouseEvent* event)
{
    const QString href = event->button() == Qt::LeftButton ? markup::linkAt(layout_, event->position().toPoint())
                                                           : QString();
    if (href.isEmpty()) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT linkClicked(href);
    ShellOpen(QUrl(href, QUrl::TolerantMode));
}

void THTMLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (markup::linkAt(layout_, event->position().toPoint()).isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}

void THTMLabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        relayout();
}

} // namespace platform
