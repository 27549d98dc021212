#include "Probe.h"
#include "TestHome.h"

#include "platform/CodePage.h"
#include "platform/Shell.h"
#include "util/Tmysystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString latin1(std::initializer_list<unsigned char> bytes)
{
    QString s;
    for (const unsigned char b : bytes)
        s += QChar(char16_t(b));
    return s;
}

// Records what the shell was asked to open or start; nothing is launched.
class ShellRecorder {
public:
    explicit ShellRecorder(bool runSucceeds = true)
        : open_([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        })
        , run_([this, runSucceeds](const platform::ShellCommand& command) {
            started.push_back(command);
            return runSucceeds;
        })
    {
    }

    std::vector<QUrl> opened;
    std::vector<platform::ShellCommand> started;

private:
    platform::ScopedShellOpenHandler open_;
    platform::ScopedShellRunHandler run_;
};

std::optional<QString> desktopValue(const QByteArray& entry, const QByteArray& key)
{
    for (const QByteArray& line : entry.split('\n')) {
        if (line.startsWith(key + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    }
    return std::nullopt;
}

} // namespace

class TestSystem : public QObject {
    Q_OBJECT

public:
    explicit TestSystem(const TestHome& home) : home_(home) {}

private Q_SLOTS:

    void userAndComputerNames();
    void randomInteger_data();
    void randomInteger();
    void randomIntegerSpreads();
    void winToIso_data();
    void winToIso();
    void enDeCode_data();
    void enDeCode();

    void shellLinkIsAValidDesktopEntry_data();
    void shellLinkIsAValidDesktopEntry();
    void shellLinkRefusals();
    void createLink_data();
    void createLink();
    void createLinkRefusals_data();
    void createLinkRefusals();

    void waitWithProcess();
    void programFolder();
    void openWebAddress_data();
    void openWebAddress();
    void defaultHandlerArgument_data();
    void defaultHandlerArgument();
    void openFilesAndPrograms();

private:
    const TestHome& home_;
};

void TestSystem::userAndComputerNames()
{
    QProcess id;
    id.start("id", {"-un"});
    QVERIFY(id.waitForFinished());
    QCOMPARE(Tmysystem::GetNetUser(), QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed());

    if (geteuid() == 0) {
        openToEveryone(home_.root(), false);
        const ProbeResult other = runProbeUnprivileged({"user"});
        QCOMPARE(other.exitCode, 0);
        QCOMPARE(other.output, QStringLiteral("nobody"));
    }

    const QString host = QSysInfo::machineHostName();
    const QString name = Tmysystem::GetNetworkName();
    QCOMPARE(name.size(), host.size());
    QCOMPARE(name.compare(host, Qt::CaseInsensitive), 0);
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (i == 0)
            QVERIFY(!(c >= u'a' && c <= u'z'));
        else
            QVERIFY(!(c >= u'A' && c <= u'Z'));
    }
}

void TestSystem::randomInteger_data()
{
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    QTest::addColumn<QSet<int>>("expected");
    QTest::newRow("empty range") << 5 << 5 << QSet<int>{5};
    QTest::newRow("reversed range") << 7 << 3 << QSet<int>{7};
    QTest::newRow("two values") << 0 << 2 << QSet<int>{0, 1};
    QTest::newRow("negative range") << -3 << 0 << QSet<int>{-3, -2, -1};
    QTest::newRow("one value below the top") << INT32_MAX - 1 << INT32_MAX << QSet<int>{INT32_MAX - 1};
}

void TestSystem::randomInteger()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(QSet<int>, expected);
    QSet<int> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(Tmysystem::RandomInteger(low, high));
    QCOMPARE(seen, expected);
}

void TestSystem::randomIntegerSpreads()
{
    QSet<int> small;
    QSet<int> whole;
    for (int i = 0; i < 50; ++i) {
        small.insert(Tmysystem::RandomInteger(0, 1000000));
        const int v = Tmysystem::RandomInteger(INT32_MIN, INT32_MAX);
        QVERIFY(v != INT32_MAX);
        whole.insert(v);
    }
    QVERIFY2(small.size() > 40, "calls in quick succession repeat their numbers");
    QVERIFY(whole.size() > 40);
    QVERIFY(std::any_of(whole.begin(), whole.end(), [](int v) { return v < 0; }));
    QVERIFY(std::any_of(whole.begin(), whole.end(), [](int v) { return v > 0; }));
}

