#include "platform/db/FIBDatabase.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/FirebirdClient.h"
#include "platform/db/SqlIdentifier.h"

#include <QSqlError>

namespace platform {

namespace {

QString nextConnectionName()
{
    static quint64 counter = 0;
    return QStringLiteral("oee_fib_%1").arg(++counter);
}

} // namespace

TpFIBDatabase::TpFIBDatabase(QObject* parent) : QObject(parent), connectionName_(nextConnectionName())
{
}

TpFIBDatabase::~TpFIBDatabase()
{
    Close();
}

void TpFIBDatabase::Open()
{
    if (Connected())
        return;
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QIBASE")))
        throw EDatabaseError(QStringLiteral("Brak sterownika Firebird (QIBASE) dla Qt SQL"));
    if (!isSqlIdentifier(CharSet))
        throw EDatabaseError(QStringLiteral("Nieprawidłowa nazwa zestawu znaków: %1").arg(CharSet));
    QString message;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), connectionName_);
        db.setDatabaseName(DBName);
        db.setHostName(HostName);
        db.setPort(Port > 0 ? Port : -1);
        db.setUserName(UserName);
        db.setPassword(Password);
        db.setConnectOptions(QStringLiteral("ISC_DPB_LC_CTYPE=%1").arg(CharSet));
        if (db.open())
            return;
        const QSqlError error = db.lastError();
        message = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    }
    QSqlDatabase::removeDatabase(connectionName_);
    throw EDatabaseError(message);
}

void TpFIBDatabase::Close()
{
    if (!QSqlDatabase::contains(connectionName_))
        return;
    Q_EMIT closing();
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
}

bool TpFIBDatabase::Connected() const
{
    return QSqlDatabase::contains(connectionName_) && QSqlDatabase::database(connectionName_, false).isOpen();
}

void TpFIBDatabase::CreateDatabase(int pageSize)
{
    firebird::createDatabase(firebird::connectionString(HostName, Port, DBName), UserName, Password, CharSet, pageSize);
}

} // namespace platform
