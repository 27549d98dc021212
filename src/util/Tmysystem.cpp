#include "util/Tmysystem.h"

#include "platform/CodePage.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "util/DesktopEntry.h"
#include "util/Tmyfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>

#include <cerrno>
#include <cmath>
#include <iterator>
#include <limits>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace {

// A quotient that does not fit a single (or is no number) gives 0, as an arithmetic
// fault in the division does.
float toSingleOrZero(platform::extended v)
{
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return 0.0f;
    return platform::single(v);
}

} // namespace

float Tmysystem::procent(std::int64_t calosc, std::int64_t czesc)
{
    if (calosc == 0)
        return 0.0f;
    const std::int64_t scaled = platform::mul64(czesc, 100);
    return toSingleOrZero(static_cast<platform::extended>(scaled) / static_cast<platform::extended>(calosc));
}

float Tmysystem::procentf(float calosc, float czesc)
{
    if (calosc == 0.0f)
        return 0.0f;
    return toSingleOrZero(platform::extended{czesc} * 100 / calosc);
}

float Tmysystem::procentp(float calosc, float procent)
{
    if (calosc == 0.0f)
        return 0.0f;
    return toSingleOrZero(platform::extended{calosc} / 100 * procent);
}

namespace {

QChar asciiLower(QChar c)
{
    return c >= u'A' && c <= u'Z' ? QChar(char16_t(c.unicode() + (u'a' - u'A'))) : c;
}

QChar asciiUpper(QChar c)
{
    return c >= u'a' && c <= u'z' ? QChar(char16_t(c.unicode() - (u'a' - u'A'))) : c;
}

bool startsWithAsciiNoCase(const QString& text, QLatin1String prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        if (asciiLower(text.at(i)) != QLatin1Char(prefix.at(i)))
            return false;
    }
    return true;
}

QString resolveForOpening(const QString& file, const QString& dir)
{
    if (QDir::isAbsolutePath(file))
        return file;
    if (!dir.isEmpty() && QFileInfo::exists(QDir(dir).filePath(file)))
        return QDir(dir).absoluteFilePath(file);
    if (QFileInfo::exists(file))
        return QFileInfo(file).absoluteFilePath();
    if (!file.contains(u'/')) {
        const QString onPath = QStandardPaths::findExecutable(file);
        if (!onPath.isEmpty())
            return onPath;
    }
    return QFileInfo(file).absoluteFilePath();
}

// A program is started; anything else, or a program that cannot be started, goes to the
// desktop's handler for its type.
void openOrRun(const QString& filename, const QString& params, const QString& cdir)
{
    if (filename.isEmpty())
        return;
    const QString dir = platform::nativePath(cdir);
    const QFileInfo target(resolveForOpening(platform::nativePath(filename), dir));
    if (target.isFile() && target.isExecutable()
        && platform::ShellRun({target.absoluteFilePath(), QProcess::splitCommand(params), dir}))
        return;
    platform::ShellOpen(QUrl::fromLocalFile(target.absoluteFilePath()));
}

// A uniform draw from 0 to span - 1 for any span up to 2^32 - 1; the generator itself
// takes 32-bit signed ranges.
std::int64_t drawBelow(std::int64_t span)
{
    if (span <= INT32_MAX)
        return platform::Random(static_cast<std::int32_t>(span));
    constexpr std::uint64_t values = std::uint64_t{1} << 32;
    const std::uint64_t limit = values - values % static_cast<std::uint64_t>(span);
    for (;;) {
        const auto high = static_cast<std::uint64_t>(platform::Random(1 << 16));
        const auto low = static_cast<std::uint64_t>(platform::Random(1 << 16));
        const std::uint64_t v = (high << 16) | low;
        if (v < limit)
            return static_cast<std::int64_t>(v % static_cast<std::uint64_t>(span));
    }
}

QString userName()
{
    const long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384u);
    passwd entry{};
    passwd* found = nullptr;
    for (;;) {
        const int rc = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found);
        if (rc != ERANGE || buffer.size() >= (1u << 20))
            break;
        buffer.resize(buffer.size() * 2);
    }
    return found ? QString::fromLocal8Bit(found->pw_name) : QString();
}

} // namespace

QString Tmysystem::GetNetUser()
{
    return userName();
}

QString Tmysystem::GetNetworkName()
{
    QString name = QSysInfo::machineHostName();
    for (QChar& c : name)
        c = asciiLower(c);
    if (!name.isEmpty())
        name[0] = asciiUpper(name.at(0));
    return name;
}

int Tmysystem::GetTaskBarHeight(const QRect& workArea, int desktopHeight)
{
    if (workArea.top() > 0)
        return workArea.top();
    const std::int64_t bottom = std::int64_t{workArea.top()} + workArea.height();
    return desktopHeight > bottom ? platform::saturate32(desktopHeight - bottom) : 0;
}

