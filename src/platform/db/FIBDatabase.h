#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace platform {

// A Firebird database. Without a host name the embedded engine opens the file DBName in
// this process (no server needed); with a host name (and a port) a Firebird server does.
// Every transaction works on an attachment of its own, so one database serves any number
// of transactions at a time.
class TpFIBDatabase : public QObject {
    Q_OBJECT

public:
    explicit TpFIBDatabase(QObject* parent = nullptr);
    ~TpFIBDatabase() override;
    TpFIBDatabase(const TpFIBDatabase&) = delete;
    TpFIBDatabase& operator=(const TpFIBDatabase&) = delete;

    QString DBName;   // the database file, as a path on the machine that runs the engine
    QString HostName; // empty: the embedded engine
    int Port = 0;     // 0: the server's default port
    QString UserName = QStringLiteral("SYSDBA");
    QString Password;
    QString CharSet = QStringLiteral("UTF8");

    // Attaches to the database; raises EDatabaseError with the engine's message.
    void Open();
    // Rolls back the transactions in progress and detaches. Harmless when not connected.
    void Close();
    bool Connected() const;

    // Creates the database file DBName (which must not exist yet) with CharSet as its
    // default character set. Does not attach to it.
    void CreateDatabase(int pageSize = 8192);

    // The name of this database's attachment in Qt SQL, for transactions to clone.
    QString connectionName() const { return connectionName_; }

Q_SIGNALS:
    // Emitted before the attachment ends; transactions end theirs too.
    void closing();

private:
    QString connectionName_;
};

} // namespace platform
