#include "platform/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace platform {

FormatSettings FormatSettings::fromLocale(const QLocale& locale)
{
    FormatSettings s;
    const QString dec = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!dec.isEmpty())
        s.decimalSeparator = dec.front();
    if (!group.isEmpty())
        s.thousandSeparator = group.front();
    return s;
}

FormatSettings FormatSettings::current()
{
    return fromLocale(QLocale());
}

namespace {

struct Token {
    enum Kind { Literal, IntDigit, FracDigit, Decimal, Thousands } kind;
    QString text;
};

struct Pattern {
    std::vector<Token> tokens;
    int minInt = 0;
    int maxFrac = 0;
    int minFrac = 0;
    bool thousands = false;
    bool hasDigits = false;
};

Pattern parse(const QString& pattern)
{
    Pattern p;
    bool afterDecimal = false;
    int intCount = 0;
    int firstIntZero = -1;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar ch = pattern.at(i);
        if (ch == u'\'' || ch == u'"') {
            const qsizetype end = pattern.indexOf(ch, i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            p.tokens.push_back({Token::Literal, pattern.mid(i + 1, stop - i - 1)});
            i = stop;
        } else if (ch == u'0' || ch == u'#') {
            p.hasDigits = true;
            if (afterDecimal) {
                ++p.maxFrac;
                if (ch == u'0')
                    p.minFrac = p.maxFrac;
                p.tokens.push_back({Token::FracDigit, {}});
            } else {
                if (ch == u'0' && firstIntZero < 0)
                    firstIntZero = intCount;
                ++intCount;
                p.tokens.push_back({Token::IntDigit, {}});
            }
        } else if (ch == u'.' && !afterDecimal) {
            afterDecimal = true;
            p.tokens.push_back({Token::Decimal, {}});
        } else if (ch == u',' && !afterDecimal) {
            p.thousands = true;
            p.tokens.push_back({Token::Thousands, {}});
        } else if (ch != u'.' && ch != u',') {
            p.tokens.push_back({Token::Literal, QString(ch)});
        }
    }
    p.minInt = firstIntZero < 0 ? 0 : intCount - firstIntZero;
    return p;
}

// Decimal digits of |value| rounded half away from zero to `decimals` places.
void splitDigits(extended value, int decimals, QString& intPart, QString& fracPart)
{
    // Enough digits to hold the exact binary expansion of every value that can round to
    // a non-zero result, so the tie test below sees the true digits.
    const int precision = decimals + 80;
    const extended a = std::fabs(value);
    const int size = std::snprintf(nullptr, 0, "%.*Lf", precision, a);
    std::vector<char> buf(static_cast<size_t>(size > 0 ? size : 0) + 1);
    const int written = std::snprintf(buf.data(), buf.size(), "%.*Lf", precision, a);
    QString s = QString::fromLatin1(buf.data(), written == size ? size : 0);
    if (!s.contains(u'.'))
        s = QStringLiteral("0.") + QString(precision, u'0');
    const qsizetype dot = s.indexOf(u'.');
    QString digits = s.left(dot) + s.mid(dot + 1, decimals);
    const bool roundUp = s.at(dot + 1 + decimals) >= u'5';
    if (roundUp) {
        qsizetype i = digits.size() - 1;
        for (; i >= 0; --i) {
            if (digits[i] == u'9') {
                digits[i] = u'0';
            } else {
                digits[i] = QChar(digits[i].unicode() + 1);
                break;
            }
        }
        if (i < 0)
            digits.prepend(u'1');
    }
    intPart = digits.left(digits.size() - decimals);
    fracPart = digits.right(decimals);
    qsizetype lead = 0;
    while (lead < intPart.size() && intPart[lead] == u'0')
        ++lead;
    intPart.remove(0, lead);
}

QString group(const QString& digits, QChar separator)
{
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

} // namespace

QString FormatFloat(const QString& pattern, extended value, const FormatSettings& settings)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");

    const Pattern p = parse(pattern);
    QString intPart, fracPart;
    splitDigits(value, p.maxFrac, intPart, fracPart);
    const bool isZero = intPart.isEmpty() && std::all_of(fracPart.begin(), fracPart.end(), [](QChar c) { return c == u'0'; });
    while (fracPart.size() > p.minFrac && fracPart.endsWith(u'0'))
        fracPart.chop(1);
    if (intPart.size() < p.minInt)
        intPart = QString(p.minInt - intPart.size(), u'0') + intPart;
    if (p.thousands)
        intPart = group(intPart, settings.thousandSeparator);
    const QString number = (value < 0 && !isZero ? QStringLiteral("-") : QString()) + intPart;

    QString out;
    bool numberWritten = false;
    for (const Token& t : p.tokens) {
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::IntDigit:
        case Token::Thousands:
            if (!numberWritten && t.kind == Token::IntDigit) {
                out += number;
                numberWritten = true;
            }
            break;
        case Token::Decimal:
            if (!numberWritten && p.hasDigits) {
                out += number;
                numberWritten = true;
            }
            if (!fracPart.isEmpty())
                out += settings.decimalSeparator + fracPart;
            break;
        case Token::FracDigit:
            break;
        }
    }
    return out;
}

} // namespace platform
