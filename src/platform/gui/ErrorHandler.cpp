#include "platform/gui/ErrorHandler.h"

#include "platform/Errors.h"
#include "platform/Message.h"

namespace platform {

namespace {

QString sentence(QString text)
{
    text = text.trimmed();
    if (!text.isEmpty() && !text.endsWith(u'.') && !text.endsWith(u'!') && !text.endsWith(u'?'))
        text += u'.';
    return text;
}

} // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException();
        return true;
    }
}

QString TApplication::reportText(const std::exception& error)
{
    if (const auto* e = dynamic_cast<const Error*>(&error))
        return sentence(e->message());
    return sentence(QString::fromLocal8Bit(error.what()));
}

void TApplication::HandleException()
{
    QString text;
    try {
        throw;
    } catch (const std::exception& e) {
        text = reportText(e);
    } catch (...) {
        text = QStringLiteral("Nieznany błąd.");
    }
    ShowMessage(text.isEmpty() ? QStringLiteral("Nieznany błąd.") : text);
}

} // namespace platform
