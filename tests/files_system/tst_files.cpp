#include "Probe.h"
#include "TestHome.h"

#include "platform/CodePage.h"
#include "platform/DateTime.h"
#include "platform/NumberFormat.h"
#include "util/Tmyfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

void writeFile(const QString& path, qsizetype bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(bytes, 'x'));
}

QSet<QString> entriesOf(const QString& dir)
{
    const QStringList names
        = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return {names.begin(), names.end()};
}

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleGuard() { QLocale::setDefault(previous_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale previous_;
};

constexpr QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;

} // namespace

class TestFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void makeValidFileName_data();
    void makeValidFileName();
    void forceBackslash_data();
    void forceBackslash();
    void wymienPlikWSciezce_data();
    void wymienPlikWSciezce();
    void bajtyToStr_data();
    void bajtyToStr();

    void specialFolders_data();
    void specialFolders();
    void eightBitFolders();

    void fileSize();
    void fileSizeAsUnprivilegedUser_data();
    void fileSizeAsUnprivilegedUser();
    void folderSize_data();
    void folderSize();

    void emptyingFolderKeepsWhatItMust();
    void emptyingFolderNeverLeavesIt();

    void setFileDate_data();
    void setFileDate();
    void setFileDateRefusals_data();
    void setFileDateRefusals();

private:
    std::unique_ptr<QTemporaryDir> tree_;
    std::unique_ptr<QTemporaryDir> outside_;
};

void TestFiles::initTestCase()
{
    tree_ = std::make_unique<QTemporaryDir>();
    outside_ = std::make_unique<QTemporaryDir>();
    QVERIFY(tree_->isValid() && outside_->isValid());
    const QString t = tree_->path();
    writeFile(t + "/example/a.bin", 10);
    writeFile(t + "/example/b.bin", 20);
    writeFile(t + "/example/sub/c.bin", 5);

    writeFile(t + "/full/a.bin", 10);
    writeFile(t + "/full/.hidden", 3);
    writeFile(t + "/full/sub/deeper/d.bin", 7);
    writeFile(t + "/full/.cache/e.bin", 100);
    writeFile(t + "/full/sub/.git/f.bin", 200);
    writeFile(outside_->path() + "/big.bin", 1000);
    QVERIFY(QFile::link(outside_->path(), t + "/full/folder-link"));
    QVERIFY(QFile::link(outside_->path() + "/big.bin", t + "/full/file-link"));
    QVERIFY(QFile::link(t + "/full", t + "/full/sub/loop"));
}

void TestFiles::makeValidFileName_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("blanks, dashes and brackets")
        << QByteArray("Raport 2012-10 (wersja).txt") << QByteArray("Raport_2012_10__wersja_.txt");
    QTest::newRow("empty") << QByteArray() << QByteArray("-");
    QTest::newRow("leading dot") << QByteArray(".profile") << QByteArray("_.profile");
    QTest::newRow("kept characters") << QByteArray("aZ09._~") << QByteArray("aZ09._~");
    QTest::newRow("national letters, one byte each")
        << platform::toAnsi(QStringLiteral("Zażółć")) << QByteArray("Za____");
    QTest::newRow("path separators") << QByteArray("C:\\a/b") << QByteArray("C__a_b");
    QTest::newRow("300 letters") << QByteArray(300, 'k') << QByteArray(255, 'k');
    QTest::newRow("dot on a long name then cut")
        << QByteArray("." + QByteArray(255, 'k')) << QByteArray("_." + QByteArray(253, 'k'));
}

void TestFiles::makeValidFileName()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(Tmyfile::MakeValidFileName(input), expected);
}

void TestFiles::forceBackslash_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("appended") << QByteArray("C:\\Dane") << QByteArray("C:\\Dane\\");
    QTest::newRow("backslash kept") << QByteArray("C:\\Dane\\") << QByteArray("C:\\Dane\\");
    QTest::newRow("slash kept") << QByteArray("C:/Dane/") << QByteArray("C:/Dane/");
    QTest::newRow("unix path gets a backslash") << QByteArray("/home/a") << QByteArray("/home/a\\");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestFiles::forceBackslash()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    QCOMPARE(Tmyfile::ForceBackslash(input), expected);
}

