#include "platform/ScreenCursor.h"

namespace platform {

namespace {

struct CursorState {
    TCursor cursor = crDefault;
    ScreenCursorHandler handler;
};

CursorState& state()
{
    static CursorState current;
    return current;
}

} // namespace

TCursor screenCursor()
{
    return state().cursor;
}

void setScreenCursor(TCursor cursor)
{
    CursorState& s = state();
    if (s.cursor == cursor)
        return;
    s.cursor = cursor;
    if (s.handler)
        s.handler(cursor);
}

ScreenCursorHandler setScreenCursorHandler(ScreenCursorHandler handler)
{
    ScreenCursorHandler previous = std::move(state().handler);
    state().handler = std::move(handler);
    return previous;
}

} // namespace platform
