#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QUrl>
#include <cstdint>

class QMenu;
class QWidget;

// How a shortcut starts its program.
enum TShowState { ssNormal, ssMinimized, ssMaximized };

// System, shell and percentage helpers. Stateless: every operation is called without an object.
//
// Window operations take the window's frame position and outer size, as the original
// platform's forms do; they do nothing with a null widget. Documents, programs and web
// addresses are opened through platform::ShellOpen and platform::ShellRun.
class Tmysystem {
public:
    // czesc as a percentage of calosc; 0 for a zero whole.
    static float procent(std::int64_t calosc, std::int64_t czesc);
    static float procentf(float calosc, float czesc);
    // The given percentage of calosc; 0 for a zero whole.
    static float procentp(float calosc, float procent);

    // The name of the user the program runs as, or empty text.
    static QString GetNetUser();
    // The host name with its first ASCII letter in capitals and the other ASCII letters in
    // lower case, or empty text.
    static QString GetNetworkName();

    // The height of a task bar at the top or the bottom of the primary screen, else 0.
    static int GetTaskBarHeight();
    // The same rule on a given work area and the height of the whole desktop.
    static int GetTaskBarHeight(const QRect& workArea, int desktopHeight);
    // Makes the form a visible window that stays above the others, at its current place
    // and size; true when it is.
    static bool ShowFormTop(QWidget* Frm);
    // The form covers the work area of monitor nrMonitor; nothing for an unknown monitor.
    static void FormMaxi(QWidget* f, int nrMonitor);
    // Opens the menu at the mouse cursor.
    static void GoPopup(QMenu* pp);
    // Centres the panel in the form's client area (quotients truncated toward zero).
    static void PanelCenterForm(QWidget* f, QWidget* p);
    // Places the form at the mouse cursor, flipped to the cursor's left or above it where
    // it would leave the primary screen.
    static void PozycjaXY(QWidget* f);
    // The place PozycjaXY chooses for a window of the given size.
    static QPoint PozycjaXY(const QPoint& cursor, const QSize& window, const QSize& screen);

    // A uniformly drawn integer from RandMin to RandMax - 1; RandMin when RandMax <= RandMin.
    static std::int32_t RandomInteger(std::int32_t RandMin, std::int32_t RandMax);
    // One character per byte in and out: Windows-1250 bytes to ISO-8859-2 bytes; a letter
    // Latin-2 lacks (and a character above U+00FF) becomes "?".
    static QString WinToIso(const QString& s);

    // Saves a shortcut as a freedesktop desktop entry file at FileName: an application
    // entry starting Target with Parameters in StartIn, or, when ItemIDList is a valid
    // address, a link entry to it. IconIndex, HotKey and ShowState have no counterpart in
    // desktop entries and are not stored. True when the file was saved.
    static bool CreateShellLink(const QString& FileName, const QString& Target, const QString& Description,
        const QString& StartIn, const QString& Parameters, const QString& IconPath, std::int32_t IconIndex,
        std::uint16_t HotKey, TShowState ShowState, const QUrl& ItemIDList = QUrl());
    // A shortcut "<name>.desktop" to the program exename in the folder selected by f:
    // 0 the desktop, 1 the application menu, 2 the autostart folder, 3 the application
    // menu. The folder is created when missing. False for another f or a name that is
    // empty or holds a folder separator.
    static bool CreateLink(const QString& name, const QString& exename, const QString& desc, int f);

    // Sleeps dsec tenths of a second, letting the event loop process pending events after
    // each tenth; event handlers may run before it returns.
    static void WaitWithProcess(int dsec);
    // Byte complement of the text's Windows-1250 bytes; applied twice it gives back a text
    // whose characters all fit the code page.
    static QString EnDeCode(const QString& s);

    // The folder of the running program, ending in "/".
    static QString MojKatalog();
    // MojKatalog(), katalog and "/".
    static QString PodKatalog(const QString& katalog);

    // Opens the file with its default program; an executable file is started.
    static void odpal(const QByteArray& filename);
    // As odpal; an executable file is started with params (split like a command line) in
    // the folder cdir. A relative name is looked for in cdir, in the current folder, then
    // (without a folder part) on the PATH.
    static void odpalzparametrami(const QString& filename, const QString& params, const QString& cdir);
    // Opens a web address in the browser: as given when it begins with "www", "http://" or
    // "https://" (in any case), otherwise with "http://" put in front; nothing for empty text.
    static void odpalwww(const QString& adress);
};
