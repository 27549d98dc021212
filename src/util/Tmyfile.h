#pragma once

#include "platform/DateTime.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

// Files, folders and settings files. Stateless: every operation is called without an object.
//
// 8-bit texts (QByteArray) are Windows-1250. Operations that hand a path to the operating
// system accept "\" and "/" as separators and give paths with "/"; the pure text helpers
// (MakeValidFileName, ForceBackslash, WymienPlikWSciezce) work with "\" as on the original
// platform.
class Tmyfile {
public:
    // Shell folder identifiers and the folders they name here:
    //   5  the user's documents folder (XDG documents folder);
    //   35 the application data folder shared by all users (the first folder of
    //      XDG_DATA_DIRS, normally /usr/local/share);
    //   16 the user's desktop (XDG desktop folder);
    //   11 and 2, the Start menu and its Programs folder: the user's application menu
    //      folder (~/.local/share/applications);
    //   7  the Startup folder: the user's autostart folder (~/.config/autostart).
    static constexpr int CSIDL_PROGRAMS = 2;
    static constexpr int CSIDL_PERSONAL = 5;
    static constexpr int CSIDL_STARTUP = 7;
    static constexpr int CSIDL_STARTMENU = 11;
    static constexpr int CSIDL_DESKTOPDIRECTORY = 16;
    static constexpr int CSIDL_COMMON_APPDATA = 35;

    // The folder's path ending in "/", or empty text for an identifier not listed above.
    static QString GetSpecialFolderPath(int FolderIndex);
    static QByteArray f_MojeDokumenty();
    static QByteArray f_DaneAplikacji();
    // The system's temporary folder, ending in "/".
    static QByteArray f_FolderTemp();

    // Every byte other than A-Z, a-z, 0-9, ".", "_" and "~" becomes "_"; empty text gives
    // "-", a leading "." gets "_" in front, and the result is cut to 255 characters.
    static QByteArray MakeValidFileName(const QByteArray& Str);
    // The path with "\" appended unless it is empty or ends in "\" or "/".
    static QByteArray ForceBackslash(const QByteArray& PathName);
    // path up to and including its last "\" or drive colon, followed by newfile.
    static QString WymienPlikWSciezce(const QString& path, const QString& newfile);

    // x with the user's thousands separator ("#,###,##0").
    static QString BajtyToStr(std::int32_t x);
    // The size in bytes of a readable file, or 0. Sizes of 2 GiB and more give INT32_MAX.
    static std::int32_t RozmiarPliku(const QString& path);
    // The sizes of the folder's files, hidden ones included, with the subfolders when
    // subdir is true. Folders whose name begins with "." and symbolic links are not
    // followed; folders and links count 0 themselves. The sum stops at INT32_MAX.
    static std::int32_t RozmiarKatalogu(const QString& dir, bool subdir);
    // Deletes the files and the empty subfolders of StartDir. Skipped: names beginning
    // with ".", folders that are not empty, write-protected files and anything the system
    // refuses. A symbolic link is removed as a link, never its target. StartDir stays.
    static void KasujzKatalogu(const QString& StartDir);
    // Sets the file's modification time to FileDate (local time) at two-second precision,
    // the seconds rounded down to even; the access time stays. False for a missing or
    // write-protected file, a year outside 1980-2107 or a refusal of the system.
    static bool SetFileDate(const QString& FileName, platform::TDateTime FileDate);

    // Single values of a settings file (see IniFile). Reads give the default for a missing
    // file, section or entry; writes raise platform::EIniFileException
    // ("Unable to write to <file>") when the file cannot be written.
    static bool IniReadBool(const QString& FileName, const QString& Section, const QString& Line);
    static std::int32_t IniReadInteger(
        const QString& FileName, const QString& Section, const QString& Line, std::int32_t wd);
    static QString IniReadString(const QString& FileName, const QString& Section, const QString& Line);
    static void IniWriteBool(const QString& FileName, const QString& Section, const QString& Line, bool Value);
    static void IniWriteInteger(
        const QString& FileName, const QString& Section, const QString& Line, std::int32_t Value);
    static void IniWriteString(
        const QString& FileName, const QString& Section, const QString& Line, const QString& Value);
};
