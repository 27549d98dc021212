#include "util/TmyStr.h"

#include <QLocale>
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
