#include "platform/gui/JpegImage.h"

#include "platform/Errors.h"
#include "platform/gui/ImageFile.h"

namespace platform {

void TJPEGImage::LoadFromFile(const QString& path)
{
    image_ = readImageFile(path, "jpeg", QStringLiteral("JPEG")).convertToFormat(QImage::Format_RGB32);
}

} // namespace platform
