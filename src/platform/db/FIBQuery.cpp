#include "platform/db/FIBQuery.h"

#include "platform/db/DatabaseError.h"
#include "platform/db/FIBTransaction.h"
#include "platform/db/Statement.h"

#include <QSqlRecord>

namespace platform {

TpFIBQuery::TpFIBQuery(QObject* parent) : QObject(parent)
{
}

TpFIBQuery::~TpFIBQuery() = default;

void TpFIBQuery::SetTransaction(TpFIBTransaction* transaction)
{
    rebindTransaction(this, transaction_, transaction);
}

void TpFIBQuery::forgetParamsOfOldText()
{
    const QString text = SQL.Text();
    if (text != paramsText_) {
        params_.clear();
        paramsText_ = text;
    }
}

TFIBParam& TpFIBQuery::Params(int index)
{
    if (index < 0)
        throw EDatabaseError(QStringLiteral("Nieprawidłowy numer parametru: %1").arg(index));
    forgetParamsOfOldText();
    while (params_.size() <= static_cast<size_t>(index))
        params_.emplace_back();
    return params_[static_cast<size_t>(index)];
}

int TpFIBQuery::ParamCount()
{
    forgetParamsOfOldText();
    return static_cast<int>(params_.size());
}

void TpFIBQuery::ExecQuery()
{
    Close();
    if (!transaction_)
        throw EDatabaseError(QStringLiteral("Zapytanie nie ma przypisanej transakcji"));
    forgetParamsOfOldText();
    QVariantList values;
    for (const TFIBParam& p : params_)
        values << p.Value();
    std::unique_ptr<QSqlQuery> query = statement::run(transaction_->connection(), paramsText_, values, true);
    textBytes_ = textBytesOf(transaction_->DefaultDatabase()->CharSet);
    if (!query->isSelect())
        return;
    result_ = std::move(query);
    eof_ = !result_->next();
    recordCount_ = eof_ ? 0 : 1;
}

void TpFIBQuery::Close()
{
    result_.reset();
    eof_ = true;
    recordCount_ = 0;
}

int TpFIBQuery::FieldCount() const
{
    if (!result_)
        throw EDatabaseError(QStringLiteral("Zapytanie nie ma otwartego wyniku"));
    return result_->record().count();
}

TFIBField TpFIBQuery::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError(QStringLiteral("Wynik nie ma kolumny o numerze %1").arg(index));
    return eof_ ? TFIBField() : TFIBField(result_->value(index), textBytes_);
}

void TpFIBQuery::Next()
{
    if (!result_ || eof_)
        return;
    eof_ = !result_->next();
    if (!eof_)
        ++recordCount_;
}

} // namespace platform
