#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Date-time values of the system: a double counting days since 1899-12-30 with the
// time of day as the fraction (0.5 is 12:00). Before 1899-12-30 the integer part is
// negative and the time of day is the fraction's magnitude, so -1.25 is 1899-12-29 06:00.
// Valid values span 0001-01-01 to 9999-12-31; every operation here resolves the time of
// day to the nearest millisecond.
namespace platform {

using TDateTime = double;
using TDate = double;

// Local wall-clock time, exact to the millisecond. An invalid QDateTime for NaN,
// an infinity or a value outside years 1 to 9999.
QDateTime toQDateTime(TDateTime value);
// The local time of `moment`. Raises EConvertError for an invalid QDateTime or one
// outside years 1 to 9999.
TDateTime fromQDateTime(const QDateTime& moment);

// Raise EConvertError when the fields make no valid date (years 1 to 9999, Gregorian
// calendar) or time (0:00:00.000 to 23:59:59.999).
TDateTime EncodeDate(int y, int m, int d);
TDateTime EncodeTime(int h, int mi, int s, int ms);
// The date of `date` joined with the time of day of `time`, following the sign rule
// above (a plain sum would move a time backwards before 1899-12-30).
TDateTime ComposeDateTime(TDate date, TDateTime time);

// Raise EConvertError for a value outside years 1 to 9999 or not a number.
void DecodeDate(TDateTime value, int& y, int& m, int& d);
void DecodeTime(TDateTime value, int& h, int& mi, int& s, int& ms);
// 1 = Sunday .. 7 = Saturday. Raises as DecodeDate.
int DayOfWeek(TDateTime value);

// The value as a position on a straight time line, in days: differences of two such
// positions are true durations also across and before 1899-12-30.
double toLinearDays(TDateTime value);
TDateTime fromLinearDays(double days);

// The current local date and time, read from the library's one replaceable clock
// (platform/Clock.h); Date() is its date part.
TDateTime Now();
TDate Date();

// The date in the locale's short date format and the time in its long time format
// (with seconds, without a time-zone name). Raise as DecodeDate.
QString ShortDateString(TDateTime value, const QLocale& locale = QLocale());
QString LongTimeString(TDateTime value, const QLocale& locale = QLocale());

} // namespace platform
