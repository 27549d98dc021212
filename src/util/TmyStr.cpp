#include "util/TmyStr.h"

#include <QLocale>
#include <algorithm>
#include <vector>

namespace {

// Upper case of each character of `text` on its own, so that a letter whose upper case
// has another length (German sharp s, ligatures) still maps to exactly one source
// character and positions in the source cannot shift.
std::vector<QString> foldEach(const QString& text, const QLocale& locale)
{
    std::vector<QString> folded;
    folded.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype len = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        folded.push_back(locale.toUpper(text.mid(i, len)));
        if (len == 2) {
            folded.push_back(QString()); // the low surrogate carries no text of its own
            ++i;
        }
    }
    return folded;
}

} // namespace

QString TmyStr::MyStringReplace(const QString& str, const QString& old, const QString& new_)
{
    if (old.isEmpty() || str.isEmpty())
        return str;
    const QLocale locale;
    const QString target = locale.toUpper(old);

    // Usually upper-casing keeps every character's length, and the folded text lines up
    // with the source position for position.
    const QString upper = locale.toUpper(str);
    if (upper.size() == str.size()) {
        QString result;
        qsizetype from = 0;
        for (qsizetype at = upper.indexOf(target); at >= 0; at = upper.indexOf(target, from)) {
            result += QStringView(str).mid(from, at - from);
            result += new_;
            from = at + target.size();
        }
        result += QStringView(str).mid(from);
        return result;
    }

    const std::vector<QString> folded = foldEach(str, locale);
    const qsizetype n = str.size();

    // Length in source characters of a match of `target` starting at `start`, or 0.
    auto matchAt = [&](qsizetype start) -> qsizetype {
        if (str.at(start).isLowSurrogate() && start > 0 && str.at(start - 1).isHighSurrogate())
            return 0;
        qsizetype matched = 0;
        for (qsizetype j = start; j < n; ++j) {
            const QString& piece = folded[static_cast<size_t>(j)];
            if (QStringView(target).mid(matched, piece.size()) != piece)
                return 0;
            matched += piece.size();
            if (matched == target.size()) {
                // A surrogate pair is consumed whole.
                if (j + 1 < n && str.at(j).isHighSurrogate())
                    ++j;
                return j + 1 - start;
            }
        }
        return 0;
    };

    QString result;
    result.reserve(str.size());
    qsizetype i = 0;
    while (i < n) {
        const qsizetype len = matchAt(i);
        if (len > 0) {
            result += new_;
            i += len;
        } else {
            result += str.at(i);
            ++i;
        }
    }
    return result;
}

namespace {

constexpr QChar space = u' ';

bool allOf(const QString& s, bool (*test)(QChar))
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), test);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString TmyStr::FirstWord(const QString& s)
{
    const QString rest = BezSpacjiZLewej(s);
    const qsizetype end = rest.indexOf(space);
    return end < 0 ? rest : rest.left(end);
}

std::int32_t TmyStr::WordInString(const QString& s, QChar ds)
{
    std::int32_t words = 0;
    bool inWord = false;
    for (const QChar c : s) {
        const bool separator = c == space || c == ds;
        if (!separator && !inWord)
            ++words;
        inWord = !separator;
    }
    return words;
}

bool TmyStr::IsCharInString(QChar c, const QString& S)
{
    return S.contains(c, Qt::CaseSensitive);
}

std::int32_t TmyStr::CountCharInStr(QChar c, const QString& S)
{
    return static_cast<std::int32_t>(std::count(S.begin(), S.end(), c));
}

QString TmyStr::WywalOstatniZnak(const QString& s, const QString& znak)
{
    const QString trimmed = BezSpacjiZPrawej(s);
    if (trimmed.size() < 2)
        return trimmed;
    return QStringView(trimmed).right(1) == znak ? trimmed.chopped(1) : trimmed;
}

