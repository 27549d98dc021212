#pragma once

#include <QString>

// Direct calls into the Firebird client library, for what Qt SQL cannot do.
namespace platform::firebird {

// "host/port:path", "host:path" or the bare path for the embedded engine.
QString connectionString(const QString& host, int port, const QString& path);

// Creates a database file with the given owner, default character set and page size.
// Raises EDatabaseError with the engine's message when the file cannot be created (it
// exists already, the folder is missing, the server refuses the login).
void createDatabase(const QString& connection, const QString& user, const QString& password, const QString& charSet,
                    int pageSize);

} // namespace platform::firebird
