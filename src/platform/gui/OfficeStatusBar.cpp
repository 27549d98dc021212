#include "platform/gui/OfficeStatusBar.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace platform {

namespace {

constexpr int textIndent = 6;

} // namespace

TAdvOfficeStatusBar::TAdvOfficeStatusBar(QWidget* parent) : LinkWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TAdvOfficeStatusBar::addPanel(int width, const QString& markup)
{
    Panel panel{std::max(0, width), markup, {}};
    relayout(panel);
    panels_.push_back(std::move(panel));
    update();
    return panelCount() - 1;
}

QString TAdvOfficeStatusBar::panelText(int index) const
{
    return index >= 0 && index < panelCount() ? panels_[static_cast<size_t>(index)].text : QString();
}

void TAdvOfficeStatusBar::setPanelText(int index, const QString& markup)
{
    if (index < 0 || index >= panelCount())
        return;
    Panel& panel = panels_[static_cast<size_t>(index)];
    panel.text = markup;
    relayout(panel);
    update();
}

QRect TAdvOfficeStatusBar::panelRect(int index) const
{
    if (index < 0 || index >= panelCount())
        return {};
    int left = 0;
    for (int i = 0; i < index; ++i)
        left += panels_[static_cast<size_t>(i)].width;
    return QRect(left, 0, panels_[static_cast<size_t>(index)].width, height());
}

void TAdvOfficeStatusBar::setBarStyle(Style style)
{
    style_ = style;
    for (Panel& panel : panels_)
        relayout(panel);
    update();
}

TAdvOfficeStatusBar::Look TAdvOfficeStatusBar::look() const
{
    if (style_ == Style::Obsidian)
        return {QColor(0x5A, 0x5E, 0x64), QColor(0x2B, 0x2D, 0x31), QColor(0x1A, 0x1B, 0x1D),
                QColor(0x78, 0x7C, 0x82), QColor(Qt::white), QColor(Qt::white)};
    return {QColor(0xE3, 0xEF, 0xFF), QColor(0xB9, 0xD3, 0xF2), QColor(0x8D, 0xAE, 0xD9),
            QColor(Qt::white), QColor(0x15, 0x42, 0x8B), QColor(0x00, 0x33, 0xCC)};
}

void TAdvOfficeStatusBar::relayout(Panel& panel) const
{
    const Look l = look();
    panel.layout = markup::layOut(panel.text, {font(), l.text, l.link, 0});
}

QPoint TAdvOfficeStatusBar::textOrigin(int index) const
{
    const QRect r = panelRect(index);
    const int textHeight = panels_[static_cast<size_t>(index)].layout.size.height();
    return QPoint(r.left() + textIndent, r.top() + (r.height() - textHeight) / 2);
}

QString TAdvOfficeStatusBar::linkAt(QPoint point) const
{
    for (int i = 0; i < panelCount(); ++i) {
        if (!panelRect(i).contains(point))
            continue;
        return markup::linkAt(panels_[static_cast<size_t>(i)].layout, point - textOrigin(i));
    }
    return {};
}

QSize TAdvOfficeStatusBar::sizeHint() const
{
    int width = 0;
    for (const Panel& panel : panels_)
        width += panel.width;
    return QSize(width, fontMetrics().height() + 4);
}

void TAdvOfficeStatusBar::paintEvent(QPaintEvent*)
{
    const Look l = look();
    QPainter painter(this);
    QLinearGradient face(0, 0, 0, height());
    face.setColorAt(0, l.top);
    face.setColorAt(1, l.bottom);
    painter.fillRect(rect(), face);
    painter.setPen(l.separatorDark);
    painter.drawLine(0, 0, width() - 1, 0);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int i = 0; i < panelCount(); ++i) {
        const QRect r = panelRect(i);
        painter.save();
        painter.setClipRect(r.adjusted(1, 1, -2, 0));
        markup::paint(painter, panels_[static_cast<size_t>(i)].layout, textOrigin(i));
        painter.restore();
        if (i + 1 < panelCount()) {
            painter.setPen(l.separatorDark);
            painter.drawLine(r.right() - 1, 3, r.right() - 1, height() - 4);
            painter.setPen(l.separatorLight);
            painter.drawLine(r.right(), 3, r.right(), height() - 4);
        }
    }
}

void TAdvOfficeStatusBar::changeEvent(QEvent* event)
{
    LinkWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        for (Panel& panel : panels_)
            relayout(panel);
        update();
    }
}

} // namespace platform
