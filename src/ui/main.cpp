#include "platform/Message.h"
#include "platform/gui/ErrorHandler.h"
#include "platform/gui/MessageBox.h"
#include "ui/Unit1.h"
#include "util/ValtorX.h" // its start-up step has created Vsys before main runs

#include <QByteArray>
#include <QScreen>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

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

} // namespace

int main(int argc, char** argv)
{
    if (!displayAvailable()) {
        std::fputs("oee: no display available: set DISPLAY (X11) or WAYLAND_DISPLAY to start the window\n", stderr);
        return 2;
    }

    platform::TApplication app(argc, argv);
    platform::setMessageHandler(platform::ShowMessageBox);

    TForm1 form;
    form.adjustSize();
    form.resize(971, 677);
    // Centred on the screen when shown.
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    form.activateWindow(); // also where no window manager activates new windows
    return app.exec();
}
