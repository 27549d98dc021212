#include "FirebirdFixture.h"

#include "platform/db/FirebirdClient.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

QString messageFile()
{
    const QStringList candidates = QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : candidates) {
        const QString path = QStringLiteral("/usr/lib/%1/firebird/3.0/firebird.msg").arg(entry);
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

} // namespace

FirebirdFixture::FirebirdFixture()
{
    if (!dir_.isValid()) {
        problem_ = QStringLiteral("no temporary folder");
        return;
    }
    const QString server = qEnvironmentVariable("OEE_TEST_FB_SERVER");
    if (!server.isEmpty()) {
        const QStringList parts = server.split(u'/');
        host_ = parts.value(0);
        port_ = parts.value(1).toInt();
        password_ = qEnvironmentVariable("OEE_TEST_FB_PASSWORD");
        if (host_.isEmpty() || (parts.size() > 1 && port_ <= 0))
            problem_ = QStringLiteral("OEE_TEST_FB_SERVER is not host/port: %1").arg(server);
        return;
    }
    // The embedded engine reads its configuration and places its lock files where these
    // variables say; SuperClassic lets isql-fb open a database this process holds open.
    const QString conf = dir_.filePath(QStringLiteral("fbconf"));
    const QString lock = dir_.filePath(QStringLiteral("fblock"));
    const QString messages = messageFile();
    QFile config(conf + QStringLiteral("/firebird.conf"));
    if (messages.isEmpty() || !QDir().mkpath(conf) || !QDir().mkpath(lock)
        || !QFile::link(messages, conf + QStringLiteral("/firebird.msg")) || !config.open(QIODevice::WriteOnly)
        || config.write("ServerMode = SuperClassic\n") < 0) {
        problem_ = QStringLiteral("cannot prepare the embedded engine's configuration in %1").arg(dir_.path());
        return;
    }
    qputenv("FIREBIRD", QFile::encodeName(conf));
    qputenv("FIREBIRD_LOCK", QFile::encodeName(lock));
}

std::unique_ptr<platform::TpFIBDatabase> FirebirdFixture::database(const QString& fileName) const
{
    auto db = std::make_unique<platform::TpFIBDatabase>();
    db->DBName = dir_.filePath(fileName);
    db->HostName = host_;
    db->Port = port_;
    db->Password = password_;
    return db;
}

std::unique_ptr<platform::TpFIBDatabase> FirebirdFixture::createDatabase(const QString& fileName) const
{
    std::unique_ptr<platform::TpFIBDatabase> db = database(fileName);
    db->CreateDatabase();
    db->Open();
    return db;
}

QString FirebirdFixture::isql(const platform::TpFIBDatabase& db, const QString& script) const
{
    QStringList args{QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("-ch"), QStringLiteral("UTF8"), QStringLiteral("-user"),
                     db.UserName};
    if (!db.Password.isEmpty())
        args << QStringLiteral("-password") << db.Password;
    args << platform::firebird::connectionString(db.HostName, db.Port, db.DBName);
    QProcess process;
    process.start(QStringLiteral("isql-fb"), args);
    if (!process.waitForStarted(10000))
        return QStringLiteral("isql-fb failed to start: ") + process.errorString();
    process.write(script.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QStringLiteral("isql-fb failed: ") + QString::fromUtf8(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}
