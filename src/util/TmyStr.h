#pragma once

#include "platform/StringList.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <cstdint>

// String helpers. Stateless: every operation is called without an object.
class TmyStr {
public:
    // str with every occurrence of old replaced by new_, letters compared without regard
    // to case (locale-aware); the copied text keeps its own case.
    static QString MyStringReplace(const QString& str, const QString& old, const QString& new_);

    // A space is U+0020 only; positions are 1-based.

    // The first word after the leading spaces.
    static QString FirstWord(const QString& s);
    // Number of runs of characters that are neither a space nor ds.
    static std::int32_t WordInString(const QString& s, QChar ds);
    static bool IsCharInString(QChar c, const QString& S);
    static std::int32_t CountCharInStr(QChar c, const QString& S);
    // s without trailing spaces and then without a final znak; a text shorter than two
    // characters after the trim is returned as it is.
    static QString WywalOstatniZnak(const QString& s, const QString& znak);
    // Sorts sl in the locale's order without regard to case and drops every string equal
    // to an earlier one; the first of equal strings stays with its object. The list's
    // own settings are not changed.
    static void SL_Sort_RemoveDuplicate(platform::TStringList& sl);
    // ą ę ś ć ó ż ź and their capitals replaced by their base letters; ł and ń stay.
    static QString WywalOgonki(const QString& s);
    // InputString with substring removed until none is left, also occurrences that a
    // removal creates.
    static QString DeleteSubStringInString(const QString& substring, const QString& InputString);
    // Every CR and LF replaced by one space.
    static QString DeleteLineBreaks(const QString& S);

    // 8-bit text in the system's code page (Windows-1250); positions and lengths count bytes.
    static QByteArray StrRestOf(const QByteArray& S, std::int32_t N);
    static QByteArray StrLeft(const QByteArray& S, std::int32_t Count);
    // The part after the first SubStr, or empty text when there is none.
    static QByteArray StrAfter(const QByteArray& SubStr, const QByteArray& S);
    // The part before the first SubStr, or all of S when there is none.
    static QByteArray StrBefore(const QByteArray& SubStr, const QByteArray& S);

    static bool CharIsHex(QChar C);
    static bool StrIsHex(const QString& S);
    // Decimal digits "0".."9" only, despite the name.
    static bool CharIsAlpha(QChar C);
    static bool StrIsAlpha(const QString& S);
    // Decimal digits, "." and "," in any number and order.
    static bool StrIsRealAlpha(const QString& S);

    static QString BezSpacji(const QString& InputString);
    static QString BezSpacjiZPrawej(const QString& InputString);
    static QString BezSpacjiZLewej(const QString& InputString);
};
