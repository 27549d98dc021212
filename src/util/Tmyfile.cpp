#include "util/Tmyfile.h"

#include "platform/CodePage.h"
#include "platform/NumberFormat.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "util/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <vector>

namespace {

constexpr qsizetype MaxFileNameLength = 255;

QString sharedDataFolder()
{
    // The first entry is the user's own folder; the system-wide ones follow.
    const QStringList all = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    return all.size() > 1 ? all.at(1) : QString();
}

QString specialFolder(int id)
{
    switch (id) {
    case Tmyfile::CSIDL_PERSONAL:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case Tmyfile::CSIDL_COMMON_APPDATA:
        return sharedDataFolder();
    case Tmyfile::CSIDL_DESKTOPDIRECTORY:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case Tmyfile::CSIDL_STARTMENU:
    case Tmyfile::CSIDL_PROGRAMS:
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case Tmyfile::CSIDL_STARTUP: {
        const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return config.isEmpty() ? QString() : config + QStringLiteral("/autostart");
    }
    default:
        return {};
    }
}

constexpr QDir::Filters everyEntry = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

QFileInfoList entriesOf(const QString& dir)
{
    return QDir(dir).entryInfoList(everyEntry, QDir::NoSort);
}

void letUserInterfaceBreathe()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

} // namespace

QString Tmyfile::GetSpecialFolderPath(int FolderIndex)
{
    return platform::withTrailingSlash(specialFolder(FolderIndex));
}

QByteArray Tmyfile::f_MojeDokumenty()
{
    return platform::toAnsi(GetSpecialFolderPath(CSIDL_PERSONAL));
}

QByteArray Tmyfile::f_DaneAplikacji()
{
    return platform::toAnsi(GetSpecialFolderPath(CSIDL_COMMON_APPDATA));
}

QByteArray Tmyfile::f_FolderTemp()
{
    return platform::toAnsi(platform::withTrailingSlash(QDir::tempPath()));
}

QByteArray Tmyfile::MakeValidFileName(const QByteArray& Str)
{
    QByteArray out = Str;
    for (char& c : out) {
        const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.'
            || c == '_' || c == '~';
        if (!keep)
            c = '_';
    }
    if (out.isEmpty())
        out = "-";
    if (out.startsWith('.'))
        out.prepend('_');
    return out.left(MaxFileNameLength);
}

QByteArray Tmyfile::ForceBackslash(const QByteArray& PathName)
{
    if (PathName.isEmpty() || PathName.endsWith('\\') || PathName.endsWith('/'))
        return PathName;
    return PathName + '\\';
}

QString Tmyfile::WymienPlikWSciezce(const QString& path, const QString& newfile)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u':'));
    return path.left(cut + 1) + newfile;
}

QString Tmyfile::BajtyToStr(std::int32_t x)
{
    return platform::FormatFloat(QStringLiteral("#,###,##0"), x);
}

std::int32_t Tmyfile::RozmiarPliku(const QString& path)
{
    if (path.isEmpty())
        return 0;
    QFile file(platform::nativePath(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly))
        return 0;
    if (QFileInfo(file).isDir())
        return 0;
    return platform::saturate32(file.size());
}

std::int32_t Tmyfile::RozmiarKatalogu(const QString& dir, bool subdir)
{
    std::int64_t total = 0;
    std::vector<QString> pending{platform::nativePath(dir)};
    while (!pending.empty()) {
        const QString folder = std::move(pending.back());
        pending.pop_back();
        for (const QFileInfo& entry : entriesOf(folder)) {
            if (entry.isSymLink())
                continue;
            if (entry.isDir()) {
                if (subdir && !entry.fileName().startsWith(u'.'))
                    pending.push_back(entry.filePath());
                continue;
            }
            total = std::min<std::int64_t>(total + entry.size(), INT32_MAX);
        }
    }
    return platform::saturate32(total);
}

void Tmyfile::KasujzKatalogu(const QString& StartDir)
{
    for (const QFileInfo& entry : entriesOf(platform::nativePath(StartDir))) {
        if (entry.fileName().startsWith(u'.'))
            continue;
        const QString path = entry.filePath();
        if (entry.isSymLink()) {
            QFile::remove(path);
        } else if (entry.isDir()) {
            QDir().rmdir(path);
        } else {
            if (!platform::isWriteProtected(path))
                QFile::remove(path);
            letUserInterfaceBreathe();
        }
    }
}

bool Tmyfile::SetFileDate(const QString& FileName, platform::TDateTime FileDate)
{
    const QDateTime local = platform::toQDateTime(FileDate);
    if (!local.isValid() || local.date().year() < 1980 || local.date().year() > 2107)
        return false;
    const QTime t = local.time();
    const QDateTime stamp(local.date(), QTime(t.hour(), t.minute(), t.second() - t.second() % 2));

    const QString path = platform::nativePath(FileName);
    if (platform::isWriteProtected(path) || QFileInfo(path).isDir())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::ExistingOnly))
        return false;
    return file.setFileTime(stamp, QFileDevice::FileModificationTime);
}

bool Tmyfile::IniReadBool(const QString& FileName, const QString& Section, const QString& Line)
{
    return IniFile(FileName).readBool(Section, Line, false);
}

std::int32_t Tmyfile::IniReadInteger(
    const QString& FileName, const QString& Section, const QString& Line, std::int32_t wd)
{
    return IniFile(FileName).readInteger(Section, Line, wd);
}

QString Tmyfile::IniReadString(const QString& FileName, const QString& Section, const QString& Line)
{
    return IniFile(FileName).readString(Section, Line, {});
}

void Tmyfile::IniWriteBool(const QString& FileName, const QString& Section, const QString& Line, bool Value)
{
    IniFile(FileName).writeBool(Section, Line, Value);
}

void Tmyfile::IniWriteInteger(const QString& FileName, const QString& Section, const QString& Line, std::int32_t Value)
{
    IniFile(FileName).writeInteger(Section, Line, Value);
}

void Tmyfile::IniWriteString(const QString& FileName, const QString& Section, const QString& Line, const QString& Value)
{
    IniFile(FileName).writeString(Section, Line, Value);
}
