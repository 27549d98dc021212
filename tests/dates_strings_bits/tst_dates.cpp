#include "LocaleGuard.h"
#include "platform/Clock.h"
#include "platform/DateTime.h"
#include "platform/Errors.h"
#include "util/Tmytime.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <limits>
#include <optional>
#include <unistd.h>

using namespace platform;

namespace {

constexpr char trySettingClockFlag[] = "--try-setting-clock";

TDateTime at(int y, int m, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    return ComposeDateTime(EncodeDate(y, m, d), EncodeTime(h, mi, s, ms));
}

// 2012-10-27 14:05:09, a Saturday.
TDateTime sample()
{
    return at(2012, 10, 27, 14, 5, 9);
}

QString stamp(TDateTime t)
{
    int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    DecodeDate(t, y, m, d);
    DecodeTime(t, h, mi, s, ms);
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d.%03d", y, m, d, h, mi, s, ms);
}

// Runs in a child process that has no right to set the clock. It asks for the clock's
// own current date, hour and minute, so even a wrongly granted request would change
// nothing that matters.
int trySettingClock()
{
    if (geteuid() == 0)
        return 3;
    const TDateTime now = Now();
    const bool accepted = Tmytime::SetSystemTime(Tmytime::Rok(now), Tmytime::Mies(now), Tmytime::Dzien(now),
                                                 Tmytime::Godzina(now), Tmytime::Minuta(now));
    std::printf("%s\n", accepted ? "accepted" : "refused");
    return accepted ? 1 : 0;
}

} // namespace

class TestDates : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void encodeDecode_data();
    void encodeDecode();
    void everyYearRoundTripsToTheMillisecond();
    void timeOfDayRoundingUpMovesToNextDay();
    void invalidFieldsRaise_data();
    void invalidFieldsRaise();
    void valuesOutsideTheCalendar();
    void clockCanBeFixed();

    void czasToStr_data();
    void czasToStr();
    void names();
    void monthLengthsAndEnds_data();
    void monthLengthsAndEnds();
    void monthBoundsRaise();
    void dateTimeCode_data();
    void dateTimeCode();
    void decodeRejects_data();
    void decodeRejects();
    void decodeRaisesOnImpossibleFields_data();
    void decodeRaisesOnImpossibleFields();
    void ranges_data();
    void ranges();
    void secondsBetween_data();
    void secondsBetween();
    void daysToAndFromToday();
    void componentsAndFileName();
    void hours();
    void setSystemTimeAsksTheSystem();
    void setSystemTimeRefusedWithoutTheRight();
};

void TestDates::encodeDecode_data()
{
    QTest::addColumn<TDateTime>("value");
    QTest::addColumn<QString>("moment");
    QTest::newRow("epoch") << 0.0 << "1899-12-30 00:00:00.000";
    QTest::newRow("noon of the epoch") << 0.5 << "1899-12-30 12:00:00.000";
    QTest::newRow("negative day keeps a forward fraction") << -1.25 << "1899-12-29 06:00:00.000";
    QTest::newRow("between -1 and 0 is the epoch day") << -0.5 << "1899-12-30 12:00:00.000";
    QTest::newRow("first day") << -693593.0 << "0001-01-01 00:00:00.000";
    QTest::newRow("last millisecond") << 2958465.0 + 86399999.0 / 86400000 << "9999-12-31 23:59:59.999";
    QTest::newRow("sample") << 41209.0 + 50709.0 / 86400 << "2012-10-27 14:05:09.000";
    QTest::newRow("leap day") << 36585.0 << "2000-02-29 00:00:00.000";
}

void TestDates::encodeDecode()
{
    QFETCH(TDateTime, value);
    QFETCH(QString, moment);
    QCOMPARE(stamp(value), moment);
    const QDateTime expected = QDateTime::fromString(moment, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    QCOMPARE(toQDateTime(value), expected);
    QCOMPARE(stamp(fromQDateTime(expected)), moment);
    const QDate date = expected.date();
    const QTime time = expected.time();
    QCOMPARE(stamp(ComposeDateTime(EncodeDate(date.year(), date.month(), date.day()),
                                   EncodeTime(time.hour(), time.minute(), time.second(), time.msec()))),
             moment);
}

void TestDates::everyYearRoundTripsToTheMillisecond()
{
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::uint32_t bound) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % bound);
    };
    for (int year = 1; year <= 9999; ++year) {
        const QDate date(year, 1 + next(12), 1 + next(28));
        const QTime time = QTime::fromMSecsSinceStartOfDay(next(86400000));
        const QDateTime moment(date, time);
        const TDateTime value = fromQDateTime(moment);
        if (toQDateTime(value) != moment)
            QFAIL(qPrintable(moment.toString(Qt::ISODateWithMs) + QStringLiteral(" came back as ")
                             + toQDateTime(value).toString(Qt::ISODateWithMs)));
        int h = 0, mi = 0, s = 0, ms = 0;
        DecodeTime(value, h, mi, s, ms);
        QCOMPARE(QTime(h, mi, s, ms), time);
        QCOMPARE(DayOfWeek(value), date.dayOfWeek() % 7 + 1);
    }
}

