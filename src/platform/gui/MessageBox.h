#pragma once

#include <QString>

namespace platform {

// The real box behind platform::ShowMessage: modal, one OK button, the application's
// display name as its title. The program installs it with setMessageHandler(ShowMessageBox).
void ShowMessageBox(const QString& text);

} // namespace platform