void TestSystem::winToIso_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ascii unchanged") << "Abc 123"
                                     << "Abc 123";
    QTest::newRow("letters that move") << latin1({0xB9, 0x9C, 0x9F, 0xA5, 0x8C, 0x8F})
                                       << latin1({0xB1, 0xB6, 0xBC, 0xA1, 0xA6, 0xAC});
    QTest::newRow("letters on the same byte")
        << latin1({0xB3, 0xA3, 0xF3, 0xBF, 0xE6, 0xEA}) << latin1({0xB3, 0xA3, 0xF3, 0xBF, 0xE6, 0xEA});
    QTest::newRow("signs Latin-2 lacks") << latin1({0x80, 0x84, 0x96}) << "???";
    QTest::newRow("undefined byte") << latin1({0x81}) << "?";
    QTest::newRow("not a byte") << QStringLiteral("a\u0105b") << "a?b";
}

void TestSystem::winToIso()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(Tmysystem::WinToIso(input), expected);
}

void TestSystem::enDeCode_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("empty") << QString() << QString();
    // 'A' 0x41 -> 0xBE 'ľ'; 'z' 0x7A -> 0x85 '…'; 'ł' 0xB3 -> 0x4C 'L'.
    QTest::newRow("bytes complemented in Windows-1250") << QStringLiteral("Azł") << QStringLiteral("ľ…L");
    QTest::newRow("zero and 255") << QStringLiteral("\u02D9") + QChar(u'\0') << QChar(u'\0') + QStringLiteral("\u02D9");
}

void TestSystem::enDeCode()
{
    QFETCH(QString, input);
    QFETCH(QString, encoded);
    QCOMPARE(Tmysystem::EnDeCode(input), encoded);
    QCOMPARE(Tmysystem::EnDeCode(encoded), input);

    const QString polish = QStringLiteral("Zażółć gęślą jaźń, 100 zł!");
    QCOMPARE(Tmysystem::EnDeCode(Tmysystem::EnDeCode(polish)), polish);
}

void TestSystem::shellLinkIsAValidDesktopEntry_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QUrl>("item");
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QString>("comment");
    QTest::newRow("plain program") << "/opt/prog/raport"
                                   << ""
                                   << "Raport" << QUrl() << "/opt/prog/raport"
                                   << "Raport";
    QTest::newRow("blanks, quotes and percent") << "/opt/my prog/raport"
                                                << "-a \"b c\" 100%"
                                                << "Opis" << QUrl() << "\"/opt/my prog/raport\" -a \"b c\" 100%%"
                                                << "Opis";
    QTest::newRow("backslash path and special characters")
        << "C:\\Prog\\run.exe"
        << "$HOME `x` a\\b"
        << "" << QUrl() << R"(C:/Prog/run.exe "\\$HOME" "\\`x\\`" "a\\\\b")"
        << "";
    QTest::newRow("line breaks stay inside the value") << "/opt/prog/raport"
                                                       << ""
                                                       << "one\nNoDisplay=true" << QUrl() << "/opt/prog/raport"
                                                       << "one\\nNoDisplay=true";
    QTest::newRow("item list as a link entry") << "/ignored"
                                               << ""
                                               << "Strona" << QUrl("https://example.com/a b") << ""
                                               << "Strona";
}

void TestSystem::shellLinkIsAValidDesktopEntry()
{
    QFETCH(QString, target);
    QFETCH(QString, parameters);
    QFETCH(QString, description);
    QFETCH(QUrl, item);
    QFETCH(QString, exec);
    QFETCH(QString, comment);
    QTemporaryDir dir;
    const QString file = dir.filePath("Mój skrót.desktop");

    QVERIFY(Tmysystem::CreateShellLink(
        file, target, description, "/opt/prog", parameters, "/opt/prog/raport.png", 3, 0x0452, ssMaximized, item));

    const QByteArray entry = readAll(file);
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    QCOMPARE(desktopValue(entry, "Name"), QStringLiteral("Mój skrót"));
    QCOMPARE(desktopValue(entry, "Comment").value_or(QString()), comment);
    QCOMPARE(desktopValue(entry, "Icon"), QStringLiteral("/opt/prog/raport.png"));
    QCOMPARE(entry.count('\n'), entry.split('\n').count() - 1);
    QVERIFY(!desktopValue(entry, "NoDisplay"));
    if (item.isValid()) {
        QCOMPARE(desktopValue(entry, "Type"), QStringLiteral("Link"));
        QCOMPARE(desktopValue(entry, "URL"), QStringLiteral("https://example.com/a%20b"));
        QVERIFY(!desktopValue(entry, "Exec"));
    } else {
        QCOMPARE(desktopValue(entry, "Type"), QStringLiteral("Application"));
        QCOMPARE(desktopValue(entry, "Exec"), exec);
        QCOMPARE(desktopValue(entry, "Path"), QStringLiteral("/opt/prog"));
    }

    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty())
        QSKIP("desktop-file-validate is not installed (desktop-file-utils)");
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(validator, {file});
    QVERIFY(validate.waitForFinished());
    const QString report = QString::fromUtf8(validate.readAll());
    QVERIFY2(validate.exitCode() == 0 && !report.contains("error"), qPrintable(report));
}

