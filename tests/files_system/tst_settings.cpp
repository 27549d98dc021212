#include "Probe.h"
#include "TestHome.h"

#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "util/IniFile.h"
#include "util/Tmyfile.h"

#include <SimpleIni.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray sample = "; settings of the report\n"
                          "[Main]\n"
                          "Count = 0x1F\n"
                          "Name=  Raport roczny  \n"
                          "Flag=2\n"
                          "Text=abc\n"
                          "Zero=0\n"
                          "Empty=\n"
                          "Big=2147483648\n"
                          "Neg=-17\n"
                          "not an entry\n"
                          "; Hidden=1\n"
                          "[main]\n"
                          "Count=99\n"
                          "[Other]\n"
                          "Count=5\n";

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void readsWithDefaults_data();
    void readsWithDefaults();
    void parseInteger_data();
    void parseInteger();
    void longTextIsCut();

    void writtenValuesReadBackByAnotherReader();
    void writeKeepsTheRestOfTheFile_data();
    void writeKeepsTheRestOfTheFile();
    void windows1250FileStaysInItsCodePage();
    void textThatWouldBreakTheFormatIsRefused_data();
    void textThatWouldBreakTheFormatIsRefused();
    void refusedWrites_data();
    void refusedWrites();
    void folderWithoutWritePermission();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
};

void TestSettings::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    file_ = dir_->filePath("settings.ini");
}

void TestSettings::readsWithDefaults_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");
    // Integers are read with the default 7.
    QTest::newRow("hexadecimal, blanks around the key") << "Main"
                                                        << "Count"
                                                        << "0x1F" << 31 << true;
    QTest::newRow("sections and keys in any case") << "MAIN"
                                                   << "count"
                                                   << "0x1F" << 31 << true;
    QTest::newRow("surrounding blanks of a value dropped") << "Main"
                                                           << "Name"
                                                           << "Raport roczny" << 7 << false;
    QTest::newRow("2 is true") << "Main"
                               << "Flag"
                               << "2" << 2 << true;
    QTest::newRow("not a number") << "Main"
                                  << "Text"
                                  << "abc" << 7 << false;
    QTest::newRow("zero is false") << "Main"
                                   << "Zero"
                                   << "0" << 0 << false;
    QTest::newRow("empty value") << "Main"
                                 << "Empty"
                                 << "" << 7 << false;
    QTest::newRow("beyond 32 bits") << "Main"
                                    << "Big"
                                    << "2147483648" << 7 << false;
    QTest::newRow("negative") << "Main"
                              << "Neg"
                              << "-17" << -17 << true;
    QTest::newRow("line without =") << "Main"
                                    << "not an entry"
                                    << "" << 7 << false;
    QTest::newRow("comment is no entry") << "Main"
                                         << "; Hidden"
                                         << "" << 7 << false;
    QTest::newRow("other section") << "Other"
                                   << "Count"
                                   << "5" << 5 << true;
    QTest::newRow("missing section") << "Nowhere"
                                     << "Count"
                                     << "" << 7 << false;
    QTest::newRow("missing key") << "Main"
                                 << "Nothing"
                                 << "" << 7 << false;
}

void TestSettings::readsWithDefaults()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, text);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    writeAll(file_, sample);
    QCOMPARE(Tmyfile::IniReadString(file_, section, key), text);
    QCOMPARE(Tmyfile::IniReadInteger(file_, section, key, 7), integer);
    QCOMPARE(Tmyfile::IniReadBool(file_, section, key), boolean);
    QCOMPARE(IniFile(file_).readBool(section, key, true), integer == 7 ? true : boolean);

    const QString missing = dir_->filePath("missing.ini");
    QCOMPARE(Tmyfile::IniReadString(missing, section, key), QString());
    QCOMPARE(Tmyfile::IniReadInteger(missing, section, key, 7), 7);
    QCOMPARE(Tmyfile::IniReadBool(missing, section, key), false);
    QVERIFY(!QFileInfo::exists(missing));
}

void TestSettings::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<std::int32_t>>("expected");
    QTest::newRow("decimal") << "42" << std::optional<std::int32_t>(42);
    QTest::newRow("plus sign") << "+5" << std::optional<std::int32_t>(5);
    QTest::newRow("smallest") << "-2147483648" << std::optional<std::int32_t>(INT32_MIN);
    QTest::newRow("below the range") << "-2147483649" << std::optional<std::int32_t>();
    QTest::newRow("hexadecimal capital X") << "0X1f" << std::optional<std::int32_t>(31);
    QTest::newRow("hexadecimal 32-bit pattern") << "0xFFFFFFFF" << std::optional<std::int32_t>(-1);
    QTest::newRow("hexadecimal beyond 32 bits") << "0x100000000" << std::optional<std::int32_t>();
    QTest::newRow("0x alone") << "0x" << std::optional<std::int32_t>();
    QTest::newRow("hexadecimal with a sign") << "0x-1" << std::optional<std::int32_t>();
    QTest::newRow("hexadecimal with a bad digit") << "0x1G" << std::optional<std::int32_t>();
    QTest::newRow("inner blank") << "1 2" << std::optional<std::int32_t>();
    QTest::newRow("sign alone") << "-" << std::optional<std::int32_t>();
    QTest::newRow("decimal fraction") << "1.5" << std::optional<std::int32_t>();
}

