#include "platform/gui/LinkWidget.h"

#include "platform/Shell.h"

#include <QMouseEvent>
#include <QUrl>

namespace platform {

LinkWidget::LinkWidget(QWidget* parent) : QWidget(parent)
{
    // Moves without a pressed button must arrive too, for the hand over a link.
    setMouseTracking(true);
}

void LinkWidget::mousePressEvent(QMouseEvent* event)
{
    const QString href = event->button() == Qt::LeftButton ? linkAt(event->position().toPoint()) : QString();
    if (href.isEmpty()) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT linkClicked(href);
    ShellOpen(QUrl(href, QUrl::TolerantMode));
}

void LinkWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (linkAt(event->position().toPoint()).isEmpty())
        unsetCursor();
    else
        setCursor(Qt::PointingHandCursor);
    QWidget::mouseMoveEvent(event);
}

} // namespace platform
