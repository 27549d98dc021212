#pragma once

#include "platform/DateTime.h"

#include <QString>
#include <cstdint>

// Dates, times and durations. Stateless: every operation is called without an object.
// Operations that take a date-time outside years 1 to 9999 (or not a number) raise
// platform::EConvertError.
class Tmytime {
public:
    using TDateTime = platform::TDateTime;
    using TDate = platform::TDate;

    // Hours, minutes and seconds as hh:mm:ss (hours capped at 999).
    static QString SecToGMS(std::int32_t s);
    // The one text form of a duration: "00:00:00" for s <= 0, hh:mm:ss up to one day
    // inclusive, above that the day count, "D " and hh:mm:ss of the rest.
    static QString SecTcDGM(std::int32_t s);
    // The same form for a 64-bit count (sums of several 32-bit times).
    static QString SecTcDGM64(std::int64_t s);
    // As SecTcDGM, but "0" for s <= 0.
    static QString SecTcDGM2(std::int32_t s);

    // aDT in one of the twelve display styles 0..11; empty text for any other style.
    // Styles 9 and 10 include the time elapsed from aDT to now.
    static QString CzasToStr(TDateTime aDT, std::uint8_t Styl);
    // "dd-mm" and "hh:mm".
    static QString DateToDM(TDateTime t);
    static QString TimeToGM(TDateTime t);
    // Polish month name for 1..12, weekday names for 1 = Sunday .. 7 = Saturday;
    // empty text for any other number.
    static QString MiesiacAsString(std::uint8_t nr);
    static QString DzienT(std::uint16_t d);
    static QString DzienTshort(std::uint16_t d);
    static QString DateToDzienT(TDate d);

    // Days in month mc of year rok; 0 for a month outside 1..12.
    static std::uint8_t Dni_w_miesiacu(std::uint16_t mc, std::uint16_t rok);
    // The month's last day, with February always ending on the 28th. Raises
    // EConvertError for a month outside 1..12 or a year outside 1..9999.
    static TDate EncodeDateEnd(std::uint16_t rok, std::uint16_t mc);
    // The month's first day; 0 for year 0, month 0 or a month above 12. Raises
    // EConvertError for a year above 9999.
    static TDate RokMcToDate(std::uint16_t rok, std::uint16_t mc);

    // "yyyymmddhhnn"; seconds are dropped.
    static QString date_time_code(TDateTime dt);
    // Reads a code of date_time_code; 0 for text that is not twelve decimal digits.
    // Raises EConvertError when the digits make no valid date or time.
    static TDateTime decode_date_time(const QString& sx);

    // True when G:M lies in OdG:OdM .. DoG:DoM, both ends included. A range that would
    // cross midnight contains nothing.
    static bool GMwZakresie(std::uint16_t G, std::uint16_t M, std::uint16_t OdG, std::uint16_t OdM,
                            std::uint16_t DoG, std::uint16_t DoM);
    static bool CzasWZakresie(TDateTime t, std::uint16_t OdG, std::uint16_t OdM, std::uint16_t DoG,
                              std::uint16_t DoM);

    // Signed whole seconds from t1 to t2, counted with the system's second of
    // 0.000011574079 days; kept within the 32-bit range.
    static std::int32_t SekundOdDo(TDateTime t1, TDateTime t2);
    // Whole days from D to today, and from today to D.
    static std::int32_t DniOdDoTeraz(TDate D);
    static std::int32_t DniOdTerazDo(TDate D);

    static std::uint16_t Rok(TDateTime t);
    static std::uint16_t Mies(TDateTime t);
    static std::uint16_t Dzien(TDateTime t);
    static std::uint16_t Godzina(TDateTime t);
    static std::uint16_t Minuta(TDateTime t);

    // "yyyy_mm_dd_hh_nn", with "_ss" when sec is true.
    static QString DateFileName(TDateTime t, bool sec);

    // Sets the computer's local clock to the given date, hour and minute, keeping the
    // current second and millisecond. True when the operating system accepted it.
    static bool SetSystemTime(std::uint16_t Y, std::uint16_t M, std::uint16_t D, std::uint16_t G, std::uint16_t Mi);

    // Seconds as hours, and as text with "#,##0.00" in the user's locale.
    static float LhToLh(std::int32_t sec);
    static QString LhToLhStr(std::int32_t sec);
};
