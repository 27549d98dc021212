#include "util/Tmytime.h"

#include "platform/Clock.h"
#include "platform/NumberFormat.h"
#include "platform/Numbers.h"

#include <QDate>
#include <QTime>
#include <array>
#include <cmath>

namespace {

constexpr std::int32_t secondsPerDay = 86400;
// The length of one second in days as this system counts it (slightly more than 1/86400).
constexpr platform::extended secondInDays = 0.000011574079L;

QString twoDigits(std::int64_t v)
{
    return platform::FormatFloat(QStringLiteral("00"), static_cast<platform::extended>(v), platform::FormatSettings::c());
}

struct DateParts {
    int y = 0, m = 0, d = 0;
};
struct TimeParts {
    int h = 0, mi = 0, s = 0, ms = 0;
};

DateParts dateOf(platform::TDateTime t)
{
    DateParts p;
    platform::DecodeDate(t, p.y, p.m, p.d);
    return p;
}

TimeParts timeOf(platform::TDateTime t)
{
    TimeParts p;
    platform::DecodeTime(t, p.h, p.mi, p.s, p.ms);
    return p;
}

// A field of a date-time code: only decimal digits convert.
bool readField(QStringView text, int& value)
{
    value = 0;
    for (const QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return true;
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
    return SecTcDGM64(s);
}

QString Tmytime::SecTcDGM64(std::int64_t s)
{
    if (s <= 0)
        return QStringLiteral("00:00:00");
    if (s <= secondsPerDay)
        return SecToGMS(static_cast<std::int32_t>(s));
    const std::int64_t days = s / secondsPerDay;
    return QString::number(days) + QStringLiteral("D ") + SecToGMS(static_cast<std::int32_t>(s - days * secondsPerDay));
}

QString Tmytime::SecTcDGM2(std::int32_t s)
{
    return s <= 0 ? QStringLiteral("0") : SecTcDGM(s);
}

QString Tmytime::CzasToStr(TDateTime aDT, std::uint8_t Styl)
{
    const auto D = [aDT] { return platform::ShortDateString(aDT); };
    const auto T = [aDT] { return platform::LongTimeString(aDT); };
    const auto Ws = [aDT] { return DzienTshort(static_cast<std::uint16_t>(platform::DayOfWeek(aDT))); };
    const auto E = [aDT] { return SecTcDGM(SekundOdDo(aDT, platform::Now())); };
    switch (Styl) {
    case 0:
        return D() + QStringLiteral("  ") + T();
    case 1:
        return DateToDM(aDT) + u'/' + TimeToGM(aDT);
    case 2:
        return DateToDM(aDT) + u' ' + TimeToGM(aDT);
    case 3:
        return DateToDM(aDT) + u'_' + TimeToGM(aDT);
    case 4:
        return D() + u'(' + Ws() + QStringLiteral(") ") + T();
    case 5:
        return DateToDM(aDT) + QStringLiteral(" [") + DateToDzienT(aDT) + QStringLiteral("] ") + TimeToGM(aDT);
    case 6:
        return MiesiacAsString(static_cast<std::uint8_t>(Mies(aDT))) + QStringLiteral("  ") + QString::number(Rok(aDT));
    case 7:
        return D() + u'(' + Ws() + u')';
    case 8:
        return DateToDM(aDT) + u'(' + Ws() + QStringLiteral(") ") + T();
    case 9:
        return CzasToStr(aDT, 8) + QStringLiteral("  [ ") + E() + QStringLiteral(" ]");
    case 10:
        return CzasToStr(aDT, 4) + QStringLiteral("  [ ") + E() + QStringLiteral(" ]");
    case 11:
        return aDT == 0 ? QString() : CzasToStr(aDT, 4);
    default:
        return {};
    }
}

QString Tmytime::DateToDM(TDateTime t)
{
    const DateParts p = dateOf(t);
    return twoDigits(p.d) + u'-' + twoDigits(p.m);
}

QString Tmytime::TimeToGM(TDateTime t)
{
    const TimeParts p = timeOf(t);
    return twoDigits(p.h) + u':' + twoDigits(p.mi);
}

QString Tmytime::MiesiacAsString(std::uint8_t nr)
{
    static const std::array<QString, 12> names = {
        QStringLiteral("Styczeń"), QStringLiteral("Luty"),     QStringLiteral("Marzec"),      QStringLiteral("Kwiecień"),
        QStringLiteral("Maj"),     QStringLiteral("Czerwiec"), QStringLiteral("Lipiec"),      QStringLiteral("Sierpień"),
        QStringLiteral("Wrzesień"), QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień"),
    };
    return nr >= 1 && nr <= 12 ? names[nr - 1] : QString();
}

QString Tmytime::DzienT(std::uint16_t d)
{
    static const std::array<QString, 7> names = {
        QStringLiteral("Niedziela"), QStringLiteral("Poniedziałek"), QStringLiteral("Wtorek"), QStringLiteral("Środa"),
        QStringLiteral("Czwartek"),  QStringLiteral("Piątek"),       QStringLiteral("Sobota"),
    };
    return d >= 1 && d <= 7 ? names[d - 1] : QString();
}

QString Tmytime::DzienTshort(std::uint16_t d)
{
    static const std::array<QString, 7> names = {
        QStringLiteral("Nd"), QStringLiteral("Pn"), QStringLiteral("Wt"), QStringLiteral("Śr"),
        QStringLiteral("Cz"), QStringLiteral("Pt"), QStringLiteral("So"),
    };
    return d >= 1 && d <= 7 ? names[d - 1] : QString();
}

QString Tmytime::DateToDzienT(TDate d)
{
    return DzienT(static_cast<std::uint16_t>(platform::DayOfWeek(d)));
}

std::uint8_t Tmytime::Dni_w_miesiacu(std::uint16_t mc, std::uint16_t rok)
{
    switch (mc) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return (rok % 4 == 0 && rok % 100 != 0) || rok % 400 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

Tmytime::TDate Tmytime::EncodeDateEnd(std::uint16_t rok, std::uint16_t mc)
{
    const int last = mc == 2 ? 28 : Dni_w_miesiacu(mc, rok);
    return platform::EncodeDate(rok, mc, last);
}

Tmytime::TDate Tmytime::RokMcToDate(std::uint16_t rok, std::uint16_t mc)
{
    if (rok == 0 || mc == 0 || mc > 12)
        return 0;
    return platform::EncodeDate(rok, mc, 1);
}

QString Tmytime::date_time_code(TDateTime dt)
{
    const DateParts d = dateOf(dt);
    const TimeParts t = timeOf(dt);
    return platform::FormatFloat(QStringLiteral("0000"), d.y, platform::FormatSettings::c()) + twoDigits(d.m)
        + twoDigits(d.d) + twoDigits(t.h) + twoDigits(t.mi);
}

Tmytime::TDateTime Tmytime::decode_date_time(const QString& sx)
{
    if (sx.size() != 12)
        return 0;
    const QStringView code(sx);
    int y = 0, m = 0, d = 0, h = 0, mi = 0;
    if (!readField(code.mid(0, 4), y) || !readField(code.mid(4, 2), m) || !readField(code.mid(6, 2), d)
        || !readField(code.mid(8, 2), h) || !readField(code.mid(10, 2), mi))
        return 0;
    return platform::ComposeDateTime(platform::EncodeDate(y, m, d), platform::EncodeTime(h, mi, 0, 0));
}

bool Tmytime::GMwZakresie(std::uint16_t G, std::uint16_t M, std::uint16_t OdG, std::uint16_t OdM, std::uint16_t DoG,
                          std::uint16_t DoM)
{
    const std::int32_t tested = G * 60 + M;
    return OdG * 60 + OdM <= tested && tested <= DoG * 60 + DoM;
}

bool Tmytime::CzasWZakresie(TDateTime t, std::uint16_t OdG, std::uint16_t OdM, std::uint16_t DoG, std::uint16_t DoM)
{
    const TimeParts p = timeOf(t);
    return GMwZakresie(static_cast<std::uint16_t>(p.h), static_cast<std::uint16_t>(p.mi), OdG, OdM, DoG, DoM);
}

std::int32_t Tmytime::SekundOdDo(TDateTime t1, TDateTime t2)
{
    const platform::extended from = platform::toLinearDays(t1);
    const platform::extended to = platform::toLinearDays(t2);
    const std::int64_t seconds = platform::Round(std::fabs(to - from) / secondInDays);
    return platform::saturate32(from > to ? -seconds : seconds);
}

std::int32_t Tmytime::DniOdDoTeraz(TDate D)
{
    const platform::extended today = platform::toLinearDays(platform::Date());
    return platform::saturate32(platform::Trunc(today - platform::toLinearDays(D)));
}

std::int32_t Tmytime::DniOdTerazDo(TDate D)
{
    const platform::extended today = platform::toLinearDays(platform::Date());
    return platform::saturate32(platform::Trunc(platform::toLinearDays(D) - today));
}

std::uint16_t Tmytime::Rok(TDateTime t)
{
    return static_cast<std::uint16_t>(dateOf(t).y);
}

std::uint16_t Tmytime::Mies(TDateTime t)
{
    return static_cast<std::uint16_t>(dateOf(t).m);
}

std::uint16_t Tmytime::Dzien(TDateTime t)
{
    return static_cast<std::uint16_t>(dateOf(t).d);
}

std::uint16_t Tmytime::Godzina(TDateTime t)
{
    return static_cast<std::uint16_t>(timeOf(t).h);
}

std::uint16_t Tmytime::Minuta(TDateTime t)
{
    return static_cast<std::uint16_t>(timeOf(t).mi);
}

QString Tmytime::DateFileName(TDateTime t, bool sec)
{
    const DateParts d = dateOf(t);
    const TimeParts tp = timeOf(t);
    QString name = QString::number(d.y) + u'_' + twoDigits(d.m) + u'_' + twoDigits(d.d) + u'_' + twoDigits(tp.h) + u'_'
        + twoDigits(tp.mi);
    if (sec)
        name += u'_' + twoDigits(tp.s);
    return name;
}

bool Tmytime::SetSystemTime(std::uint16_t Y, std::uint16_t M, std::uint16_t D, std::uint16_t G, std::uint16_t Mi)
{
    const TimeParts now = timeOf(platform::Now());
    const QDate date(Y, M, D);
    const QTime time(G, Mi, now.s, now.ms);
    if (!date.isValid() || !time.isValid())
        return false;
    return platform::Clock::setLocalTime(QDateTime(date, time));
}

float Tmytime::LhToLh(std::int32_t sec)
{
    return platform::single(static_cast<platform::extended>(sec) / 3600);
}

QString Tmytime::LhToLhStr(std::int32_t sec)
{
    return platform::FormatFloat(QStringLiteral("#,##0.00"), static_cast<platform::extended>(sec) / 3600);
}
