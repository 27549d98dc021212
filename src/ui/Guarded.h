#pragma once

#include "platform/gui/ErrorHandler.h"

// Runs an event handler under the default error handler: an error ends the handler, is
// reported, and the program goes on. Errors are caught here, so they never unwind
// through Qt's own frames.
template <typename Handler>
void guarded(Handler&& handler)
{
    try {
        handler();
    } catch (...) {
        platform::TApplication::HandleException();
    }
}
