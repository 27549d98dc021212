#include "platform/gui/ImageFile.h"

#include "platform/Errors.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

QImage readImageFile(const QString& path, const char* format, const QString& kindName)
{
    if (!QFileInfo(path).isFile())
        throw EInvalidGraphic(QStringLiteral("Nie można otworzyć pliku \"%1\"").arg(path));
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        throw EInvalidGraphic(QStringLiteral("Plik \"%1\" nie jest prawidłowym obrazem %2 (%3)")
                                  .arg(path, kindName, reader.errorString()));
    return image;
}

} // namespace platform
