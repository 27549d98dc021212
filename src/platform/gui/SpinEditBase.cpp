#include "platform/gui/SpinEditBase.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace platform {

SpinEditBase::SpinEditBase(QWidget* parent) : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &SpinEditBase::changed);
}

QString SpinEditBase::text() const
{
    return lineEdit()->text();
}

void SpinEditBase::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void SpinEditBase::setHint(const QString& hint)
{
    hint_ = hint;
    applyToolTip();
}

void SpinEditBase::setShowHint(bool show)
{
    showHint_ = show;
    applyToolTip();
}

void SpinEditBase::applyToolTip()
{
    setToolTip(showHint_ ? hint_ : QString());
}

void SpinEditBase::setFlat(bool flat)
{
    flat_ = flat;
    setFrame(!flat);
    placeEditor();
    update();
}

QValidator::State SpinEditBase::validate(QString& input, int&) const
{
    return std::all_of(input.cbegin(), input.cend(), [this](QChar c) { return acceptsChar(c); })
        ? QValidator::Acceptable
        : QValidator::Invalid;
}

void SpinEditBase::focusOutEvent(QFocusEvent* event)
{
    // A popup (a context menu, a button's drop-down menu) or another window (a message box
    // about what was typed, another program) takes the keyboard only for a while; the user
    // has not left the field, so what they typed stays as it is.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        applyRange();
    QAbstractSpinBox::focusOutEvent(event);
}

void SpinEditBase::paintEvent(QPaintEvent* event)
{
    // Without a frame the style leaves the arrows' area unpainted, so whatever lies under
    // the field (a gradient panel) would show through it.
    if (flat_)
        QPainter(this).fillRect(rect(), palette().color(QPalette::Window));
    QAbstractSpinBox::paintEvent(event);
    if (!flat_)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Shadow));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SpinEditBase::resizeEvent(QResizeEvent* event)
{
    QAbstractSpinBox::resizeEvent(event);
    placeEditor();
}

void SpinEditBase::changeEvent(QEvent* event)
{
    QAbstractSpinBox::changeEvent(event);
    if (event->type() == QEvent::StyleChange)
        placeEditor();
}

// Without a frame the style lets the editor reach the edges; keep it inside the
// one-pixel border.
void SpinEditBase::placeEditor()
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    QRect field = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    if (flat_)
        field = field.intersected(rect().adjusted(1, 1, -1, -1)).adjusted(1, 0, 0, 0);
    lineEdit()->setGeometry(field);
}

} // namespace platform