QPoint Tmysystem::PozycjaXY(const QPoint& cursor, const QSize& window, const QSize& screen)
{
    QPoint place = cursor;
    if (std::int64_t{cursor.x()} + window.width() > screen.width())
        place.setX(platform::saturate32(std::int64_t{cursor.x()} - window.width()));
    if (std::int64_t{cursor.y()} + window.height() > screen.height())
        place.setY(platform::saturate32(std::int64_t{cursor.y()} - window.height()));
    return place;
}

std::int32_t Tmysystem::RandomInteger(std::int32_t RandMin, std::int32_t RandMax)
{
    if (RandMax <= RandMin)
        return RandMin;
    // Seeded from the clock once: seeding on every call would repeat the same number for
    // all calls within one tick of the clock.
    static const bool seeded = (platform::Randomize(), true);
    (void)seeded;
    const std::int64_t span = std::int64_t{RandMax} - RandMin;
    return static_cast<std::int32_t>(RandMin + drawBelow(span));
}

QString Tmysystem::WinToIso(const QString& s)
{
    return QString::fromLatin1(platform::convertCodePage(s.toLatin1(), "CP1250", "ISO-8859-2"));
}

bool Tmysystem::CreateShellLink(const QString& FileName, const QString& Target, const QString& Description,
    const QString& StartIn, const QString& Parameters, const QString& IconPath, std::int32_t, std::uint16_t, TShowState,
    const QUrl& ItemIDList)
{
    const bool isLink = ItemIDList.isValid() && !ItemIDList.isEmpty();
    if (FileName.isEmpty() || (Target.isEmpty() && !isLink))
        return false;
    const QString path = platform::nativePath(FileName);
    DesktopEntry entry;
    entry.set(QStringLiteral("Type"), isLink ? QStringLiteral("Link") : QStringLiteral("Application"));
    entry.set(QStringLiteral("Name"), QFileInfo(path).completeBaseName());
    entry.set(QStringLiteral("Comment"), Description);
    if (isLink) {
        entry.set(QStringLiteral("URL"), ItemIDList.toString(QUrl::FullyEncoded));
    } else {
        entry.set(QStringLiteral("Exec"),
            DesktopEntry::execLine(platform::nativePath(Target), QProcess::splitCommand(Parameters)));
        entry.set(QStringLiteral("Path"), platform::nativePath(StartIn));
    }
    entry.set(QStringLiteral("Icon"), platform::nativePath(IconPath));
    return entry.save(path);
}

bool Tmysystem::CreateLink(const QString& name, const QString& exename, const QString& desc, int f)
{
    static constexpr int folders[]
        = {Tmyfile::CSIDL_DESKTOPDIRECTORY, Tmyfile::CSIDL_STARTMENU, Tmyfile::CSIDL_STARTUP, Tmyfile::CSIDL_PROGRAMS};
    if (f < 0 || f >= int(std::size(folders)) || name.isEmpty() || name.contains(u'/') || name.contains(u'\\'))
        return false;
    const QString folder = Tmyfile::GetSpecialFolderPath(folders[f]);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    const QString program = platform::nativePath(exename);
    return CreateShellLink(folder + name + QStringLiteral(".desktop"), program, desc, platform::folderOf(program),
        QString(), program, 0, 0, ssNormal);
}

void Tmysystem::WaitWithProcess(int dsec)
{
    for (int i = 0; i < dsec; ++i) {
        QThread::msleep(100);
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
    }
}

QString Tmysystem::EnDeCode(const QString& s)
{
    QByteArray bytes = platform::toAnsi(s);
    for (char& b : bytes)
        b = static_cast<char>(~static_cast<unsigned char>(b));
    return platform::fromAnsi(bytes);
}

QString Tmysystem::MojKatalog()
{
    if (QCoreApplication::instance())
        return platform::withTrailingSlash(QCoreApplication::applicationDirPath());
    return platform::withTrailingSlash(
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2));
}

QString Tmysystem::PodKatalog(const QString& katalog)
{
    return MojKatalog() + platform::nativePath(katalog) + u'/';
}

void Tmysystem::odpal(const QByteArray& filename)
{
    openOrRun(platform::fromAnsi(filename), QString(), QString());
}

void Tmysystem::odpalzparametrami(const QString& filename, const QString& params, const QString& cdir)
{
    openOrRun(filename, params, cdir);
}

void Tmysystem::odpalwww(const QString& adress)
{
    if (adress.isEmpty())
        return;
    const bool asGiven = startsWithAsciiNoCase(adress, QLatin1String("www"))
        || startsWithAsciiNoCase(adress, QLatin1String("http://"))
        || startsWithAsciiNoCase(adress, QLatin1String("https://"));
    const QUrl url(asGiven ? adress : QStringLiteral("http://") + adress);
    if (url.isValid())
        platform::ShellOpen(url);
}
