#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <memory>

// What the query and the data set share: running one statement through Qt SQL.
namespace platform::statement {

// Runs `text` on `db`. Without parameters the text runs exactly as written; with them it is
// prepared and the values are bound by position. Raises EDatabaseError with the engine's
// message, or when the text is blank.
std::unique_ptr<QSqlQuery> run(const QSqlDatabase& db, const QString& text, const QVariantList& params,
                               bool forwardOnly);

// The engine's message of the last error of `query`.
QString errorMessage(const QSqlQuery& query);

} // namespace platform::statement
