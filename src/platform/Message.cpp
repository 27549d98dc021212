#include "platform/Message.h"

#include <cstdio>

namespace platform {

namespace {

MessageHandler& handler()
{
    static MessageHandler current;
    return current;
}

} // namespace

void ShowMessage(const QString& text)
{
    const MessageHandler& h = handler();
    if (h)
        h(text);
    else
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

MessageHandler setMessageHandler(MessageHandler next)
{
    MessageHandler previous = std::move(handler());
    handler() = std::move(next);
    return previous;
}

} // namespace platform