void TestFiles::wymienPlikWSciezce_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    QTest::newRow("folder and file") << "C:\\Dane\\stary.ini"
                                     << "C:\\Dane\\nowy.ini";
    QTest::newRow("file only") << "stary.ini"
                               << "nowy.ini";
    QTest::newRow("drive without folder") << "C:stary.ini"
                                          << "C:nowy.ini";
    QTest::newRow("folder only") << "C:\\Dane\\"
                                 << "C:\\Dane\\nowy.ini";
    QTest::newRow("slashes are not separators here") << "/home/a/stary.ini"
                                                     << "nowy.ini";
}

void TestFiles::wymienPlikWSciezce()
{
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QCOMPARE(Tmyfile::WymienPlikWSciezce(path, "nowy.ini"), expected);
}

void TestFiles::bajtyToStr_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("expected");
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    const QString pl = platform::FormatSettings::fromLocale(polish).thousandSeparator;
    QTest::newRow("zero") << english << 0 << "0";
    QTest::newRow("below a thousand") << english << 999 << "999";
    QTest::newRow("millions") << english << 1234567 << "1,234,567";
    QTest::newRow("largest") << english << 2147483647 << "2,147,483,647";
    QTest::newRow("negative") << english << -1234 << "-1,234";
    QTest::newRow("polish separator") << polish << 1234567 << "1" + pl + "234" + pl + "567";
}

void TestFiles::bajtyToStr()
{
    QFETCH(QLocale, locale);
    QFETCH(int, x);
    QFETCH(QString, expected);
    const LocaleGuard guard(locale);
    QCOMPARE(Tmyfile::BajtyToStr(x), expected);
}

void TestFiles::specialFolders_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("expected");
    const QString home = qEnvironmentVariable("HOME");
    const QString shared = qEnvironmentVariable("XDG_DATA_DIRS").section(u':', 0, 0);
    QTest::newRow("5 documents") << 5 << home + "/Documents/";
    QTest::newRow("35 shared application data") << 35 << shared + "/";
    QTest::newRow("16 desktop") << 16 << home + "/Desktop/";
    QTest::newRow("11 start menu") << 11 << home + "/.local/share/applications/";
    QTest::newRow("2 programs") << 2 << home + "/.local/share/applications/";
    QTest::newRow("7 startup") << 7 << home + "/.config/autostart/";
    QTest::newRow("unknown identifier") << 99 << QString();
    QTest::newRow("negative identifier") << -1 << QString();
}

void TestFiles::specialFolders()
{
    QFETCH(int, id);
    QFETCH(QString, expected);
    QCOMPARE(Tmyfile::GetSpecialFolderPath(id), expected);
}

void TestFiles::eightBitFolders()
{
    const QString home = qEnvironmentVariable("HOME");
    QVERIFY(home.contains(QStringLiteral("ż")));
    QCOMPARE(Tmyfile::f_MojeDokumenty(), platform::toAnsi(home + "/Documents/"));
    QCOMPARE(platform::fromAnsi(Tmyfile::f_MojeDokumenty()), home + "/Documents/");
    QCOMPARE(
        Tmyfile::f_DaneAplikacji(), platform::toAnsi(qEnvironmentVariable("XDG_DATA_DIRS").section(u':', 0, 0) + "/"));
    QCOMPARE(Tmyfile::f_FolderTemp(), platform::toAnsi(qEnvironmentVariable("TMPDIR") + "/"));
}

