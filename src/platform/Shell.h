#pragma once

#include <QUrl>
#include <functional>

// Opening documents, programs and web addresses with the desktop's default handler.
// Every such request of the program goes through ShellOpen, so tests can replace the
// handler and never start a real browser or program.
namespace platform {

using ShellOpenHandler = std::function<bool(const QUrl&)>;

// Asks the desktop to open url (a web address or a local file); true when the request
// was handed over.
bool ShellOpen(const QUrl& url);

// Replaces the handler; returns the previous one. An empty handler restores the default,
// which runs xdg-open detached.
ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler);

// Restores the previous handler when it goes out of scope (for tests).
class ScopedShellOpenHandler {
public:
    explicit ScopedShellOpenHandler(ShellOpenHandler handler) : previous_(setShellOpenHandler(std::move(handler))) {}
    ~ScopedShellOpenHandler() { setShellOpenHandler(std::move(previous_)); }
    ScopedShellOpenHandler(const ScopedShellOpenHandler&) = delete;
    ScopedShellOpenHandler& operator=(const ScopedShellOpenHandler&) = delete;

private:
    ShellOpenHandler previous_;
};

} // namespace platform
