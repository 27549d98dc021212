#pragma once

#include <QString>

// Comparison of texts by the rules of the user's locale (the default QLocale): the order
// of its alphabet, Polish letters after their base letters under Polish settings.
// Results are negative, zero or positive.
namespace platform {

// Letters compared without regard to case: "a" and "A" are equal, "a" and "ą" are not.
int AnsiCompareText(const QString& a, const QString& b);
// Letters compared with their case.
int AnsiCompareStr(const QString& a, const QString& b);

} // namespace platform
