#pragma once

#include <QByteArray>
#include <QString>

// 8-bit text. The system's 8-bit ("ANSI") code page is Windows-1250; conversions go
// through iconv.
namespace platform {

// UTF-16 to Windows-1250. A character the code page cannot represent becomes '?'.
// U+0080..U+009F map to the byte of the same value where Windows-1250 leaves that byte
// undefined, so every byte survives a round trip through fromAnsi.
QByteArray toAnsi(const QString& text);
// Windows-1250 to UTF-16. The five undefined bytes become U+0081 and the like.
QString fromAnsi(const QByteArray& bytes);

// Converts bytes between two single-byte iconv code pages ("CP1250", "ISO-8859-2"). A byte
// sequence that has no equivalent in the target becomes `substitute`, one per input byte.
// Returns an empty array when iconv does not know one of the code pages.
QByteArray convertCodePage(const QByteArray& bytes, const char* from, const char* to, char substitute = '?');

} // namespace platform
