#pragma once

#include <QApplication>
#include <QString>
#include <exception>

namespace platform {

// The application object with the default error handler: an exception that leaves an
// event handler (a platform::Error or any std::exception) ends that handler only; its
// message is reported through platform::ShowMessage and the event loop goes on.
class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Reports the exception being handled; call from inside a catch block.
    static void HandleException();
    // The text reported for an exception: its message, ended with a full stop.
    static QString reportText(const std::exception& error);
};

} // namespace platform