void TestSettings::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(std::optional<std::int32_t>, expected);
    QCOMPARE(IniFile::parseInteger(text), expected);
}

void TestSettings::longTextIsCut()
{
    const QString value = QString(2047, u'a') + QStringLiteral("bcd");
    Tmyfile::IniWriteString(file_, "S", "Long", value);
    QCOMPARE(Tmyfile::IniReadString(file_, "S", "Long"), QString(2047, u'a'));
    QVERIFY(readAll(file_).contains(value.toUtf8()));
}

void TestSettings::writtenValuesReadBackByAnotherReader()
{
    Tmyfile::IniWriteString(file_, "Raport", "Tytuł", "Zażółć gęślą jaźń");
    Tmyfile::IniWriteInteger(file_, "Raport", "Min", INT32_MIN);
    Tmyfile::IniWriteInteger(file_, "Liczby", "Max", INT32_MAX);
    Tmyfile::IniWriteBool(file_, "Raport", "Tak", true);
    Tmyfile::IniWriteBool(file_, "Raport", "Nie", false);
    Tmyfile::IniWriteString(file_, "raport", "MIN", "-5");
    Tmyfile::IniWriteString(file_, "Raport", "Znaki", "a=b ; #c [d]");

    CSimpleIniA other;
    other.SetUnicode(true);
    QCOMPARE(other.LoadFile(QFile::encodeName(file_).constData()), SI_OK);
    const auto get = [&](const char* section, const char* key) {
        return QString::fromUtf8(other.GetValue(section, key, "(missing)"));
    };
    QCOMPARE(get("Raport", "Tytuł"), QStringLiteral("Zażółć gęślą jaźń"));
    QCOMPARE(get("Raport", "Min"), QStringLiteral("-5"));
    QCOMPARE(get("Liczby", "Max"), QStringLiteral("2147483647"));
    QCOMPARE(get("Raport", "Tak"), QStringLiteral("1"));
    QCOMPARE(get("Raport", "Nie"), QStringLiteral("0"));
    QCOMPARE(get("Raport", "Znaki"), QStringLiteral("a=b ; #c [d]"));
    CSimpleIniA::TNamesDepend sections;
    other.GetAllSections(sections);
    QCOMPARE(sections.size(), std::size_t{2});

    QCOMPARE(Tmyfile::IniReadInteger(file_, "Liczby", "Max", 0), INT32_MAX);
    QCOMPARE(Tmyfile::IniReadInteger(file_, "Raport", "Min", 0), -5);
    QCOMPARE(Tmyfile::IniReadString(file_, "Raport", "Znaki"), QStringLiteral("a=b ; #c [d]"));
}

void TestSettings::writeKeepsTheRestOfTheFile_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QByteArray>("after");
    const QByteArray head = "; top\n\n[Main]\n  KEY = old ; kept as value\nother=1\n\n; about Next\n[Next]\nx=1\n";
    QTest::newRow("value replaced in place")
        << head << "main"
        << "key" << QByteArray("; top\n\n[Main]\n  KEY=new\nother=1\n\n; about Next\n[Next]\nx=1\n");
    QTest::newRow("new key after the section's last entry")
        << head << "MAIN"
        << "Added"
        << QByteArray(
               "; top\n\n[Main]\n  KEY = old ; kept as value\nother=1\nAdded=new\n\n; about Next\n[Next]\nx=1\n");
    QTest::newRow("new section at the end") << head << "Third"
                                            << "k" << QByteArray(head + "\n[Third]\nk=new\n");
    QTest::newRow("first of two equal sections") << QByteArray("[A]\nk=1\n[a]\nk=2\n") << "a"
                                                 << "k" << QByteArray("[A]\nk=new\n[a]\nk=2\n");
    QTest::newRow("key in a section without entries") << QByteArray("[Empty]\n[Next]\n") << "empty"
                                                      << "k" << QByteArray("[Empty]\nk=new\n[Next]\n");
    QTest::newRow("windows line endings kept") << QByteArray("[A]\r\nk=1\r\n; c\r\n") << "B"
                                               << "k" << QByteArray("[A]\r\nk=1\r\n; c\r\n\r\n[B]\r\nk=new\r\n");
    QTest::newRow("no line break at the end") << QByteArray("[A]\nk=1") << "A"
                                              << "j" << QByteArray("[A]\nk=1\nj=new\n");
    QTest::newRow("byte order mark kept") << QByteArray("\xEF\xBB\xBF[A]\nk=1\n") << "A"
                                          << "k" << QByteArray("\xEF\xBB\xBF[A]\nk=new\n");
    QTest::newRow("entries before any section are no entries") << QByteArray("k=loose\n[A]\n") << "A"
                                                               << "k" << QByteArray("k=loose\n[A]\nk=new\n");
    QTest::newRow("new file") << QByteArray() << "A"
                              << "k" << QByteArray("[A]\nk=new\n");
}

