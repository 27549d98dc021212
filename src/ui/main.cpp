#include "platform/Message.h"
#include "platform/gui/ErrorHandler.h"
#include "platform/gui/MessageBox.h"
#include "ui/Unit1.h"
#include "util/ValtorX.h" // its start-up step has created Vsys before main runs

#include <QByteArray>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Whether a window can be shown at all. Without a display Qt would abort the process
// while creating the application object, so the program says so in one line instead.
bool displayAvailable()
{
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    if (!platformName.isEmpty() && !platformName.startsWith("xcb") && !platformName.startsWith("wayland"))
        return true;
    if (!qgetenv("WAYLAND_DISPLAY").isEmpty() && !platformName.startsWith("xcb"))
        return true;
    const QString display = QString::fromLocal8Bit(qgetenv("DISPLAY"));
    if (display.isEmpty())
        return false;
    // A local display ":N" needs its server's socket; a remote one is left to Qt.
    const QRegularExpressionMatch local = QRegularExpression(QStringLiteral("^:(\\d+)(\\.\\d+)?$")).match(display);
    if (local.hasMatch())
        return QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + local.captured(1));
    return true;
}

constexpr const char* noDisplay = "oee: no display available: set DISPLAY (X11) or WAYLAND_DISPLAY to start the window\n";

// While the application object connects to the display. A display that is named but
// cannot be reached (a remote host, a server that has gone) makes Qt abort; the program
// says so in its one line instead. Qt's own platform messages are held back until the
// connection is known to work, and then passed on.
class DisplayConnectionGuard {
public:
    DisplayConnectionGuard() { previous_ = qInstallMessageHandler(&DisplayConnectionGuard::handle); }
    ~DisplayConnectionGuard()
    {
        qInstallMessageHandler(previous_);
        for (const auto& [type, category, text] : held_) {
            const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
            if (previous_)
                previous_(type, context, text);
            else
                std::fprintf(stderr, "%s\n", qPrintable(text));
        }
        held_.clear();
    }
    DisplayConnectionGuard(const DisplayConnectionGuard&) = delete;
    DisplayConnectionGuard& operator=(const DisplayConnectionGuard&) = delete;

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg) {
            std::fputs(noDisplay, stderr);
            std::_Exit(2);
        }
        const QByteArray category = context.category ? QByteArray(context.category) : QByteArray();
        if (category.startsWith("qt.qpa")) {
            held_.push_back({type, category, text});
            return;
        }
        if (previous_)
            previous_(type, context, text);
    }

    struct Held {
        QtMsgType type;
        QByteArray category;
        QString text;
    };
    static inline QtMessageHandler previous_ = nullptr;
    static inline std::vector<Held> held_;
};

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs(noDisplay, stderr);
        return 2;
    }

    std::optional<DisplayConnectionGuard> connecting(std::in_place);
    platform::TApplication app(argc, argv);
    connecting.reset();
    platform::setMessageHandler(platform::ShowMessageBox);

    TForm1 form; // sized to its client area by its constructor
    // Centred on the screen when shown.
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    form.activateWindow(); // also where no window manager activates new windows
    return app.exec();
}
