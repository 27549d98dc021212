#pragma once

#include "platform/db/FIBDatabase.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// Firebird databases in a temporary folder. By default the embedded engine opens them in
// this process, with a private configuration and lock folder; when OEE_TEST_FB_SERVER names
// a server ("host/port"), a server opens them over TCP as SYSDBA with the password in
// OEE_TEST_FB_PASSWORD.
class FirebirdFixture {
public:
    FirebirdFixture();

    // Empty when the fixture is usable, else why not.
    QString problem() const { return problem_; }
    bool usesServer() const { return !host_.isEmpty(); }

    // A database that is not created yet, with the fixture's connection settings.
    std::unique_ptr<platform::TpFIBDatabase> database(const QString& fileName) const;
    // A new, connected database.
    std::unique_ptr<platform::TpFIBDatabase> createDatabase(const QString& fileName) const;

    // Runs `script` with isql-fb on the database (text in UTF-8); its standard output, or a
    // text beginning "isql-fb failed" with its error output.
    QString isql(const platform::TpFIBDatabase& db, const QString& script) const;

private:
    QTemporaryDir dir_;
    QString host_;
    int port_ = 0;
    QString password_;
    QString problem_;
};