void TestSystem::shellLinkRefusals()
{
    QTemporaryDir dir;
    QVERIFY(
        !Tmysystem::CreateShellLink(dir.filePath("missing/x.desktop"), "/bin/true", "", "", "", "", 0, 0, ssNormal));
    QVERIFY(!Tmysystem::CreateShellLink(dir.filePath("x.desktop"), "", "", "", "", "", 0, 0, ssNormal));
    QVERIFY(!Tmysystem::CreateShellLink("", "/bin/true", "", "", "", "", 0, 0, ssNormal));
    QVERIFY(!QFileInfo::exists(dir.filePath("x.desktop")));
}

void TestSystem::createLink_data()
{
    QTest::addColumn<int>("f");
    QTest::addColumn<QString>("folder");
    QTest::newRow("0 desktop") << 0 << "Desktop";
    QTest::newRow("1 application menu") << 1 << ".local/share/applications";
    QTest::newRow("2 autostart") << 2 << ".config/autostart";
    QTest::newRow("3 programs of the menu") << 3 << ".local/share/applications";
}

void TestSystem::createLink()
{
    QFETCH(int, f);
    QFETCH(QString, folder);
    const QString file = home_.home() + "/" + folder + "/Raport.desktop";
    QFile::remove(file);

    QVERIFY(Tmysystem::CreateLink("Raport", "C:\\Prog\\raport.exe", "Roczny raport", f));

    const QByteArray entry = readAll(file);
    QCOMPARE(desktopValue(entry, "Name"), QStringLiteral("Raport"));
    QCOMPARE(desktopValue(entry, "Exec"), QStringLiteral("C:/Prog/raport.exe"));
    QCOMPARE(desktopValue(entry, "Path"), QStringLiteral("C:/Prog/"));
    QCOMPARE(desktopValue(entry, "Icon"), QStringLiteral("C:/Prog/raport.exe"));
    QCOMPARE(desktopValue(entry, "Comment"), QStringLiteral("Roczny raport"));
    QVERIFY(QFileInfo(file).permission(QFile::ExeOwner));
}

void TestSystem::createLinkRefusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("f");
    QTest::newRow("unknown folder 4") << "Raport" << 4;
    QTest::newRow("unknown folder -1") << "Raport" << -1;
    QTest::newRow("empty name") << "" << 0;
    QTest::newRow("name climbing out of the folder") << "../../Raport" << 0;
    QTest::newRow("name with a backslash") << "..\\Raport" << 0;
}

