#pragma once

#include "platform/db/FIBDatabase.h"

#include <QObject>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>

namespace platform {

// A transaction on a database. It attaches to the database on its first start and keeps
// that attachment until the database closes or the transaction is destroyed. Queries and
// data sets that run in it lose their open results when it ends.
class TpFIBTransaction : public QObject {
    Q_OBJECT

public:
    explicit TpFIBTransaction(TpFIBDatabase* database = nullptr, QObject* parent = nullptr);
    // Rolls back a transaction in progress.
    ~TpFIBTransaction() override;
    TpFIBTransaction(const TpFIBTransaction&) = delete;
    TpFIBTransaction& operator=(const TpFIBTransaction&) = delete;

    TpFIBDatabase* DefaultDatabase() const { return database_; }
    // Not while a transaction is in progress.
    void SetDefaultDatabase(TpFIBDatabase* database);

    // Whether a transaction is in progress.
    bool Active() const { return active_; }
    // false rolls back a transaction in progress, true starts one when none is.
    void SetActive(bool active);

    // Each raises EDatabaseError: StartTransaction when one is in progress already or the
    // database is not connected; Commit and Rollback when none is in progress, or with the
    // engine's message. After a failed Commit or Rollback no transaction is in progress.
    void StartTransaction();
    void Commit();
    void Rollback();

    // The attachment the transaction runs on; raises EDatabaseError when none is in progress.
    QSqlDatabase connection() const;

Q_SIGNALS:
    // Emitted just before the transaction ends (commit, rollback, the database closing).
    void ending();

private:
    void end(bool commit);
    void detach();

    QPointer<TpFIBDatabase> database_;
    QString connectionName_;
    bool active_ = false;
};

// Binds a query or data set to another transaction: what it had open is closed, and it
// closes again whenever that transaction commits or rolls back.
template <typename Component>
void rebindTransaction(Component* component, QPointer<TpFIBTransaction>& current, TpFIBTransaction* next)
{
    if (next == current)
        return;
    component->Close();
    if (current)
        QObject::disconnect(current, nullptr, component, nullptr);
    current = next;
    if (current)
        QObject::connect(current, &TpFIBTransaction::ending, component, &Component::Close);
}

} // namespace platform
