#include "platform/DateTime.h"

#include "platform/Clock.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace platform {

namespace {

constexpr std::int64_t msPerDay = 86400000;
// 0001-01-01 and 9999-12-31 as day numbers.
constexpr std::int64_t firstDay = -693593;
constexpr std::int64_t lastDay = 2958465;

QDate epoch()
{
    return QDate(1899, 12, 30);
}

// A value split into its calendar day and the millisecond of that day.
struct DayAndMs {
    std::int64_t day;
    std::int64_t ms;
};

std::optional<DayAndMs> split(TDateTime value)
{
    if (!std::isfinite(value) || value < firstDay - 1.0 || value > lastDay + 1.0)
        return std::nullopt;
    double whole = 0;
    const double fraction = std::modf(value, &whole);
    DayAndMs parts{static_cast<std::int64_t>(whole), Round(static_cast<extended>(std::fabs(fraction)) * msPerDay)};
    // A time of day that rounds up to midnight belongs to the next day, in both directions
    // of the sign rule, since the fraction always runs forward in time.
    if (parts.ms >= msPerDay) {
        parts.ms -= msPerDay;
        ++parts.day;
    }
    if (parts.day < firstDay || parts.day > lastDay)
        return std::nullopt;
    return parts;
}

DayAndMs splitOrThrow(TDateTime value)
{
    const std::optional<DayAndMs> parts = split(value);
    if (!parts)
        throw EConvertError(QStringLiteral("Nieprawidłowa wartość daty i czasu: %1").arg(value, 0, 'g', 17));
    return *parts;
}

TDateTime join(std::int64_t day, std::int64_t ms)
{
    const double d = static_cast<double>(day);
    const double f = static_cast<double>(ms) / msPerDay;
    return day >= 0 ? d + f : d - f;
}

// The locale's long time format without its time-zone name ("t"), which the system's
// long time format does not carry.
QString withoutZone(const QString& format)
{
    QString out;
    bool quoted = false;
    for (const QChar ch : format) {
        if (ch == u'\'')
            quoted = !quoted;
        if (quoted || ch != u't')
            out += ch;
    }
    return out.trimmed();
}

} // namespace

QDateTime toQDateTime(TDateTime value)
{
    const std::optional<DayAndMs> parts = split(value);
    if (!parts)
        return {};
    return QDateTime(epoch().addDays(parts->day), QTime::fromMSecsSinceStartOfDay(static_cast<int>(parts->ms)));
}

TDateTime fromQDateTime(const QDateTime& moment)
{
    if (!moment.isValid())
        throw EConvertError(QStringLiteral("Nieprawidłowa data i czas"));
    const QDateTime local = moment.toLocalTime();
    const std::int64_t day = epoch().daysTo(local.date());
    if (day < firstDay || day > lastDay)
        throw EConvertError(QStringLiteral("Data spoza zakresu lat 1-9999: %1").arg(local.toString(Qt::ISODate)));
    return join(day, local.time().msecsSinceStartOfDay());
}

TDateTime EncodeDate(int y, int m, int d)
{
    if (y < 1 || y > 9999 || !QDate::isValid(y, m, d))
        throw EConvertError(QStringLiteral("Nieprawidłowy argument do kodowania daty: %1-%2-%3").arg(y).arg(m).arg(d));
    return static_cast<double>(epoch().daysTo(QDate(y, m, d)));
}

TDateTime EncodeTime(int h, int mi, int s, int ms)
{
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59 || ms < 0 || ms > 999)
        throw EConvertError(
            QStringLiteral("Nieprawidłowy argument do kodowania czasu: %1:%2:%3.%4").arg(h).arg(mi).arg(s).arg(ms));
    return static_cast<double>(((h * 60 + mi) * 60 + s) * 1000 + ms) / msPerDay;
}

TDateTime ComposeDateTime(TDate date, TDateTime time)
{
    const double day = std::trunc(date);
    const double fraction = std::fabs(time - std::trunc(time));
    return day >= 0 ? day + fraction : day - fraction;
}

void DecodeDate(TDateTime value, int& y, int& m, int& d)
{
    epoch().addDays(splitOrThrow(value).day).getDate(&y, &m, &d);
}

void DecodeTime(TDateTime value, int& h, int& mi, int& s, int& ms)
{
    const std::int64_t t = splitOrThrow(value).ms;
    h = static_cast<int>(t / 3600000);
    mi = static_cast<int>(t / 60000 % 60);
    s = static_cast<int>(t / 1000 % 60);
    ms = static_cast<int>(t % 1000);
}

int DayOfWeek(TDateTime value)
{
    // Qt counts 1 = Monday .. 7 = Sunday.
    return epoch().addDays(splitOrThrow(value).day).dayOfWeek() % 7 + 1;
}

double toLinearDays(TDateTime value)
{
    const double day = std::trunc(value);
    return day + std::fabs(value - day);
}

TDateTime fromLinearDays(double days)
{
    const double day = std::floor(days);
    const double fraction = days - day;
    return day >= 0 ? day + fraction : day - fraction;
}

TDateTime Now()
{
    return Clock::now();
}

TDate Date()
{
    const TDateTime now = Now();
    const std::optional<DayAndMs> parts = split(now);
    return parts ? static_cast<double>(parts->day) : std::trunc(now);
}

QString ShortDateString(TDateTime value, const QLocale& locale)
{
    return locale.toString(epoch().addDays(splitOrThrow(value).day), locale.dateFormat(QLocale::ShortFormat));
}

QString LongTimeString(TDateTime value, const QLocale& locale)
{
    const QTime time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(splitOrThrow(value).ms));
    return locale.toString(time, withoutZone(locale.timeFormat(QLocale::LongFormat)));
}

} // namespace platform
