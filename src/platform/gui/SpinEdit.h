#pragma once

#include "platform/gui/SpinEditBase.h"

#include <cstdint>

namespace platform {

// Whole-number spin edit. value() parses the text as it stands: the minimum when it is not
// a number, no clamping (a number beyond 32 bits saturates); setValue() clamps to the range
// and writes the text. Stepping and leaving the field apply the range. With minimum and
// maximum equal the range is open (the whole 32-bit range).
class TSpinEdit : public SpinEditBase {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    std::int32_t minValue() const { return min_; }
    std::int32_t maxValue() const { return max_; }
    void setMinValue(std::int32_t value) { min_ = value; }
    void setMaxValue(std::int32_t value) { max_ = value; }
    void setRange(std::int32_t minimum, std::int32_t maximum);

    std::int32_t increment() const { return increment_; }
    void setIncrement(std::int32_t step) { increment_ = step; }

    std::int32_t value() const;
    void setValue(std::int64_t value);

    // The value's place in the range, as setValue() applies it.
    std::int32_t checkValue(std::int64_t value) const;

    void stepBy(int steps) override;
    QSize sizeHint() const override;

protected:
    StepEnabled stepEnabled() const override;
    void applyRange() override;
    bool acceptsChar(QChar c) const override;

private:
    std::int32_t min_ = 0;
    std::int32_t max_ = 0;
    std::int32_t increment_ = 1;
};

} // namespace platform