void TestDates::timeOfDayRoundingUpMovesToNextDay()
{
    QCOMPARE(stamp(0.99999999999), QStringLiteral("1899-12-31 00:00:00.000"));
    QCOMPARE(stamp(-1.99999999999), QStringLiteral("1899-12-30 00:00:00.000"));
    QCOMPARE(toQDateTime(41209.9999999999), QDateTime(QDate(2012, 10, 28), QTime(0, 0)));
}

void TestDates::invalidFieldsRaise_data()
{
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<bool>("isDate");
    QTest::newRow("month 13") << QList<int>{2012, 13, 1} << true;
    QTest::newRow("month 0") << QList<int>{2012, 0, 1} << true;
    QTest::newRow("february 30") << QList<int>{2012, 2, 30} << true;
    QTest::newRow("february 29 of 1900") << QList<int>{1900, 2, 29} << true;
    QTest::newRow("year 0") << QList<int>{0, 1, 1} << true;
    QTest::newRow("year 10000") << QList<int>{10000, 1, 1} << true;
    QTest::newRow("hour 24") << QList<int>{24, 0, 0, 0} << false;
    QTest::newRow("minute 60") << QList<int>{0, 60, 0, 0} << false;
    QTest::newRow("second 60") << QList<int>{0, 0, 60, 0} << false;
    QTest::newRow("millisecond 1000") << QList<int>{0, 0, 0, 1000} << false;
    QTest::newRow("negative minute") << QList<int>{1, -1, 0, 0} << false;
}

void TestDates::invalidFieldsRaise()
{
    QFETCH(QList<int>, fields);
    QFETCH(bool, isDate);
    try {
        if (isDate)
            EncodeDate(fields[0], fields[1], fields[2]);
        else
            EncodeTime(fields[0], fields[1], fields[2], fields[3]);
        QFAIL("no conversion error");
    } catch (const EConvertError& e) {
        QVERIFY(e.message().startsWith(isDate ? QStringLiteral("Nieprawidłowy argument do kodowania daty")
                                              : QStringLiteral("Nieprawidłowy argument do kodowania czasu")));
    }
}

void TestDates::valuesOutsideTheCalendar()
{
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(), -693594.0, 2958466.0, 1e300}) {
        QVERIFY(!toQDateTime(bad).isValid());
        int y = 0, m = 0, d = 0;
        QVERIFY_THROWS_EXCEPTION(EConvertError, DecodeDate(bad, y, m, d));
        QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::CzasToStr(bad, 1));
    }
    QVERIFY_THROWS_EXCEPTION(EConvertError, fromQDateTime(QDateTime()));
    QVERIFY_THROWS_EXCEPTION(EConvertError, fromQDateTime(QDateTime(QDate(10000, 1, 1), QTime(0, 0))));
}

void TestDates::clockCanBeFixed()
{
    const TDateTime real = Now();
    {
        const ScopedClock fixed(sample());
        QCOMPARE(Now(), sample());
        QCOMPARE(Date(), 41209.0);
        {
            const ScopedClock inner(-1.25);
            QCOMPARE(Date(), -1.0);
        }
        QCOMPARE(Now(), sample());
    }
    // Back on the system clock, which runs forward from where it was.
    QVERIFY(Now() >= real);
    QVERIFY(Now() - real < 1.0);
}

