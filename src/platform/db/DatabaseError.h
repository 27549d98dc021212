#pragma once

#include "platform/Errors.h"

namespace platform {

// An error of the database components: the database's own message, or the components'
// message when they refuse an operation (no transaction, a closed result, a field that
// does not exist).
class EDatabaseError : public Error {
public:
    explicit EDatabaseError(const QString& message) : Error(message) {}
};

} // namespace platform
