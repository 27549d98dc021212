#include "platform/Paths.h"

#include <QFileInfo>

namespace platform {

QString nativePath(const QString& path)
{
    QString out = path;
    out.replace(u'\\', u'/');
    return out;
}

QString folderOf(const QString& path)
{
    const QString native = nativePath(path);
    return native.left(native.lastIndexOf(u'/') + 1);
}

QString withTrailingSlash(const QString& path)
{
    if (path.isEmpty() || path.endsWith(u'/'))
        return path;
    return path + u'/';
}

bool isWriteProtected(const QString& path)
{
    const QFileInfo info(nativePath(path));
    return info.exists() && !info.permission(QFileDevice::WriteOwner);
}

} // namespace platform
