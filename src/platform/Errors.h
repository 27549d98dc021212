#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// Errors the runtime raises where the original platform raised exceptions.
// The message is the text the default error handler shows to the user.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message) : std::runtime_error(message.toStdString()), text_(message) {}
    const QString& message() const noexcept { return text_; }

private:
    QString text_;
};

// Integer division by zero.
class EDivByZero : public Error {
public:
    EDivByZero() : Error(QStringLiteral("Dzielenie przez zero")) {}
};

// Floating-point division of a non-zero value by zero.
class EZeroDivide : public Error {
public:
    EZeroDivide() : Error(QStringLiteral("Dzielenie zmiennoprzecinkowe przez zero")) {}
};

// Invalid floating-point operation (0/0, a NaN or an out-of-range value turned into an integer).
class EInvalidOp : public Error {
public:
    EInvalidOp() : Error(QStringLiteral("Nieprawidłowa operacja zmiennoprzecinkowa")) {}
};

// A text or a set of fields that does not make a valid number, date or time.
class EConvertError : public Error {
public:
    explicit EConvertError(const QString& message) : Error(message) {}
};

// A settings file that could not be written; the message names the file.
class EIniFileException : public Error {
public:
    explicit EIniFileException(const QString& message) : Error(message) {}
};

// A picture that cannot be loaded, created or accessed as asked.
class EInvalidGraphic : public Error {
public:
    explicit EInvalidGraphic(const QString& message) : Error(message) {}
};

} // namespace platform
