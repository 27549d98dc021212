#include "platform/gui/AdvSpinEdit.h"

#include "platform/NumberFormat.h"

#include <QLineEdit>
#include <QLocale>
#include <QStyleOptionSpinBox>

#include <algorithm>
#include <cmath>

namespace platform {

TAdvSpinEdit::TAdvSpinEdit(QWidget* parent) : SpinEditBase(parent)
{
    setValue(min_);
}

void TAdvSpinEdit::setRange(double minimum, double maximum)
{
    min_ = std::min(minimum, maximum);
    max_ = std::max(minimum, maximum);
}

void TAdvSpinEdit::setPrecision(int decimals)
{
    precision_ = std::clamp(decimals, 0, 9);
}

double TAdvSpinEdit::clamped(double value) const
{
    if (std::isnan(value))
        return min_;
    return std::clamp(value, min_, max_);
}

double TAdvSpinEdit::value() const
{
    QString t = text().trimmed();
    t.replace(FormatSettings::current().decimalSeparator, u'.');
    t.replace(u',', u'.');
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

void TAdvSpinEdit::setValue(double value)
{
    const QString pattern = precision_ > 0 ? QStringLiteral("0.") + QString(precision_, u'0') : QStringLiteral("0");
    setText(FormatFloat(pattern, clamped(value)));
}

void TAdvSpinEdit::stepBy(int steps)
{
    setValue(value() + steps * increment_);
}

QAbstractSpinBox::StepEnabled TAdvSpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TAdvSpinEdit::applyRange()
{
    const double v = value();
    if (clamped(v) != v)
        setValue(v);
}

bool TAdvSpinEdit::acceptsChar(QChar c) const
{
    return (c >= u'0' && c <= u'9') || c == u'-' || c == u'+' || c == u'.' || c == u','
        || c == FormatSettings::current().decimalSeparator;
}

QSize TAdvSpinEdit::sizeHint() const
{
    ensurePolished();
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    const QSize content(fontMetrics().horizontalAdvance(QStringLiteral("999999.00")) + 6,
                        lineEdit()->sizeHint().height());
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, content, this);
}

} // namespace platform
