#include "platform/Shell.h"

#include <QProcess>
#include <QStringList>

namespace platform {

namespace {

bool defaultOpen(const QUrl& url)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), { shellOpenArgument(url) });
}

bool defaultRun(const ShellCommand& command)
{
    return QProcess::startDetached(command.program, command.arguments, command.workingDirectory);
}

ShellOpenHandler& handler()
{
    static ShellOpenHandler current;
    return current;
}

ShellRunHandler& runHandler()
{
    static ShellRunHandler current;
    return current;
}

} // namespace

QString shellOpenArgument(const QUrl& url)
{
    if (url.isLocalFile())
        return url.toLocalFile();
    const QString text = url.toString();
    if (url.scheme().isEmpty() && text.startsWith(QLatin1String("www"), Qt::CaseInsensitive))
        return QStringLiteral("http://") + text;
    return text;
}

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

bool ShellRun(const ShellCommand& command)
{
    const ShellRunHandler& h = runHandler();
    return h ? h(command) : defaultRun(command);
}

ShellRunHandler setShellRunHandler(ShellRunHandler next)
{
    ShellRunHandler previous = std::move(runHandler());
    runHandler() = std::move(next);
    return previous;
}

} // namespace platform
