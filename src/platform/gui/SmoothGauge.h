#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace platform {

// Dial gauge. The needle sweeps 270 degrees clockwise from the lower left (minimum) to the
// lower right (maximum); values outside the range pin it to the ends while the value text
// still shows the true value in valueFormat (a number-format pattern). The threshold band is
// a ring of the zones: below zoneLow red, up to zoneHigh yellow, above green, with a mark at
// zoneHigh (world class). It ends at thresholdEnd and lies thresholdCenter percent of the
// radius inside the rim.
class TAdvSmoothGauge : public QWidget {
    Q_OBJECT

public:
    explicit TAdvSmoothGauge(QWidget* parent = nullptr);

    double minimum() const { return min_; }
    double maximum() const { return max_; }
    void setRange(double minimum, double maximum);
    double value() const { return value_; }
    void setValue(double value);

    QString dialText() const { return dialText_; }
    void setDialText(const QString& text);
    QString valueFormat() const { return valueFormat_; }
    void setValueFormat(const QString& pattern);
    // The value as the dial writes it.
    QString valueText() const;

    double thresholdCenter() const { return thresholdCenter_; }
    double thresholdEnd() const { return thresholdEnd_; }
    void setThreshold(double center, double end);
    double zoneLow() const { return zoneLow_; }
    double zoneHigh() const { return zoneHigh_; }
    void setZones(double low, double high);

    // Angle of a value in degrees, counter-clockwise from three o'clock (QPainter's arcs).
    static double angleFor(double value, double minimum, double maximum);
    // The zone colour a value reads in.
    QColor zoneColor(double value) const;

    QSize sizeHint() const override { return {179, 179}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double min_ = 0;
    double max_ = 100;
    double value_ = 0;
    QString dialText_;
    QString valueFormat_ = QStringLiteral("0");
    double thresholdCenter_ = 25;
    double thresholdEnd_ = 100;
    double zoneLow_ = 65;
    double zoneHigh_ = 85;
};

} // namespace platform
