#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <unistd.h>

// The result of running the probe program.
struct ProbeResult {
    int exitCode = -1;
    QString output;
};

// Runs files_probe with args, as the unprivileged user "nobody" when the tests run as
// root (the superuser may write anything, so refusals can only be seen without it).
inline ProbeResult runProbeUnprivileged(const QStringList& args)
{
    QProcess process;
    if (geteuid() == 0) {
        process.setProgram(QStringLiteral("setpriv"));
        process.setArguments(QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                 QStringLiteral("--clear-groups"), QStringLiteral(FILES_PROBE)}
            + args);
    } else {
        process.setProgram(QStringLiteral(FILES_PROBE));
        process.setArguments(args);
    }
    process.start();
    if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
}

// Lets "nobody" pass through and (when writable) write in a folder created by root.
inline void openToEveryone(const QString& path, bool writable)
{
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    if (writable)
        p |= QFile::WriteGroup | QFile::WriteOther;
    QFile::setPermissions(path, p);
}
