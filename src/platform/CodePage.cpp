#include "platform/CodePage.h"

#include <QList>

#include <cerrno>
#include <iconv.h>
#include <memory>

namespace platform {

namespace {

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using Iconv = std::unique_ptr<void, IconvCloser>;

Iconv openIconv(const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return Iconv(cd);
}

// Converts one unit of `unitSize` input bytes; false when iconv rejects it.
bool convertUnit(iconv_t cd, const char* unit, size_t unitSize, QByteArray& out)
{
    char buffer[16];
    char* in = const_cast<char*>(unit);
    size_t inLeft = unitSize;
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1))
        return false;
    out.append(buffer, static_cast<qsizetype>(outPtr - buffer));
    return true;
}

} // namespace

QByteArray toAnsi(const QString& text)
{
    QByteArray out;
    Iconv cd = openIconv("CP1250", "UTF-32LE");
    if (!cd)
        return out;
    out.reserve(text.size());
    for (const char32_t cp : text.toUcs4()) {
        const char unit[4] = {char(cp & 0xFF), char((cp >> 8) & 0xFF), char((cp >> 16) & 0xFF), char(cp >> 24)};
        if (!convertUnit(static_cast<iconv_t>(cd.get()), unit, 4, out))
            out.append(cp >= 0x80 && cp <= 0x9F ? char(cp) : '?');
    }
    return out;
}

QString fromAnsi(const QByteArray& bytes)
{
    QString out;
    Iconv cd = openIconv("UTF-16LE", "CP1250");
    if (!cd)
        return out;
    out.reserve(bytes.size());
    QByteArray unit16;
    for (const char b : bytes) {
        unit16.clear();
        if (convertUnit(static_cast<iconv_t>(cd.get()), &b, 1, unit16) && unit16.size() == 2)
            out += QChar(char16_t(static_cast<unsigned char>(unit16[0]) | (static_cast<unsigned char>(unit16[1]) << 8)));
        else
            out += QChar(char16_t(static_cast<unsigned char>(b)));
    }
    return out;
}

QByteArray convertCodePage(const QByteArray& bytes, const char* from, const char* to, char substitute)
{
    QByteArray out;
    Iconv cd = openIconv(to, from);
    if (!cd)
        return out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        if (!convertUnit(static_cast<iconv_t>(cd.get()), &b, 1, out))
            out.append(substitute);
    }
    return out;
}

} // namespace platform
