#include "platform/Shell.h"

#include <QProcess>
#include <QStringList>

namespace platform {

namespace {

bool defaultOpen(const QUrl& url)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {url.isLocalFile() ? url.toLocalFile() : url.toString()});
}

ShellOpenHandler& handler()
{
    static ShellOpenHandler current;
    return current;
}

} // namespace

bool ShellOpen(const QUrl& url)
{
    const ShellOpenHandler& h = handler();
    return h ? h(url) : defaultOpen(url);
}

ShellOpenHandler setShellOpenHandler(ShellOpenHandler next)
{
    ShellOpenHandler previous = std::move(handler());
    handler() = std::move(next);
    return previous;
}

} // namespace platform