void TestSettings::writeKeepsTheRestOfTheFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        writeAll(file_, before);
    Tmyfile::IniWriteString(file_, section, key, "new");
    QCOMPARE(readAll(file_), after);
    QCOMPARE(Tmyfile::IniReadString(file_, section, key), QStringLiteral("new"));
}

void TestSettings::windows1250FileStaysInItsCodePage()
{
    const QByteArray before = platform::toAnsi(QStringLiteral("; Ustawienia użytkownika\n[Główne]\nNazwa=Łódź\n"));
    writeAll(file_, before);
    QCOMPARE(Tmyfile::IniReadString(file_, QStringLiteral("GŁÓWNE"), "nazwa"), QStringLiteral("Łódź"));

    Tmyfile::IniWriteString(file_, QStringLiteral("Główne"), "Miasto", QStringLiteral("Kraków"));
    QCOMPARE(readAll(file_), before + platform::toAnsi(QStringLiteral("Miasto=Kraków\n")));

    QVERIFY_THROWS_EXCEPTION(platform::EIniFileException,
        Tmyfile::IniWriteString(file_, QStringLiteral("Główne"), "Pismo", QStringLiteral("日本")));
    QCOMPARE(readAll(file_), before + platform::toAnsi(QStringLiteral("Miasto=Kraków\n")));
}

void TestSettings::textThatWouldBreakTheFormatIsRefused_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("line feed in a value") << "Main"
                                          << "k"
                                          << "a\n[Evil]\nx=1";
    QTest::newRow("carriage return in a value") << "Main"
                                                << "k"
                                                << "a\rb=2";
    QTest::newRow("line break in a key") << "Main"
                                         << "k\nb"
                                         << "v";
    QTest::newRow("line break in a section") << "Main]\n[Evil"
                                             << "k"
                                             << "v";
    QTest::newRow("bracket in a section") << "a]b"
                                          << "k"
                                          << "v";
    QTest::newRow("empty section") << " "
                                   << "k"
                                   << "v";
    QTest::newRow("equals sign in a key") << "Main"
                                          << "a=b"
                                          << "v";
    QTest::newRow("key looking like a section") << "Main"
                                                << "[Evil]"
                                                << "v";
    QTest::newRow("key looking like a comment") << "Main"
                                                << ";k"
                                                << "v";
    QTest::newRow("empty key") << "Main"
                               << ""
                               << "v";
    QTest::newRow("zero character") << "Main"
                                    << "k" << QString(QChar(u'\0'));
}

void TestSettings::textThatWouldBreakTheFormatIsRefused()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    writeAll(file_, sample);
    try {
        Tmyfile::IniWriteString(file_, section, key, value);
        QFAIL("the write was not refused");
    } catch (const platform::EIniFileException& e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("Unable to write to ") + file_), qPrintable(e.message()));
    }
    QCOMPARE(readAll(file_), sample);
}

void TestSettings::refusedWrites_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("read-only file") << "read-only";
    QTest::newRow("name of a folder") << "folder";
    QTest::newRow("folder does not exist") << "no-folder";
}

void TestSettings::refusedWrites()
{
    QFETCH(QString, kind);
    QString path = file_;
    if (kind == "read-only") {
        writeAll(path, sample);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        path = dir_->filePath("missing/settings.ini");
    }
    const QByteArray before = readAll(path);

    const auto attempts = {
        std::function<void()>([&] { Tmyfile::IniWriteString(path, "Main", "k", "v"); }),
        std::function<void()>([&] { Tmyfile::IniWriteInteger(path, "Main", "k", 1); }),
        std::function<void()>([&] { Tmyfile::IniWriteBool(path, "Main", "k", true); }),
    };
    for (const auto& attempt : attempts) {
        try {
            attempt();
            QFAIL("the write was not refused");
        } catch (const platform::EIniFileException& e) {
            QCOMPARE(e.message(), QStringLiteral("Unable to write to ") + path);
        }
    }
    QCOMPARE(readAll(path), before);
    QCOMPARE(QFileInfo(path).isDir(), kind == "folder");
}

void TestSettings::folderWithoutWritePermission()
{
    openToEveryone(QDir::tempPath() + "/..", false);
    openToEveryone(QDir::tempPath(), false);
    openToEveryone(dir_->path(), false);
    const QString inFolder = dir_->filePath("new.ini");
    const ProbeResult refused = runProbeUnprivileged({"ini-write", inFolder, "Main", "k", "v"});
    QCOMPARE(refused.exitCode, 2);
    QCOMPARE(refused.output, QStringLiteral("Unable to write to ") + inFolder);
    QVERIFY(!QFileInfo::exists(inFolder));

    openToEveryone(dir_->path(), true);
    const ProbeResult written = runProbeUnprivileged({"ini-write", inFolder, "Main", "k", "v"});
    QCOMPARE(written.exitCode, 0);
    QCOMPARE(Tmyfile::IniReadString(inFolder, "Main", "k"), QStringLiteral("v"));
}

std::unique_ptr<QObject> makeSettingsTest()
{
    return std::make_unique<TestSettings>();
}

#include "tst_settings.moc"
