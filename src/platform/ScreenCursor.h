#pragma once

#include <functional>

// The mouse cursor shown over the whole application (the platform's Screen.Cursor).
// Work that makes the user wait sets it for its duration; the program installs a handler
// that shows the cursor, tests install a recorder. Without a handler only the value changes.
namespace platform {

using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crSQLWait = -17;

TCursor screenCursor();
void setScreenCursor(TCursor cursor);

using ScreenCursorHandler = std::function<void(TCursor)>;
// Replaces the handler; returns the previous one.
ScreenCursorHandler setScreenCursorHandler(ScreenCursorHandler handler);

// Shows a cursor while in scope and then the one that was shown before.
class ScopedScreenCursor {
public:
    explicit ScopedScreenCursor(TCursor cursor) : previous_(screenCursor()) { setScreenCursor(cursor); }
    ~ScopedScreenCursor() { setScreenCursor(previous_); }
    ScopedScreenCursor(const ScopedScreenCursor&) = delete;
    ScopedScreenCursor& operator=(const ScopedScreenCursor&) = delete;

private:
    TCursor previous_;
};

} // namespace platform
