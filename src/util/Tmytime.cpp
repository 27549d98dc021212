#include "util/Tmytime.h"

#include "platform/NumberFormat.h"

namespace {

constexpr std::int32_t secondsPerDay = 86400;

QString twoDigits(std::int64_t v)
{
    return platform::FormatFloat(QStringLiteral("00"), static_cast<platform::extended>(v), platform::FormatSettings::c());
}

} // namespace

QString Tmytime::SecToGMS(std::int32_t s)
{
    std::int64_t hours = s / 3600;
    const std::int32_t rest = s - static_cast<std::int32_t>(hours) * 3600;
    const std::int32_t minutes = rest / 60;
    const std::int32_t seconds = rest - minutes * 60;
    if (hours > 999)
        hours = 999;
    return twoDigits(hours) + u':' + twoDigits(minutes) + u':' + twoDigits(seconds);
}

QString Tmytime::SecTcDGM(std::int32_t s)
{
    if (s <= 0)
        return QStringLiteral("00:00:00");
    if (s <= secondsPerDay)
        return SecToGMS(s);
    const std::int32_t days = s / secondsPerDay;
    return QString::number(days) + QStringLiteral("D ") + SecToGMS(s - days * secondsPerDay);
}

QString Tmytime::SecTcDGM2(std::int32_t s)
{
    return s <= 0 ? QStringLiteral("0") : SecTcDGM(s);
}