void TestDates::czasToStr_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("style");
    QTest::addColumn<TDateTime>("value");
    QTest::addColumn<TDateTime>("now");
    QTest::addColumn<QString>("text");
    const TDateTime t = sample();
    const TDateTime later = t + 5400.0 / 86400;
    QTest::newRow("0 date and long time") << "sv_SE" << 0 << t << later << "2012-10-27  14:05:09";
    QTest::newRow("1 slash") << "sv_SE" << 1 << t << later << "27-10/14:05";
    QTest::newRow("2 blank") << "sv_SE" << 2 << t << later << "27-10 14:05";
    QTest::newRow("3 underscore") << "sv_SE" << 3 << t << later << "27-10_14:05";
    QTest::newRow("4 short weekday") << "sv_SE" << 4 << t << later << "2012-10-27(So) 14:05:09";
    QTest::newRow("5 long weekday") << "sv_SE" << 5 << t << later << "27-10 [Sobota] 14:05";
    QTest::newRow("6 month and year") << "sv_SE" << 6 << t << later << "Październik  2012";
    QTest::newRow("7 date and weekday") << "sv_SE" << 7 << t << later << "2012-10-27(So)";
    QTest::newRow("8 day-month and time") << "sv_SE" << 8 << t << later << "27-10(So) 14:05:09";
    QTest::newRow("9 elapsed 90 minutes") << "sv_SE" << 9 << t << later << "27-10(So) 14:05:09  [ 01:30:00 ]";
    QTest::newRow("10 elapsed 90 minutes") << "sv_SE" << 10 << t << later << "2012-10-27(So) 14:05:09  [ 01:30:00 ]";
    QTest::newRow("11 as 4") << "sv_SE" << 11 << t << later << "2012-10-27(So) 14:05:09";
    QTest::newRow("11 of zero is empty") << "sv_SE" << 11 << 0.0 << later << "";
    QTest::newRow("12 is empty") << "sv_SE" << 12 << t << later << "";
    QTest::newRow("255 is empty") << "sv_SE" << 255 << t << later << "";
    QTest::newRow("9 future reads zero") << "sv_SE" << 9 << later << t << "27-10(So) 15:35:09  [ 00:00:00 ]";
    QTest::newRow("9 elapsed over a day") << "sv_SE" << 9 << t << t + 86401.0 / 86400
                                          << "27-10(So) 14:05:09  [ 1D 00:00:01 ]";
    QTest::newRow("0 Polish") << "pl_PL" << 0 << t << later << "27.10.2012  14:05:09";
    QTest::newRow("10 Polish") << "pl_PL" << 10 << t << later << "27.10.2012(So) 14:05:09  [ 01:30:00 ]";
    QTest::newRow("0 US drops the zone name") << "en_US" << 0 << t << later << "10/27/12  2:05:09 PM";
    QTest::newRow("6 January") << "pl_PL" << 6 << at(2013, 1, 2) << later << "Styczeń  2013";
    QTest::newRow("1 before 1899-12-30") << "pl_PL" << 1 << -1.25 << later << "29-12/06:00";
}

void TestDates::czasToStr()
{
    QFETCH(QString, locale);
    QFETCH(int, style);
    QFETCH(TDateTime, value);
    QFETCH(TDateTime, now);
    QFETCH(QString, text);
    const LocaleGuard guard{QLocale(locale)};
    const ScopedClock clock(now);
    QCOMPARE(Tmytime::CzasToStr(value, static_cast<std::uint8_t>(style)), text);
}

void TestDates::names()
{
    QCOMPARE(Tmytime::MiesiacAsString(1), QStringLiteral("Styczeń"));
    QCOMPARE(Tmytime::MiesiacAsString(12), QStringLiteral("Grudzień"));
    QCOMPARE(Tmytime::MiesiacAsString(0), QString());
    QCOMPARE(Tmytime::MiesiacAsString(13), QString());
    QCOMPARE(Tmytime::DzienT(0), QString());
    QCOMPARE(Tmytime::DzienT(8), QString());
    QCOMPARE(Tmytime::DzienTshort(0), QString());
    QCOMPARE(Tmytime::DzienTshort(8), QString());
    const QStringList longNames = {"Niedziela", "Poniedziałek", "Wtorek", "Środa", "Czwartek", "Piątek", "Sobota"};
    const QStringList shortNames = {"Nd", "Pn", "Wt", "Śr", "Cz", "Pt", "So"};
    // 2012-10-21 was a Sunday.
    for (int d = 1; d <= 7; ++d) {
        QCOMPARE(Tmytime::DzienT(static_cast<std::uint16_t>(d)), longNames[d - 1]);
        QCOMPARE(Tmytime::DzienTshort(static_cast<std::uint16_t>(d)), shortNames[d - 1]);
        QCOMPARE(Tmytime::DateToDzienT(at(2012, 10, 20 + d, 23, 59)), longNames[d - 1]);
    }
    QCOMPARE(Tmytime::DateToDzienT(-693593.0), QStringLiteral("Poniedziałek")); // 0001-01-01
}

