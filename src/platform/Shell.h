#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Opening documents, programs and web addresses with the desktop's default handler.
// Every such request of the program goes through ShellOpen (or ShellRun for a program
// with arguments), so tests can replace the handler and never start a real browser or
// program.
namespace platform {

using ShellOpenHandler = std::function<bool(const QUrl&)>;

// Asks the desktop to open url (a web address or a local file); true when the request
// was handed over.
bool ShellOpen(const QUrl& url);

// Replaces the handler; returns the previous one. An empty handler restores the default,
// which runs xdg-open detached with shellOpenArgument(url).
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

// What the default handler gives xdg-open: the path of a local file, the address of
// anything else, with "http://" before a scheme-less address that begins with "www" (the
// Windows shell takes such an address for a web address; xdg-open would look for a file).
QString shellOpenArgument(const QUrl& url);

// Restores the previous handler when it goes out of scope (for tests).
class ScopedShellOpenHandler {
public:
    explicit ScopedShellOpenHandler(ShellOpenHandler handler)
        : previous_(setShellOpenHandler(std::move(handler)))
    {
    }
    ~ScopedShellOpenHandler() { setShellOpenHandler(std::move(previous_)); }
    ScopedShellOpenHandler(const ScopedShellOpenHandler&) = delete;
    ScopedShellOpenHandler& operator=(const ScopedShellOpenHandler&) = delete;

private:
    ShellOpenHandler previous_;
};

// A program to start, detached, with its arguments and working folder (empty: the
// current one).
struct ShellCommand {
    QString program;
    QStringList arguments;
    QString workingDirectory;
};

using ShellRunHandler = std::function<bool(const ShellCommand&)>;

// Starts the program; true when it was started.
bool ShellRun(const ShellCommand& command);

// Replaces the handler; returns the previous one. An empty handler restores the default,
// which starts the program detached.
ShellRunHandler setShellRunHandler(ShellRunHandler handler);

class ScopedShellRunHandler {
public:
    explicit ScopedShellRunHandler(ShellRunHandler handler)
        : previous_(setShellRunHandler(std::move(handler)))
    {
    }
    ~ScopedShellRunHandler() { setShellRunHandler(std::move(previous_)); }
    ScopedShellRunHandler(const ScopedShellRunHandler&) = delete;
    ScopedShellRunHandler& operator=(const ScopedShellRunHandler&) = delete;

private:
    ShellRunHandler previous_;
};

} // namespace platform
