#include "platform/gui/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

void ShowMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

} // namespace platform
