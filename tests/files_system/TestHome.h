#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <optional>

// A temporary home: HOME, the XDG folders and TMPDIR point into one temporary folder for
// the lifetime of the object, so nothing reads or writes the real user's files. The
// folder's name holds a Polish letter, as a user's name may.
class TestHome {
public:
    TestHome()
    {
        const QString root = dir_.path();
        home_ = root + QStringLiteral("/użytkownik");
        QDir().mkpath(home_);
        QDir().mkpath(root + QStringLiteral("/tmp"));
        QDir().mkpath(root + QStringLiteral("/share"));
        QDir().mkpath(root + QStringLiteral("/runtime"));
        QFile::setPermissions(
            root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        set("HOME", home_);
        set("XDG_CONFIG_HOME", home_ + QStringLiteral("/.config"));
        set("XDG_DATA_HOME", home_ + QStringLiteral("/.local/share"));
        set("XDG_CACHE_HOME", home_ + QStringLiteral("/.cache"));
        set("XDG_DATA_DIRS", root + QStringLiteral("/share:/usr/share"));
        set("XDG_CONFIG_DIRS", root + QStringLiteral("/etc-xdg"));
        set("XDG_RUNTIME_DIR", root + QStringLiteral("/runtime"));
        set("TMPDIR", root + QStringLiteral("/tmp"));
    }
    ~TestHome()
    {
        for (const auto& [name, value] : saved_) {
            if (value)
                qputenv(name.constData(), *value);
            else
                qunsetenv(name.constData());
        }
    }
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    bool isValid() const { return dir_.isValid(); }
    QString root() const { return dir_.path(); }
    QString home() const { return home_; }

private:
    void set(const char* name, const QString& value)
    {
        saved_.emplace(QByteArray(name),
            qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt);
        qputenv(name, value.toLocal8Bit());
    }

    QTemporaryDir dir_;
    QString home_;
    std::map<QByteArray, std::optional<QByteArray>> saved_;
};
