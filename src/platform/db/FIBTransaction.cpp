#include "platform/db/FIBTransaction.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/FIBDatabase.h"

#include <QSqlError>

namespace platform {

namespace {

QString messageOf(const QSqlError& error)
{
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

} // namespace

TpFIBTransaction::TpFIBTransaction(TpFIBDatabase* database, QObject* parent) : QObject(parent)
{
    SetDefaultDatabase(database);
}

TpFIBTransaction::~TpFIBTransaction()
{
    try {
        if (active_)
            Rollback();
    } catch (const EDatabaseError&) {
        // The engine ends the transaction with the attachment anyway.
    }
    detach();
}

void TpFIBTransaction::SetDefaultDatabase(TpFIBDatabase* database)
{
    if (database == database_)
        return;
    if (active_)
        throw EDatabaseError(QStringLiteral("Nie można zmienić bazy danych transakcji w toku"));
    if (database_)
        disconnect(database_, nullptr, this, nullptr);
    detach();
    database_ = database;
    if (database_) {
        connect(database_, &TpFIBDatabase::closing, this, [this] {
            try {
                if (active_)
                    Rollback();
            } catch (const EDatabaseError&) {
            }
            detach();
        });
    }
}

void TpFIBTransaction::SetActive(bool active)
{
    if (active && !active_)
        StartTransaction();
    else if (!active && active_)
        Rollback();
}

void TpFIBTransaction::StartTransaction()
{
    if (active_)
        throw EDatabaseError(QStringLiteral("Transakcja jest już w toku"));
    if (!database_ || !database_->Connected())
        throw EDatabaseError(QStringLiteral("Baza danych transakcji nie jest połączona"));
    if (connectionName_.isEmpty() || !QSqlDatabase::contains(connectionName_)) {
        static quint64 counter = 0;
        connectionName_ = database_->connectionName() + QStringLiteral("_tr%1").arg(++counter);
        QSqlDatabase::cloneDatabase(database_->connectionName(), connectionName_);
    }
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    if (!db.isOpen() && !db.open())
        throw EDatabaseError(messageOf(db.lastError()));
    if (!db.transaction())
        throw EDatabaseError(messageOf(db.lastError()));
    active_ = true;
}

void TpFIBTransaction::Commit()
{
    end(true);
}

void TpFIBTransaction::Rollback()
{
    end(false);
}

void TpFIBTransaction::end(bool commit)
{
    if (!active_)
        throw EDatabaseError(QStringLiteral("Żadna transakcja nie jest w toku"));
    Q_EMIT ending();
    active_ = false;
    QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
    const bool ok = commit ? db.commit() : db.rollback();
    if (!ok)
        throw EDatabaseError(messageOf(db.lastError()));
}

QSqlDatabase TpFIBTransaction::connection() const
{
    if (!active_)
        throw EDatabaseError(QStringLiteral("Żadna transakcja nie jest w toku"));
    return QSqlDatabase::database(connectionName_, false);
}

void TpFIBTransaction::detach()
{
    if (connectionName_.isEmpty())
        return;
    if (QSqlDatabase::contains(connectionName_)) {
        QSqlDatabase::database(connectionName_, false).close();
        QSqlDatabase::removeDatabase(connectionName_);
    }
    connectionName_.clear();
}

} // namespace platform