void TestDates::monthLengthsAndEnds_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("lastDay");
    QTest::newRow("january") << 2011 << 1 << 31 << 31;
    QTest::newRow("april") << 2011 << 4 << 30 << 30;
    QTest::newRow("december") << 2011 << 12 << 31 << 31;
    QTest::newRow("february 2012 leap") << 2012 << 2 << 29 << 28;
    QTest::newRow("february 2000 leap") << 2000 << 2 << 29 << 28;
    QTest::newRow("february 1900 common") << 1900 << 2 << 28 << 28;
    QTest::newRow("february 2011 common") << 2011 << 2 << 28 << 28;
}

void TestDates::monthLengthsAndEnds()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QFETCH(int, lastDay);
    const auto y = static_cast<std::uint16_t>(year);
    const auto m = static_cast<std::uint16_t>(month);
    QCOMPARE(int(Tmytime::Dni_w_miesiacu(m, y)), days);
    QCOMPARE(Tmytime::EncodeDateEnd(y, m), EncodeDate(year, month, lastDay));
    QCOMPARE(Tmytime::RokMcToDate(y, m), EncodeDate(year, month, 1));
}

void TestDates::monthBoundsRaise()
{
    QCOMPARE(int(Tmytime::Dni_w_miesiacu(0, 2012)), 0);
    QCOMPARE(int(Tmytime::Dni_w_miesiacu(13, 2012)), 0);
    QCOMPARE(Tmytime::RokMcToDate(2012, 0), 0.0);
    QCOMPARE(Tmytime::RokMcToDate(2012, 13), 0.0);
    QCOMPARE(Tmytime::RokMcToDate(0, 5), 0.0);
    QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::RokMcToDate(10000, 1));
    QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::EncodeDateEnd(2012, 0));
    QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::EncodeDateEnd(2012, 13));
    QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::EncodeDateEnd(0, 1));
    QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::EncodeDateEnd(10000, 1));
}

void TestDates::dateTimeCode_data()
{
    QTest::addColumn<TDateTime>("moment");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("seconds dropped") << at(2012, 1, 5, 7, 8, 59) << "201201050708" << "2012-01-05 07:08:00.000";
    QTest::newRow("sample") << sample() << "201210271405" << "2012-10-27 14:05:00.000";
    QTest::newRow("epoch") << 0.0 << "189912300000" << "1899-12-30 00:00:00.000";
    QTest::newRow("before the epoch") << -1.25 << "189912290600" << "1899-12-29 06:00:00.000";
    QTest::newRow("first minute") << -693593.0 << "000101010000" << "0001-01-01 00:00:00.000";
    QTest::newRow("last minute") << at(9999, 12, 31, 23, 59, 59, 999) << "999912312359" << "9999-12-31 23:59:00.000";
}

void TestDates::dateTimeCode()
{
    QFETCH(TDateTime, moment);
    QFETCH(QString, code);
    QFETCH(QString, decoded);
    QCOMPARE(Tmytime::date_time_code(moment), code);
    QCOMPARE(stamp(Tmytime::decode_date_time(code)), decoded);
    QCOMPARE(Tmytime::date_time_code(Tmytime::decode_date_time(code)), code);
}

void TestDates::decodeRejects_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("11 characters") << "20121027140";
    QTest::newRow("13 characters") << "2012102714050";
    QTest::newRow("empty") << "";
    QTest::newRow("letter") << "2012102714a5";
    QTest::newRow("sign") << "2012+1271405";
    QTest::newRow("blank") << "2012 1271405";
    QTest::newRow("non-ASCII digit") << QStringLiteral("20121027140\u0665");
}

void TestDates::decodeRejects()
{
    QFETCH(QString, code);
    QCOMPARE(Tmytime::decode_date_time(code), 0.0);
}

void TestDates::decodeRaisesOnImpossibleFields_data()
{
    QTest::addColumn<QString>("code");
    QTest::newRow("month 13") << "201213011200";
    QTest::newRow("day 32") << "201201321200";
    QTest::newRow("february 30") << "201202301200";
    QTest::newRow("hour 24") << "201201012400";
    QTest::newRow("minute 60") << "201201011260";
    QTest::newRow("year 0") << "000001011200";
}

