#include "platform/db/SqlIdentifier.h"

namespace platform {

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads one part of the name starting at `i`; returns the index after it, or -1.
qsizetype readPart(QStringView name, qsizetype i)
{
    const qsizetype n = name.size();
    if (i >= n)
        return -1;
    if (name[i] == u'"') {
        qsizetype j = i + 1;
        qsizetype length = 0;
        while (j < n) {
            if (name[j] == u'"') {
                if (j + 1 < n && name[j + 1] == u'"') {
                    j += 2;
                    ++length;
                    continue;
                }
                return length > 0 ? j + 1 : -1;
            }
            ++j;
            ++length;
        }
        return -1; // no closing quote
    }
    if (!isAsciiLetter(name[i]))
        return -1;
    qsizetype j = i + 1;
    while (j < n && (isAsciiLetter(name[j]) || isAsciiDigit(name[j]) || name[j] == u'_' || name[j] == u'$'))
        ++j;
    return j;
}

} // namespace

bool isSqlIdentifier(QStringView name)
{
    qsizetype i = 0;
    for (;;) {
        i = readPart(name, i);
        if (i < 0)
            return false;
        if (i == name.size())
            return true;
        if (name[i] != u'.')
            return false;
        ++i;
    }
}

} // namespace platform
