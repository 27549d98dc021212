#pragma once

#include "platform/gui/SpinEditBase.h"

namespace platform {

// Decimal spin edit. The text shows the value with a fixed number of decimals in the
// locale's decimal separator; value() is the number the text shows (either separator is
// read; 0 when the text is not a number, so an emptied field reads 0). setValue() clamps to the range.
// The arrows step by increment(), Page Up/Down by ten increments; stepping and leaving
// the field apply the range.
class TAdvSpinEdit : public SpinEditBase {
    Q_OBJECT

public:
    explicit TAdvSpinEdit(QWidget* parent = nullptr);

    double minValue() const { return min_; }
    double maxValue() const { return max_; }
    void setRange(double minimum, double maximum);

    double increment() const { return increment_; }
    void setIncrement(double step) { increment_ = step; }

    int precision() const { return precision_; }
    void setPrecision(int decimals);

    double value() const;
    void setValue(double value);

    void stepBy(int steps) override;
    QSize sizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
    void applyRange() override;
    bool acceptsChar(QChar c) const override;

private:
    double clamped(double value) const;

    double min_ = 0.1;
    double max_ = 999999.0;
    double increment_ = 0.1;
    int precision_ = 2;
};

} // namespace platform