void TestDates::decodeRaisesOnImpossibleFields()
{
    QFETCH(QString, code);
    QVERIFY_THROWS_EXCEPTION(EConvertError, Tmytime::decode_date_time(code));
}

void TestDates::ranges_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QList<int>>("range");
    QTest::addColumn<bool>("inside");
    const QList<int> shift{8, 0, 16, 0};
    QTest::newRow("at the start") << 8 << 0 << shift << true;
    QTest::newRow("at the end") << 16 << 0 << shift << true;
    QTest::newRow("a minute after") << 16 << 1 << shift << false;
    QTest::newRow("a minute before") << 7 << 59 << shift << false;
    QTest::newRow("across midnight contains nothing") << 23 << 0 << QList<int>{22, 0, 6, 0} << false;
    QTest::newRow("one-minute range") << 12 << 30 << QList<int>{12, 30, 12, 30} << true;
}

void TestDates::ranges()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QList<int>, range);
    QFETCH(bool, inside);
    const auto u = [](int v) { return static_cast<std::uint16_t>(v); };
    QCOMPARE(Tmytime::GMwZakresie(u(hour), u(minute), u(range[0]), u(range[1]), u(range[2]), u(range[3])), inside);
    // Seconds do not count: the last second of the tested minute is still inside.
    QCOMPARE(Tmytime::CzasWZakresie(at(2012, 10, 27, hour, minute, 59), u(range[0]), u(range[1]), u(range[2]),
                                    u(range[3])),
             inside);
}

void TestDates::secondsBetween_data()
{
    QTest::addColumn<TDateTime>("from");
    QTest::addColumn<TDateTime>("to");
    QTest::addColumn<int>("seconds");
    const TDateTime day = at(2012, 10, 27);
    QTest::newRow("equal") << sample() << sample() << 0;
    QTest::newRow("one day") << day << at(2012, 10, 28) << 86400;
    QTest::newRow("one day back") << at(2012, 10, 28) << day << -86400;
    QTest::newRow("100 days by the system's second") << day << day + 100 << 8639996;
    QTest::newRow("90 minutes") << sample() << sample() + 5400.0 / 86400 << 5400;
    QTest::newRow("across the epoch") << -1.25 << 0.25 << 86400;
    QTest::newRow("before the epoch by the calendar, not the raw values") << -2.75 << -1.25 << 43200;
    QTest::newRow("beyond 32 bits is capped") << -693593.0 << 2958465.0 << std::numeric_limits<std::int32_t>::max();
    QTest::newRow("beyond 32 bits back") << 2958465.0 << -693593.0 << std::numeric_limits<std::int32_t>::min();
}

void TestDates::secondsBetween()
{
    QFETCH(TDateTime, from);
    QFETCH(TDateTime, to);
    QFETCH(int, seconds);
    QCOMPARE(Tmytime::SekundOdDo(from, to), seconds);
}

void TestDates::daysToAndFromToday()
{
    const ScopedClock clock(at(2012, 10, 27, 15, 30));
    QCOMPARE(Tmytime::DniOdTerazDo(at(2012, 10, 28, 18)), 1);
    QCOMPARE(Tmytime::DniOdDoTeraz(at(2012, 10, 26, 6)), 0);
    QCOMPARE(Tmytime::DniOdDoTeraz(at(2012, 10, 26)), 1);
    QCOMPARE(Tmytime::DniOdDoTeraz(at(2012, 10, 27, 23)), 0);
    QCOMPARE(Tmytime::DniOdTerazDo(at(2011, 10, 27)), -366);
    QCOMPARE(Tmytime::DniOdDoTeraz(at(1899, 12, 29, 6)), 41209 + 0);
    QCOMPARE(Tmytime::DniOdDoTeraz(at(1899, 12, 29)), 41210);
}

void TestDates::componentsAndFileName()
{
    const TDateTime t = sample();
    QCOMPARE(Tmytime::Rok(t), std::uint16_t(2012));
    QCOMPARE(Tmytime::Mies(t), std::uint16_t(10));
    QCOMPARE(Tmytime::Dzien(t), std::uint16_t(27));
    QCOMPARE(Tmytime::Godzina(t), std::uint16_t(14));
    QCOMPARE(Tmytime::Minuta(t), std::uint16_t(5));
    QCOMPARE(Tmytime::DateFileName(t, false), QStringLiteral("2012_10_27_14_05"));
    QCOMPARE(Tmytime::DateFileName(t, true), QStringLiteral("2012_10_27_14_05_09"));
    QCOMPARE(Tmytime::DateFileName(at(987, 1, 2, 3, 4, 5), true), QStringLiteral("987_01_02_03_04_05"));
}

