#pragma once

#include <QFont>

// The program's one typeface, sized in pixels as the window layout gives its fonts.
inline QFont arial(int pixelSize, bool bold = false, bool underline = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}