void TestSystem::createLinkRefusals()
{
    QFETCH(QString, name);
    QFETCH(int, f);
    const QSet<QString> before = [&] {
        QSet<QString> all;
        QDirIterator it(
            home_.root(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            all.insert(it.next());
        return all;
    }();
    QVERIFY(!Tmysystem::CreateLink(name, "/opt/prog/raport", "", f));
    QSet<QString> after;
    QDirIterator it(
        home_.root(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        after.insert(it.next());
    QCOMPARE(after, before);
}

void TestSystem::waitWithProcess()
{
    bool handled = false;
    QMetaObject::invokeMethod(
        this, [&] { handled = true; }, Qt::QueuedConnection);
    Tmysystem::WaitWithProcess(0);
    Tmysystem::WaitWithProcess(-5);
    QVERIFY(!handled);
    Tmysystem::WaitWithProcess(1);
    QVERIFY(handled);
}

void TestSystem::programFolder()
{
    const QString mine = QCoreApplication::applicationDirPath() + "/";
    QCOMPARE(Tmysystem::MojKatalog(), mine);
    QCOMPARE(Tmysystem::PodKatalog("dane"), mine + "dane/");
    QCOMPARE(Tmysystem::PodKatalog("dane\\2012"), mine + "dane/2012/");
}

void TestSystem::openWebAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened");
    QTest::newRow("www in capitals unchanged") << "WWW.Example.com/a"
                                               << "WWW.Example.com/a";
    QTest::newRow("https unchanged") << "https://example.com/x?a=1"
                                     << "https://example.com/x?a=1";
    QTest::newRow("http in capitals, scheme normalised") << "HTTP://example.com"
                                                         << "http://example.com";
    QTest::newRow("bare host gets http") << "example.com"
                                         << "http://example.com";
    QTest::newRow("ftp gets http in front of its scheme") << "ftp://host/f"
                                                          << "http://ftp//host/f";
    QTest::newRow("other schemes never reach the shell") << "javascript:alert(1)" << QString();
}

void TestSystem::openWebAddress()
{
    QFETCH(QString, address);
    QFETCH(QString, opened);
    ShellRecorder shell;
    Tmysystem::odpalwww(address);
    QCOMPARE(shell.opened.size(), std::size_t(opened.isEmpty() ? 0 : 1));
    if (!opened.isEmpty())
        QCOMPARE(shell.opened.front().toString(), opened);
    QVERIFY(shell.started.empty());

    ShellRecorder none;
    Tmysystem::odpalwww(QString());
    QVERIFY(none.opened.empty());
}

void TestSystem::defaultHandlerArgument_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("argument");
    QTest::newRow("www address") << QUrl("WWW.Example.com") << "http://WWW.Example.com";
    QTest::newRow("web address") << QUrl("https://example.com") << "https://example.com";
    QTest::newRow("local file") << QUrl::fromLocalFile("/tmp/a b.txt") << "/tmp/a b.txt";
}

void TestSystem::defaultHandlerArgument()
{
    QFETCH(QUrl, url);
    QFETCH(QString, argument);
    QCOMPARE(platform::shellOpenArgument(url), argument);
}

void TestSystem::openFilesAndPrograms()
{
    QTemporaryDir dir;
    const QString document = dir.filePath("Zażółć.txt");
    const QString program = dir.filePath("run.sh");
    QFile(document).open(QIODevice::WriteOnly);
    {
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n");
    }
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));

    {
        ShellRecorder shell;
        Tmysystem::odpal(platform::toAnsi(QString(document).replace(u'/', u'\\')));
        QCOMPARE(shell.opened.size(), std::size_t{1});
        QCOMPARE(shell.opened.front(), QUrl::fromLocalFile(document));
        QVERIFY(shell.started.empty());
    }
    {
        ShellRecorder shell;
        Tmysystem::odpal(platform::toAnsi(program));
        QCOMPARE(shell.started.size(), std::size_t{1});
        QCOMPARE(shell.started.front().program, program);
        QVERIFY(shell.started.front().arguments.isEmpty());
        QVERIFY(shell.opened.empty());
    }
    {
        ShellRecorder shell;
        Tmysystem::odpalzparametrami("run.sh", "-x \"a b\" c", dir.path());
        QCOMPARE(shell.started.size(), std::size_t{1});
        QCOMPARE(shell.started.front().program, program);
        QCOMPARE(shell.started.front().arguments, (QStringList{"-x", "a b", "c"}));
        QCOMPARE(shell.started.front().workingDirectory, dir.path());
    }
    {
        ShellRecorder shell;
        Tmysystem::odpalzparametrami("sh", "-c true", QString());
        QCOMPARE(shell.started.size(), std::size_t{1});
        QCOMPARE(shell.started.front().program, QStandardPaths::findExecutable("sh"));
    }
    {
        ShellRecorder failing(false);
        Tmysystem::odpalzparametrami(program, "", "");
        QCOMPARE(failing.started.size(), std::size_t{1});
        QCOMPARE(failing.opened.size(), std::size_t{1});
        QCOMPARE(failing.opened.front(), QUrl::fromLocalFile(program));
    }
    {
        ShellRecorder shell;
        Tmysystem::odpal(QByteArray());
        QVERIFY(shell.opened.empty() && shell.started.empty());
    }
}

int main(int argc, char** argv)
{
    const TestHome home;
    if (!home.isValid())
        return 1;
    QCoreApplication app(argc, argv);
    TestSystem test(home);
    return QTest::qExec(&test, argc, argv);
}
#include "tst_system.moc"