void TmyStr::SL_Sort_RemoveDuplicate(platform::TStringList& sl)
{
    platform::TStringList unique;
    unique.setSorted(true);
    unique.setDuplicates(platform::TDuplicates::dupIgnore);
    for (int i = 0; i < sl.Count(); ++i)
        unique.AddObject(sl.Strings(i), sl.Objects(i));
    sl.Assign(unique);
}

QString TmyStr::WywalOgonki(const QString& s)
{
    // Each letter maps to a plain ASCII letter that no other rule touches, so applying the
    // rules one after another equals this single pass.
    static const QString from = QStringLiteral("ąĄęĘśŚćĆóÓżŻźŹ");
    static const QString to = QStringLiteral("aAeEsScCoOzZzZ");
    QString out = s;
    for (QChar& c : out) {
        const qsizetype i = from.indexOf(c);
        if (i >= 0)
            c = to.at(i);
    }
    return out;
}

QString TmyStr::DeleteSubStringInString(const QString& substring, const QString& InputString)
{
    if (substring.isEmpty())
        return InputString;
    // Removing the first occurrence and searching again from the start gives the same text
    // as removing each occurrence as soon as it is complete while copying left to right:
    // the text before a removal never holds an occurrence. The copy takes linear passes
    // instead of one search from the start per removal.
    QString out;
    out.reserve(InputString.size());
    const qsizetype n = substring.size();
    for (const QChar c : InputString) {
        out.append(c);
        if (out.size() >= n && QStringView(out).right(n) == substring)
            out.chop(n);
    }
    return out;
}

QString TmyStr::DeleteLineBreaks(const QString& S)
{
    QString out = S;
    for (QChar& c : out) {
        if (c == u'\r' || c == u'\n')
            c = space;
    }
    return out;
}

QByteArray TmyStr::StrRestOf(const QByteArray& S, std::int32_t N)
{
    if (N <= 1)
        return S;
    if (N > S.size())
        return {};
    return S.mid(N - 1);
}

QByteArray TmyStr::StrLeft(const QByteArray& S, std::int32_t Count)
{
    return Count <= 0 ? QByteArray() : S.left(Count);
}

QByteArray TmyStr::StrAfter(const QByteArray& SubStr, const QByteArray& S)
{
    const qsizetype p = SubStr.isEmpty() ? -1 : S.indexOf(SubStr);
    return p < 0 ? QByteArray() : S.mid(p + SubStr.size());
}

QByteArray TmyStr::StrBefore(const QByteArray& SubStr, const QByteArray& S)
{
    const qsizetype p = SubStr.isEmpty() ? -1 : S.indexOf(SubStr);
    return p < 0 ? S : S.left(p);
}

bool TmyStr::CharIsHex(QChar C)
{
    return isDigit(C) || (C >= u'A' && C <= u'F') || (C >= u'a' && C <= u'f');
}

bool TmyStr::StrIsHex(const QString& S)
{
    return allOf(S, CharIsHex);
}

bool TmyStr::CharIsAlpha(QChar C)
{
    return isDigit(C);
}

bool TmyStr::StrIsAlpha(const QString& S)
{
    return allOf(S, isDigit);
}

bool TmyStr::StrIsRealAlpha(const QString& S)
{
    return allOf(S, [](QChar c) { return isDigit(c) || c == u'.' || c == u','; });
}

QString TmyStr::BezSpacji(const QString& InputString)
{
    QString out = InputString;
    out.remove(space);
    return out;
}

QString TmyStr::BezSpacjiZPrawej(const QString& InputString)
{
    qsizetype end = InputString.size();
    while (end > 0 && InputString.at(end - 1) == space)
        --end;
    return InputString.left(end);
}

QString TmyStr::BezSpacjiZLewej(const QString& InputString)
{
    qsizetype start = 0;
    while (start < InputString.size() && InputString.at(start) == space)
        ++start;
    return InputString.mid(start);
}
