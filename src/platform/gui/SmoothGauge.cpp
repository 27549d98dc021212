#include "platform/gui/SmoothGauge.h"

#include "platform/NumberFormat.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr double startAngle = 225;
constexpr double sweep = 270;

// Logical units: the dial is drawn on a circle of radius 100.
constexpr double rimRadius = 93;
constexpr double bandWidth = 10;

const QColor red(0xD8, 0x3A, 0x2E);
const QColor yellow(0xF2, 0xC0, 0x1E);
const QColor green(0x2F, 0xA8, 0x4F);
const QColor worldClass(0x0B, 0x5E, 0x25);
const QColor ink(0x2B, 0x2F, 0x36);

QPointF polar(double radius, double degrees)
{
    const double rad = degrees * M_PI / 180.0;
    return {radius * std::cos(rad), -radius * std::sin(rad)};
}

} // namespace

TAdvSmoothGauge::TAdvSmoothGauge(QWidget* parent) : QWidget(parent) {}

void TAdvSmoothGauge::setRange(double minimum, double maximum)
{
    min_ = minimum;
    max_ = maximum;
    update();
}

void TAdvSmoothGauge::setValue(double value)
{
    value_ = value;
    update();
}

void TAdvSmoothGauge::setDialText(const QString& text)
{
    dialText_ = text;
    update();
}

void TAdvSmoothGauge::setValueFormat(const QString& pattern)
{
    valueFormat_ = pattern;
    update();
}

QString TAdvSmoothGauge::valueText() const
{
    return std::isfinite(value_) ? FormatFloat(valueFormat_, value_) : QString();
}

void TAdvSmoothGauge::setThreshold(double center, double end)
{
    thresholdCenter_ = std::clamp(center, 0.0, 100.0);
    thresholdEnd_ = end;
    update();
}

void TAdvSmoothGauge::setZones(double low, double high)
{
    zoneLow_ = std::min(low, high);
    zoneHigh_ = std::max(low, high);
    update();
}

double TAdvSmoothGauge::angleFor(double value, double minimum, double maximum)
{
    if (!(maximum > minimum) || std::isnan(value))
        return startAngle;
    const double fraction = std::clamp((value - minimum) / (maximum - minimum), 0.0, 1.0);
    return startAngle - sweep * fraction;
}

QColor TAdvSmoothGauge::zoneColor(double value) const
{
    if (value < zoneLow_)
        return red;
    return value > zoneHigh_ ? green : yellow;
}

void TAdvSmoothGauge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const int side = std::min(width(), height());
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(side / 200.0, side / 200.0);

    QRadialGradient bezel(QPointF(0, -40), 140);
    bezel.setColorAt(0, QColor(0x8A, 0x90, 0x98));
    bezel.setColorAt(1, QColor(0x2E, 0x32, 0x38));
    p.setPen(Qt::NoPen);
    p.setBrush(bezel);
    p.drawEllipse(QPointF(0, 0), 99, 99);
    QRadialGradient face(QPointF(0, -30), 120);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(0xDD, 0xE2, 0xE8));
    p.setBrush(face);
    p.drawEllipse(QPointF(0, 0), rimRadius, rimRadius);

    // The zones along the band, cut at its end.
    const double bandRadius = rimRadius * (1.0 - thresholdCenter_ / 100.0);
    const QRectF bandRect(-bandRadius, -bandRadius, 2 * bandRadius, 2 * bandRadius);
    const double bandEnd = std::clamp(thresholdEnd_, min_, max_);
    const struct {
        double from, to;
        QColor color;
    } zones[] = {{min_, zoneLow_, red}, {zoneLow_, zoneHigh_, yellow}, {zoneHigh_, max_, green}};
    for (const auto& z : zones) {
        const double from = std::clamp(z.from, min_, bandEnd);
        const double to = std::clamp(z.to, min_, bandEnd);
        if (to <= from)
            continue;
        const double a = angleFor(from, min_, max_);
        const double b = angleFor(to, min_, max_);
        p.setPen(QPen(z.color, bandWidth, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(bandRect, static_cast<int>(std::lround(a * 16)), static_cast<int>(std::lround((b - a) * 16)));
    }

    // Scale: a major tick and a number every tenth of the range, minor ticks between.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = 0; i <= 50; ++i) {
        const double v = min_ + (max_ - min_) * i / 50.0;
        const double a = angleFor(v, min_, max_);
        const bool major = i % 5 == 0;
        p.setPen(QPen(ink, major ? 2.0 : 1.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(polar(major ? 80 : 85, a), polar(90, a));
        if (major) {
            const QPointF c = polar(bandRadius - bandWidth / 2 - 11, a);
            p.drawText(QRectF(c.x() - 15, c.y() - 8, 30, 16), Qt::AlignCenter, QString::number(std::lround(v)));
        }
    }

    // The world-class mark: a triangle on the rim pointing at zoneHigh.
    if (zoneHigh_ >= min_ && zoneHigh_ <= max_) {
        const double a = angleFor(zoneHigh_, min_, max_);
        QPainterPath mark;
        mark.moveTo(polar(bandRadius + bandWidth / 2 + 1, a));
        mark.lineTo(polar(rimRadius, a + 4));
        mark.lineTo(polar(rimRadius, a - 4));
        mark.closeSubpath();
        p.setPen(Qt::NoPen);
        p.fillPath(mark, worldClass);
    }

    QFont title = font;
    title.setPixelSize(17);
    title.setBold(true);
    p.setFont(title);
    p.setPen(ink);
    p.drawText(QRectF(-50, 10, 100, 22), Qt::AlignCenter, dialText_);

    // The value in a dark window, in the colour of its zone.
    const QRectF window(-29, 47, 58, 21);
    p.setPen(QPen(QColor(0x11, 0x13, 0x16), 1));
    p.setBrush(QColor(0x23, 0x27, 0x2D));
    p.drawRoundedRect(window, 4, 4);
    QFont digits = font;
    digits.setPixelSize(13);
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(zoneColor(value_).lighter(125));
    p.drawText(window, Qt::AlignCenter, valueText());

    // Needle and hub.
    p.save();
    p.rotate(-angleFor(value_, min_, max_));
    QPainterPath needle;
    needle.moveTo(-12, -3);
    needle.lineTo(78, -0.8);
    needle.lineTo(78, 0.8);
    needle.lineTo(-12, 3);
    needle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.fillPath(needle, QColor(0xC6, 0x28, 0x28));
    p.restore();
    QRadialGradient hub(QPointF(-2, -2), 9);
    hub.setColorAt(0, QColor(0x8A, 0x93, 0x9C));
    hub.setColorAt(1, QColor(0x33, 0x38, 0x3F));
    p.setBrush(hub);
    p.drawEllipse(QPointF(0, 0), 7, 7);
}

} // namespace platform
