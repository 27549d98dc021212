#pragma once

#include "platform/Numbers.h"

#include <QChar>
#include <QLocale>
#include <QString>

namespace platform {

// The separators a number-format pattern writes for "." and ",".
struct FormatSettings {
    QChar decimalSeparator = u'.';
    QChar thousandSeparator = u',';

    static FormatSettings fromLocale(const QLocale& locale);
    // The user's settings: those of the default locale (QLocale()), which is the
    // system's unless the program or a test has set another.
    static FormatSettings current();
    static FormatSettings c() { return {}; }
};

// Formats value with a number-format pattern:
//   "0"  a digit always written; "#" a digit written only when significant;
//   "."  the place of the decimal separator; "," anywhere in the integer part turns on
//        thousands separators; text in '...' or "..." and every other character
//        (including "%", which does not multiply) is written as it stands.
// The value is rounded to the pattern's number of decimals, halves away from zero on
// its exact binary value. A minus sign precedes the digits when the written number is
// not zero.
QString FormatFloat(const QString& pattern, extended value, const FormatSettings& settings = FormatSettings::current());

} // namespace platform