void TestDates::hours()
{
    QCOMPARE(Tmytime::LhToLh(5400), 1.5f);
    QCOMPARE(Tmytime::LhToLh(-1800), -0.5f);
    QCOMPARE(Tmytime::LhToLh(1), 1.0f / 3600);
    {
        const LocaleGuard guard{QLocale(QLocale::English, QLocale::UnitedStates)};
        QCOMPARE(Tmytime::LhToLhStr(5400), QStringLiteral("1.50"));
        QCOMPARE(Tmytime::LhToLhStr(3600 * 1234 + 36), QStringLiteral("1,234.01"));
        QCOMPARE(Tmytime::LhToLhStr(0), QStringLiteral("0.00"));
        QCOMPARE(Tmytime::LhToLhStr(-5400), QStringLiteral("-1.50"));
    }
    const LocaleGuard guard{QLocale(QLocale::Polish, QLocale::Poland)};
    QCOMPARE(Tmytime::LhToLhStr(5400), QStringLiteral("1,50"));
    QCOMPARE(Tmytime::LhToLhStr(3600 * 1234), QStringLiteral("1\u00A0234,00"));
}

void TestDates::setSystemTimeAsksTheSystem()
{
    // The test runs in UTC (see main), so local wall-clock time and the system's clock agree.
    const ScopedClock clock(at(2012, 10, 27, 14, 5, 9, 250));
    std::optional<timespec> asked;
    clockid_t askedClock = -1;
    int answer = 0;
    const ScopedClockSetCall call([&](clockid_t id, const timespec* ts) {
        askedClock = id;
        asked = *ts;
        if (answer != 0)
            errno = EPERM;
        return answer;
    });

    QVERIFY(Tmytime::SetSystemTime(2013, 1, 2, 3, 4));
    QCOMPARE(askedClock, CLOCK_REALTIME);
    QVERIFY(asked);
    QCOMPARE(qint64(asked->tv_sec), QDateTime(QDate(2013, 1, 2), QTime(3, 4, 9), Qt::UTC).toSecsSinceEpoch());
    QCOMPARE(qint64(asked->tv_nsec), qint64(250000000));

    // Before 1970 the nanosecond part stays positive.
    QVERIFY(Tmytime::SetSystemTime(1969, 12, 31, 23, 59));
    QCOMPARE(qint64(asked->tv_sec), qint64(-51));
    QCOMPARE(qint64(asked->tv_nsec), qint64(250000000));

    answer = -1;
    QVERIFY(!Tmytime::SetSystemTime(2013, 1, 2, 3, 4));

    answer = 0;
    asked.reset();
    QVERIFY(!Tmytime::SetSystemTime(2013, 2, 30, 3, 4));
    QVERIFY(!Tmytime::SetSystemTime(2013, 1, 2, 24, 0));
    QVERIFY(!Tmytime::SetSystemTime(2013, 1, 2, 3, 60));
    QVERIFY(!Tmytime::SetSystemTime(0, 1, 2, 3, 4));
    QVERIFY(!asked);
}

void TestDates::setSystemTimeRefusedWithoutTheRight()
{
    const QString self = QCoreApplication::applicationFilePath();
    QProcess child;
    if (geteuid() == 0)
        child.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                QStringLiteral("--clear-groups"), self,
                                                QString::fromLatin1(trySettingClockFlag)});
    else
        child.start(self, {QString::fromLatin1(trySettingClockFlag)});
    QVERIFY2(child.waitForFinished(30000), qPrintable(child.errorString()));
    QCOMPARE(QString::fromLatin1(child.readAllStandardOutput()).trimmed(), QStringLiteral("refused"));
    QCOMPARE(child.exitCode(), 0);
}

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], trySettingClockFlag) == 0)
        return trySettingClock();
    // Fixed time zone: local wall-clock conversions must not depend on the machine.
    qputenv("TZ", "UTC");
    tzset();
    QCoreApplication app(argc, argv);
    TestDates test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dates.moc"
