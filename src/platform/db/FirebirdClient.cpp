#include "platform/db/FirebirdClient.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/SqlIdentifier.h"

#include <QStringList>
#include <dlfcn.h>
#include <ibase.h>

namespace platform::firebird {

namespace {

// The client library is loaded at run time, as Qt's Firebird driver loads it too, so that
// the program needs no link-time dependency on it; the library stays loaded.
struct ClientApi {
    decltype(&isc_dsql_execute_immediate) executeImmediate = nullptr;
    decltype(&isc_detach_database) detachDatabase = nullptr;
    decltype(&fb_interpret) interpret = nullptr;
    bool loaded() const { return executeImmediate && detachDatabase && interpret; }
};

template <class Fn>
void resolve(void* library, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(dlsym(library, name));
}

const ClientApi& clientApi()
{
    static const ClientApi api = [] {
        ClientApi loaded;
        void* library = dlopen("libfbclient.so.2", RTLD_NOW | RTLD_GLOBAL);
        if (!library)
            library = dlopen("libfbclient.so", RTLD_NOW | RTLD_GLOBAL);
        if (library) {
            resolve(library, "isc_dsql_execute_immediate", loaded.executeImmediate);
            resolve(library, "isc_detach_database", loaded.detachDatabase);
            resolve(library, "fb_interpret", loaded.interpret);
        }
        return loaded;
    }();
    return api;
}

// The engine's message lines joined as Qt's driver joins them.
QString statusMessage(const ClientApi& api, const ISC_STATUS* status)
{
    QStringList lines;
    char buffer[1024];
    const ISC_STATUS* cursor = status;
    while (api.interpret(buffer, sizeof buffer, &cursor) > 0)
        lines << QString::fromUtf8(buffer);
    return lines.join(QStringLiteral(" - "));
}

QString quoted(const QString& text)
{
    QString out = text;
    out.replace(u'\'', QStringLiteral("''"));
    return u'\'' + out + u'\'';
}

} // namespace

QString connectionString(const QString& host, int port, const QString& path)
{
    if (host.isEmpty())
        return path;
    return port > 0 ? QStringLiteral("%1/%2:%3").arg(host).arg(port).arg(path) : host + u':' + path;
}

void createDatabase(const QString& connection, const QString& user, const QString& password, const QString& charSet,
                    int pageSize)
{
    const ClientApi& api = clientApi();
    if (!api.loaded())
        throw EDatabaseError(QStringLiteral("Nie można załadować biblioteki klienta Firebird (libfbclient)"));
    if (!isSqlIdentifier(charSet))
        throw EDatabaseError(QStringLiteral("Nieprawidłowa nazwa zestawu znaków: %1").arg(charSet));

    QString statement = QStringLiteral("CREATE DATABASE %1").arg(quoted(connection));
    if (!user.isEmpty())
        statement += QStringLiteral(" USER %1").arg(quoted(user));
    if (!password.isEmpty())
        statement += QStringLiteral(" PASSWORD %1").arg(quoted(password));
    if (pageSize > 0)
        statement += QStringLiteral(" PAGE_SIZE %1").arg(pageSize);
    statement += QStringLiteral(" DEFAULT CHARACTER SET %1").arg(charSet);

    const QByteArray sql = statement.toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle database = 0;
    isc_tr_handle transaction = 0;
    if (api.executeImmediate(status, &database, &transaction, 0, sql.constData(), SQL_DIALECT_V6, nullptr))
        throw EDatabaseError(statusMessage(api, status));
    if (api.detachDatabase(status, &database))
        throw EDatabaseError(statusMessage(api, status));
}

} // namespace platform::firebird