void TestFiles::fileSize()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ten.bin");
    writeFile(path, 10);
    QCOMPARE(Tmyfile::RozmiarPliku(path), 10);
    QCOMPARE(Tmyfile::RozmiarPliku(QString(path).replace(u'/', u'\\')), 10);
    QCOMPARE(Tmyfile::RozmiarPliku(dir.filePath("missing.bin")), 0);
    QCOMPARE(Tmyfile::RozmiarPliku(dir.path()), 0);
    QCOMPARE(Tmyfile::RozmiarPliku(QString()), 0);

    QFile held(path);
    QVERIFY(held.open(QIODevice::ReadWrite));
    QCOMPARE(Tmyfile::RozmiarPliku(path), 10);
    held.close();

    QVERIFY(QFile::setPermissions(path, readOnly));
    QCOMPARE(Tmyfile::RozmiarPliku(path), 10);
}

void TestFiles::fileSizeAsUnprivilegedUser_data()
{
    QTest::addColumn<QFile::Permissions>("permissions");
    QTest::addColumn<QString>("expected");
    QTest::newRow("read-only file is measured") << readOnly << "10";
    QTest::newRow("unreadable file gives 0") << QFile::Permissions() << "0";
}

void TestFiles::fileSizeAsUnprivilegedUser()
{
    QFETCH(QFile::Permissions, permissions);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    openToEveryone(QDir::tempPath() + "/..", false);
    openToEveryone(QDir::tempPath(), false);
    openToEveryone(dir.path(), false);
    const QString path = dir.filePath("ten.bin");
    writeFile(path, 10);
    QVERIFY(QFile::setPermissions(path, permissions));
    const ProbeResult result = runProbeUnprivileged({"size", path});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.output, expected);
}

void TestFiles::folderSize_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("subdir");
    QTest::addColumn<int>("expected");
    QTest::newRow("files of the folder") << "example" << false << 30;
    QTest::newRow("with subfolders") << "example" << true << 35;
    QTest::newRow("backslash separators") << "example\\" << true << 35;
    QTest::newRow("hidden file counted, links not followed") << "full" << false << 13;
    QTest::newRow("dot folders never entered, loop link not followed") << "full" << true << 20;
    QTest::newRow("missing folder") << "missing" << true << 0;
}

void TestFiles::folderSize()
{
    QFETCH(QString, folder);
    QFETCH(bool, subdir);
    QFETCH(int, expected);
    QCOMPARE(Tmyfile::RozmiarKatalogu(tree_->path() + "\\" + folder, subdir), expected);
}

void TestFiles::emptyingFolderKeepsWhatItMust()
{
    QTemporaryDir dir;
    const QString d = dir.path();
    writeFile(d + "/one.txt", 1);
    writeFile(d + "/two.txt", 2);
    QDir().mkpath(d + "/empty");
    writeFile(d + "/full/inside.txt", 3);
    writeFile(d + "/full/nested/deep.txt", 4);
    QDir().mkpath(d + "/.dotfolder");
    writeFile(d + "/.dotfile", 5);
    writeFile(d + "/protected.txt", 6);
    QVERIFY(QFile::setPermissions(d + "/protected.txt", readOnly));
    writeFile(d + "/held.txt", 7);
    QFile held(d + "/held.txt");
    QVERIFY(held.open(QIODevice::ReadWrite));

    Tmyfile::KasujzKatalogu(QString(d).replace(u'/', u'\\'));

    QCOMPARE(entriesOf(d), (QSet<QString>{"full", ".dotfolder", ".dotfile", "protected.txt"}));
    QCOMPARE(entriesOf(d + "/full"), (QSet<QString>{"inside.txt", "nested"}));
    QCOMPARE(entriesOf(d + "/full/nested"), QSet<QString>{"deep.txt"});
    QVERIFY(QFileInfo::exists(d));
}

