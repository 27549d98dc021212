#include "platform/db/FIBDataSet.h"

#include "platform/TextCompare.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/FIBQuery.h"
#include "platform/db/FIBTransaction.h"
#include "platform/db/Statement.h"

#include <QSqlRecord>

namespace platform {

TpFIBDataSet::TpFIBDataSet(QObject* parent) : QObject(parent)
{
}

TpFIBDataSet::~TpFIBDataSet() = default;

void TpFIBDataSet::SetTransaction(TpFIBTransaction* transaction)
{
    rebindTransaction(this, transaction_, transaction);
}

void TpFIBDataSet::Open()
{
    if (Active())
        return;
    if (!transaction_)
        throw EDatabaseError(QStringLiteral("Zbiór danych nie ma przypisanej transakcji"));
    const ScopedScreenCursor cursor(SQLScreenCursor);
    result_ = statement::run(transaction_->connection(), SelectSQL.Text(), {}, false);
    textBytes_ = textBytesOf(transaction_->DefaultDatabase()->CharSet);
    if (!result_->isSelect()) {
        result_.reset();
        throw EDatabaseError(QStringLiteral("Polecenie zbioru danych nie jest zapytaniem SELECT"));
    }
    eof_ = !result_->first();
}

void TpFIBDataSet::Close()
{
    result_.reset();
    eof_ = true;
}

void TpFIBDataSet::requireOpen() const
{
    if (!result_)
        throw EDatabaseError(QStringLiteral("Zbiór danych jest zamknięty"));
}

void TpFIBDataSet::First()
{
    requireOpen();
    eof_ = !result_->first();
}

void TpFIBDataSet::Next()
{
    requireOpen();
    if (!eof_)
        eof_ = !result_->next();
}

std::int32_t TpFIBDataSet::RecordCount() const
{
    requireOpen();
    const int current = result_->at();
    if (!result_->last())
        return 0;
    const std::int32_t count = result_->at() + 1;
    if (current >= 0)
        result_->seek(current);
    else
        result_->next(); // back to "after the last row"
    return count;
}

int TpFIBDataSet::FieldCount() const
{
    requireOpen();
    return result_->record().count();
}

TFIBField TpFIBDataSet::Fields(int index) const
{
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError(QStringLiteral("Wynik nie ma kolumny o numerze %1").arg(index));
    return eof_ ? TFIBField() : TFIBField(result_->value(index), textBytes_);
}

int TpFIBDataSet::fieldIndex(const QString& name) const
{
    requireOpen();
    const QSqlRecord record = result_->record();
    for (int i = 0; i < record.count(); ++i)
        if (record.fieldName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    throw EDatabaseError(QStringLiteral("Zbiór danych nie ma kolumny %1").arg(name));
}

TFIBField TpFIBDataSet::FieldByName(const QString& name) const
{
    return Fields(fieldIndex(name));
}

bool TpFIBDataSet::Locate(const QString& keyField, const QVariant& value)
{
    const int column = fieldIndex(keyField);
    const int start = result_->at();
    for (bool row = result_->first(); row; row = result_->next()) {
        const QVariant v = result_->value(column);
        if (value.isNull() ? v.isNull() : !v.isNull() && v == value) {
            eof_ = false;
            return true;
        }
    }
    if (start >= 0)
        result_->seek(start);
    return false;
}

void TpFIBDataSet::EnableControls()
{
    if (disabledControls_ > 0)
        --disabledControls_;
}

int TpFIBDataSet::StdAnsiCompareString(const QVariant& a, const QVariant& b) const
{
    return AnsiCompareStr(a.toString(), b.toString());
}

int TpFIBDataSet::CompareFieldValues(const QVariant& a, const QVariant& b) const
{
    if (OnCompareFieldValues)
        return OnCompareFieldValues(a, b);
    const QPartialOrdering order = QVariant::compare(a, b);
    return order == QPartialOrdering::Less ? -1 : order == QPartialOrdering::Greater ? 1 : 0;
}

} // namespace platform
