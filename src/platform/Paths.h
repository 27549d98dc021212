#pragma once

#include <QString>

// Paths handed to the operating system: "/" is the separator, and "\" written by callers
// used to the other convention is accepted as one too.
namespace platform {

// path with every "\" turned into "/".
QString nativePath(const QString& path);

// The folder part of path, up to and including its last separator ("/" or "\"), in native
// form; empty when path has no separator.
QString folderOf(const QString& path);

// path ending in "/" (empty text stays empty).
QString withTrailingSlash(const QString& path);

// True for an existing file whose owner has no write permission: the counterpart of the
// read-only attribute. Decided by the permission bits, so it holds for every user,
// including the superuser, whom the kernel lets write anyway.
bool isWriteProtected(const QString& path);

} // namespace platform
