#pragma once

#include <QString>
#include <functional>

// The simple message box of the platform: one text and an OK button. The program installs
// a handler that shows a real box; tests install a recorder. Without a handler the text
// goes to standard error.
namespace platform {

using MessageHandler = std::function<void(const QString&)>;

void ShowMessage(const QString& text);

// Replaces the handler; returns the previous one.
MessageHandler setMessageHandler(MessageHandler handler);

class ScopedMessageHandler {
public:
    explicit ScopedMessageHandler(MessageHandler handler) : previous_(setMessageHandler(std::move(handler))) {}
    ~ScopedMessageHandler() { setMessageHandler(std::move(previous_)); }
    ScopedMessageHandler(const ScopedMessageHandler&) = delete;
    ScopedMessageHandler& operator=(const ScopedMessageHandler&) = delete;

private:
    MessageHandler previous_;
};

} // namespace platform