void TestFiles::emptyingFolderNeverLeavesIt()
{
    QTemporaryDir dir;
    QTemporaryDir outside;
    const QString d = dir.path();
    writeFile(outside.path() + "/target.txt", 8);
    QDir().mkpath(outside.path() + "/emptyTarget");
    QVERIFY(QFile::link(outside.path() + "/target.txt", d + "/file-link"));
    QVERIFY(QFile::link(outside.path(), d + "/folder-link"));
    QVERIFY(QFile::link(outside.path() + "/emptyTarget", d + "/empty-folder-link"));
    QVERIFY(QFile::link(outside.path() + "/gone", d + "/broken-link"));

    Tmyfile::KasujzKatalogu(d + "/");

    QCOMPARE(entriesOf(d), QSet<QString>());
    QCOMPARE(entriesOf(outside.path()), (QSet<QString>{"target.txt", "emptyTarget"}));
    QCOMPARE(Tmyfile::RozmiarPliku(outside.path() + "/target.txt"), 8);
}

void TestFiles::setFileDate_data()
{
    QTest::addColumn<platform::TDateTime>("when");
    QTest::addColumn<QDateTime>("expected");
    const auto at = [](int y, int mo, int d, int h, int mi, int s) {
        return platform::EncodeDate(y, mo, d) + platform::EncodeTime(h, mi, s, 0);
    };
    QTest::newRow("odd seconds rounded down")
        << at(2012, 10, 27, 14, 5, 9) << QDateTime(QDate(2012, 10, 27), QTime(14, 5, 8));
    QTest::newRow("even seconds kept, milliseconds dropped")
        << at(2012, 10, 27, 14, 5, 8) + 0.9 / 86400 << QDateTime(QDate(2012, 10, 27), QTime(14, 5, 8));
    QTest::newRow("first day of 1980") << at(1980, 1, 1, 0, 0, 1) << QDateTime(QDate(1980, 1, 1), QTime(0, 0, 0));
    QTest::newRow("last moment of 2107") << at(2107, 12, 31, 23, 59, 59)
                                         << QDateTime(QDate(2107, 12, 31), QTime(23, 59, 58));
}

void TestFiles::setFileDate()
{
    QFETCH(platform::TDateTime, when);
    QFETCH(QDateTime, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("stamp.txt");
    writeFile(path, 4);
    const QDateTime accessed(QDate(2001, 2, 3), QTime(4, 5, 6));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.setFileTime(accessed, QFileDevice::FileAccessTime));
    }

    QVERIFY(Tmyfile::SetFileDate(QString(path).replace(u'/', u'\\'), when));

    const QFileInfo info(path);
    QCOMPARE(info.lastModified(), expected);
    QCOMPARE(info.lastRead(), accessed);
    QCOMPARE(info.size(), 4);
}

void TestFiles::setFileDateRefusals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<platform::TDateTime>("when");
    const platform::TDateTime fine = platform::EncodeDate(2012, 10, 27);
    QTest::newRow("year 1979") << "file" << platform::EncodeDate(1979, 12, 31) + platform::EncodeTime(23, 59, 59, 0);
    QTest::newRow("year 2108") << "file" << platform::EncodeDate(2108, 1, 1);
    QTest::newRow("not a number") << "file" << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("missing file") << "missing" << fine;
    QTest::newRow("read-only file") << "read-only" << fine;
    QTest::newRow("folder") << "folder" << fine;
}

void TestFiles::setFileDateRefusals()
{
    QFETCH(QString, kind);
    QFETCH(platform::TDateTime, when);
    QTemporaryDir dir;
    const QString path = dir.filePath("target");
    if (kind == "folder")
        QDir().mkpath(path);
    else if (kind != "missing")
        writeFile(path, 4);
    if (kind == "read-only")
        QVERIFY(QFile::setPermissions(path, readOnly));
    const QDateTime before = QFileInfo(path).lastModified();

    QVERIFY(!Tmyfile::SetFileDate(path, when));

    QCOMPARE(QFileInfo::exists(path), kind != "missing");
    QCOMPARE(QFileInfo(path).lastModified(), before);
}

std::unique_ptr<QObject> makeFilesTest()
{
    return std::make_unique<TestFiles>();
}

#include "tst_files.moc"
