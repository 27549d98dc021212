#include "platform/db/Statement.h"

#include "platform/db/DatabaseError.h"

#include <QSqlError>

namespace platform::statement {

QString errorMessage(const QSqlQuery& query)
{
    const QSqlError error = query.lastError();
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

std::unique_ptr<QSqlQuery> run(const QSqlDatabase& db, const QString& text, const QVariantList& params,
                               bool forwardOnly)
{
    if (text.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Brak tekstu polecenia SQL"));
    auto query = std::make_unique<QSqlQuery>(db);
    query->setForwardOnly(forwardOnly);
    bool ok = false;
    if (params.isEmpty()) {
        ok = query->exec(text);
    } else {
        ok = query->prepare(text);
        if (ok) {
            for (qsizetype i = 0; i < params.size(); ++i)
                query->bindValue(static_cast<int>(i), params.at(i));
            ok = query->exec();
        }
    }
    if (!ok)
        throw EDatabaseError(errorMessage(*query));
    return query;
}

} // namespace platform::statement
