#pragma once

#include <QImage>
#include <QString>

namespace platform {

// Reads a picture file of the given Qt format ("jpeg", "bmp") without guessing another
// format from the content. Raises EInvalidGraphic naming the file and kindName on failure.
QImage readImageFile(const QString& path, const char* format, const QString& kindName);

} // namespace platform
