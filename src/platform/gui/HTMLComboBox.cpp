#include "platform/gui/HTMLComboBox.h"

#include "platform/gui/HtmlMarkup.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QStyleOption>
#include <QLinearGradient>

namespace platform {

namespace {

constexpr int textMargin = 4;
constexpr int arrowWidth = 17;

markup::Options optionsFor(const QWidget* widget, const QFont& font)
{
    return {font, widget->palette().color(QPalette::Text), QColor(0, 0, 255), 0};
}

// Draws each item's mark-up; the selected row gets a light highlight so the item's own
// colours stay legible.
class MarkupDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        const bool selected = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        painter->fillRect(option.rect, selected ? QColor(0xCC, 0xE4, 0xFA) : option.palette.color(QPalette::Base));
        const markup::Layout layout
            = markup::layOut(index.data(Qt::DisplayRole).toString(), optionsFor(option.widget, option.font));
        const QPoint origin(option.rect.left() + textMargin,
                            option.rect.top() + (option.rect.height() - layout.size.height()) / 2);
        painter->setClipRect(option.rect);
        markup::paint(*painter, layout, origin);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const markup::Layout layout
            = markup::layOut(index.data(Qt::DisplayRole).toString(), optionsFor(option.widget, option.font));
        return {layout.size.width() + 2 * textMargin, layout.size.height() + 6};
    }
};

// The list drops below the box instead of opening over it around the current item.
class PopupBelowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

} // namespace

THTMLComboBox::THTMLComboBox(QWidget* parent) : QComboBox(parent)
{
    auto* style = new PopupBelowStyle;
    style->setParent(this);
    setStyle(style);
    setItemDelegate(new MarkupDelegate(this));
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!silent_)
            Q_EMIT changed();
    });
}

void THTMLComboBox::setItems(const QStringList& markups)
{
    silent_ = true;
    clear();
    addItems(markups);
    silent_ = false;
}

QStringList THTMLComboBox::items() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << itemText(i);
    return out;
}

void THTMLComboBox::setItemIndex(int index)
{
    silent_ = true;
    setCurrentIndex(index);
    silent_ = false;
}

void THTMLComboBox::setDropDownSize(int width, int height)
{
    dropWidth_ = std::max(0, width);
    dropHeight_ = std::max(0, height);
}

void THTMLComboBox::showPopup()
{
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (popup == this || popup == window())
        return;
    QSize size = popup->size();
    if (dropWidth_ > 0)
        size.setWidth(dropWidth_);
    if (dropHeight_ > 0)
        size.setHeight(std::min(size.height(), dropHeight_));
    popup->resize(size);
}

QSize THTMLComboBox::sizeHint() const
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, markup::layOut(itemText(i), optionsFor(this, font())).size.width());
    return {widest + 2 * textMargin + arrowWidth + 3, fontMetrics().height() + 6};
}

QSize THTMLComboBox::minimumSizeHint() const
{
    return sizeHint();
}

QRect THTMLComboBox::arrowRect() const
{
    return QRect(width() - arrowWidth - 1, 1, arrowWidth, height() - 2);
}

// Drawn like an edit field so that the Base colour of the palette is the box's colour.
void THTMLComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.fillRect(rect(), palette().color(group, QPalette::Base));

    const QRect button = arrowRect();
    QLinearGradient face(button.topLeft(), button.bottomLeft());
    face.setColorAt(0, QColor(0xFA, 0xFC, 0xFF));
    face.setColorAt(1, QColor(0xDA, 0xE3, 0xEE));
    painter.fillRect(button, face);
    painter.setPen(QColor(0xA9, 0xB7, 0xC6));
    painter.drawLine(button.topLeft() - QPoint(1, 0), button.bottomLeft() - QPoint(1, 0));
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = button.adjusted(3, 0, -3, 0);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    painter.setPen(palette().color(group, QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QRect field = rect().adjusted(1, 1, -arrowWidth - 2, -1);
    if (hasFocus())
        painter.fillRect(field.adjusted(1, 1, -1, -1), QColor(0xCC, 0xE4, 0xFA));
    const markup::Layout layout = markup::layOut(currentText(), optionsFor(this, font()));
    painter.setClipRect(field);
    markup::paint(painter, layout,
                  QPoint(field.left() + textMargin - 1, field.top() + (field.height() - layout.size.height()) / 2));
}

} // namespace platform
