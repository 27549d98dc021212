#include "platform/gui/SpinEdit.h"

#include "platform/Numbers.h"

#include <QLineEdit>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cstdlib>

namespace platform {

TSpinEdit::TSpinEdit(QWidget* parent) : SpinEditBase(parent)
{
    setText(QStringLiteral("0"));
}

void TSpinEdit::setRange(std::int32_t minimum, std::int32_t maximum)
{
    min_ = minimum;
    max_ = maximum;
}

std::int32_t TSpinEdit::value() const
{
    const QString t = text().trimmed();
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (ok)
        return saturate32(v);
    // Digits beyond even 64 bits still make a number; anything else does not.
    const QStringView digits = t.startsWith(u'-') || t.startsWith(u'+') ? QStringView(t).mid(1) : QStringView(t);
    if (!digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return t.startsWith(u'-') ? INT32_MIN : INT32_MAX;
    return min_;
}

std::int32_t TSpinEdit::checkValue(std::int64_t value) const
{
    if (min_ == max_)
        return saturate32(value);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, min_, std::max(min_, max_)));
}

void TSpinEdit::setValue(std::int64_t value)
{
    setText(QString::number(checkValue(value)));
}

void TSpinEdit::stepBy(int steps)
{
    setValue(std::int64_t{value()} + std::int64_t{steps} * increment_);
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::applyRange()
{
    const std::int32_t v = value();
    if (checkValue(v) != v)
        setValue(v);
}

bool TSpinEdit::acceptsChar(QChar c) const
{
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+';
}

QSize TSpinEdit::sizeHint() const
{
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QString widest = QString::number(std::max({std::abs(std::int64_t{min_}), std::abs(std::int64_t{max_}),
                                                     std::int64_t{9999}}));
    const QSize content(fontMetrics().horizontalAdvance(widest) + 6, lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

} // namespace platform
