#include "util/TmyFibDataBase.h"

#include "platform/Message.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/FIBDataSet.h"
#include "platform/db/FIBQuery.h"
#include "platform/db/FIBTransaction.h"
#include "platform/db/SqlIdentifier.h"
#include "util/TmyStr.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <new>

using platform::EDatabaseError;
using platform::TpFIBTransaction;

namespace {

struct UnitTexts {
    QString lastErrorSQL;
    QString lastErrorMessage;
};

// The texts live in static storage that is never destroyed, so the library's shutdown step
// can empty them whatever the order in which static objects are destroyed at program end.
UnitTexts& unitTexts()
{
    alignas(UnitTexts) static unsigned char storage[sizeof(UnitTexts)];
    static UnitTexts* const texts = new (storage) UnitTexts();
    return *texts;
}

bool areNames(std::initializer_list<QStringView> names)
{
    for (QStringView name : names)
        if (!platform::isSqlIdentifier(name))
            return false;
    return true;
}

void requireNames(std::initializer_list<QStringView> names)
{
    for (QStringView name : names)
        if (!platform::isSqlIdentifier(name))
            throw EDatabaseError(QStringLiteral("Nieprawidłowa nazwa w poleceniu SQL: %1").arg(name));
}

TpFIBTransaction& transactionOf(platform::TpFIBQuery& query)
{
    if (!query.Transaction())
        throw EDatabaseError(QStringLiteral("Zapytanie nie ma przypisanej transakcji"));
    return *query.Transaction();
}

// Steps 1 to 3 of every statement: end what an earlier operation left in progress, start
// afresh, and put the statement's lines in place.
void begin(platform::TpFIBQuery& query, std::initializer_list<QString> lines)
{
    TpFIBTransaction& transaction = transactionOf(query);
    if (transaction.Active())
        transaction.SetActive(false);
    transaction.StartTransaction();
    query.Close();
    query.SQL.Clear();
    for (const QString& line : lines)
        query.SQL.Add(line);
}

void execAndCommit(platform::TpFIBQuery& query)
{
    query.ExecQuery();
    transactionOf(query).Commit();
}

void rollbackQuietly(TpFIBTransaction* transaction) noexcept
{
    if (!transaction || !transaction->Active())
        return;
    try {
        transaction->Rollback();
    } catch (const std::exception&) {
        // Ending the transaction failed; it is no longer in progress either way.
    }
}

// Runs one statement cycle; any error rolls the transaction back and gives `failure`.
template <class T, class Body>
T orFailure(platform::TpFIBQuery& query, T failure, Body body)
{
    try {
        return body();
    } catch (const std::exception&) {
        rollbackQuietly(query.Transaction());
        return failure;
    }
}

template <class Body>
void orNothing(platform::TpFIBQuery& query, Body body)
{
    orFailure(query, 0, [&] {
        body();
        return 0;
    });
}

QString messageOf(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const platform::Error*>(&error))
        return own->message();
    return QString::fromUtf8(error.what());
}

void reportSelectError(const QString& statement, const std::exception& error, TpFIBTransaction* transaction)
{
    const QString message = messageOf(error);
    platform::ShowMessage(message);
    platform::TStringList lines;
    lines.Add(statement);
    unitTexts().lastErrorSQL = lines.Text();
    unitTexts().lastErrorMessage = message;
    rollbackQuietly(transaction);
}

// Enables the data set's controls again also when locating raises an error.
class ControlsDisabled {
public:
    explicit ControlsDisabled(platform::TpFIBDataSet& dataSet) : dataSet_(dataSet) { dataSet_.DisableControls(); }
    ~ControlsDisabled() { dataSet_.EnableControls(); }
    ControlsDisabled(const ControlsDisabled&) = delete;
    ControlsDisabled& operator=(const ControlsDisabled&) = delete;

private:
    platform::TpFIBDataSet& dataSet_;
};

} // namespace

QString TmyFibDataBase::SQL_SR(const QString& s, std::int32_t v, const QString& pr)
{
    return TmyStr::MyStringReplace(s, pr, QString::number(v));
}

bool TmyFibDataBase::UpdateString(TpFIBQuery& ibq, std::int32_t idd, const QString& txt, const QString& tabela,
                                  const QString& pole) const
{
    if (!areNames({tabela, pole}))
        return false;
    return orFailure(ibq, false, [&] {
        begin(ibq, {"UPDATE " + tabela + " set " + pole + "= :ss ", "WHERE id = :id"});
        ibq.Params(0).SetAsString(txt);
        ibq.Params(1).SetAsInteger(idd);
        execAndCommit(ibq);
        return true;
    });
}

bool TmyFibDataBase::UpdateStringOnId(TpFIBQuery& ibq, std::int32_t idd, const QString& txt, const QString& tabela,
                                      const QString& pole, const QString& poleid) const
{
    if (!areNames({tabela, pole, poleid}))
        return false;
    return orFailure(ibq, false, [&] {
        begin(ibq, {"UPDATE " + tabela + " set " + pole + "= :ss ", "WHERE " + poleid + " = :id"});
        ibq.Params(0).SetAsString(txt);
        ibq.Params(1).SetAsInteger(idd);
        execAndCommit(ibq);
        return true;
    });
}

bool TmyFibDataBase::UpdateNumWithData(TpFIBQuery& IBQ, std::int32_t idd, std::int32_t x, const QString& tabela,
                                       const QString& fieldnum, const QString& fielddata) const
{
    if (!areNames({tabela, fieldnum, fielddata}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"UPDATE " + tabela + " set " + fieldnum + "= :prz, " + fielddata + "= :pr", "WHERE id = :id"});
        IBQ.Params(0).SetAsInteger(x);
        IBQ.Params(1).SetAsDate(platform::Date());
        IBQ.Params(2).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::UpdateInt(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela, const QString& fieldstr,
                               std::int32_t x) const
{
    if (!areNames({tabela, fieldstr}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"UPDATE " + tabela + " set " + fieldstr + "= :ss ", "WHERE id = :id"});
        IBQ.Params(0).SetAsInteger(x);
        IBQ.Params(1).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::UpdateTime(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela, const QString& fieldstr,
                                TDateTime x) const
{
    if (!areNames({tabela, fieldstr}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"UPDATE " + tabela + " set " + fieldstr + "= :ss ", "WHERE id = :id"});
        IBQ.Params(0).SetAsDateTime(x);
        IBQ.Params(1).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::UpdateFloat(TpFIBQuery& IBQ, std::int32_t idd, float x, const QString& tabela,
                                 const QString& fieldnum) const
{
    if (!areNames({tabela, fieldnum}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"UPDATE " + tabela + " set " + fieldnum + "= :prz", "WHERE id = :id"});
        IBQ.Params(0).SetAsFloat(x);
        IBQ.Params(1).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::InverseValue(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela,
                                  const QString& fieldstr) const
{
    if (!areNames({tabela, fieldstr}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"select id, " + fieldstr + " from " + tabela + " where id = :id "});
        IBQ.Params(0).SetAsInteger(idd);
        IBQ.ExecQuery();
        if (IBQ.RecordCount() == 0)
            return false;
        const std::int32_t inverse = IBQ.Fields(1).AsInteger() == 0 ? 1 : 0;
        begin(IBQ, {"UPDATE " + tabela + " set " + fieldstr + "= :ss ", "WHERE id = :id"});
        IBQ.Params(0).SetAsInteger(inverse);
        IBQ.Params(1).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::DeleteRecords(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela) const
{
    if (!areNames({tabela}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"delete from " + tabela + " where id = :id"});
        IBQ.Params(0).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::DeleteRecordsEx(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela,
                                     const QString& id_field) const
{
    if (!areNames({tabela, id_field}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"delete from " + tabela + " where " + id_field + " = :id"});
        IBQ.Params(0).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::DeleteRecordsIdId(TpFIBQuery& IBQ, std::int32_t id1, std::int32_t id2, const QString& tabela,
                                       const QString& id_field1, const QString& id_field2) const
{
    if (!areNames({tabela, id_field1, id_field2}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"delete from " + tabela + " where " + id_field1 + " = :id1 and " + id_field2 + " = :id2"});
        IBQ.Params(0).SetAsInteger(id1);
        IBQ.Params(1).SetAsInteger(id2);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::InsertStringAndInteger(TpFIBQuery& IBQ, std::int32_t idd, const QString& txt,
                                            const QString& tabela, const QString& fieldstr,
                                            const QString& fieldid) const
{
    if (!areNames({tabela, fieldstr, fieldid}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"Insert into " + tabela + " (" + fieldstr + ", " + fieldid + ") Values ( :str, :num)"});
        IBQ.Params(0).SetAsString(txt);
        IBQ.Params(1).SetAsInteger(idd);
        execAndCommit(IBQ);
        return true;
    });
}

bool TmyFibDataBase::InsertIntegerAndInteger(TpFIBQuery& IBQ, std::int32_t id1, std::int32_t id2,
                                             const QString& tabela, const QString& fieldid1,
                                             const QString& fieldid2) const
{
    if (!areNames({tabela, fieldid1, fieldid2}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"Insert into " + tabela + " (" + fieldid1 + ", " + fieldid2 + ") Values ( :id1, :id2)"});
        IBQ.Params(0).SetAsInteger(id1);
        IBQ.Params(1).SetAsInteger(id2);
        execAndCommit(IBQ);
        return true;
    });
}

void TmyFibDataBase::UpdateBlob(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldblob,
                                const TMemoryStream& s) const
{
    if (!areNames({tabela, fieldblob}))
        return;
    orNothing(IBQ, [&] {
        begin(IBQ, {"UPDATE " + tabela + " set " + fieldblob + "= :blo", "Where id= :id"});
        IBQ.Params(0).LoadFromStream(s);
        IBQ.Params(1).SetAsInteger(id);
        execAndCommit(IBQ);
    });
}

void TmyFibDataBase::UpdateBlobRTF(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela,
                                   const QString& fieldblob, const TStringList& aLines) const
{
    TMemoryStream stream;
    aLines.SaveToStream(stream);
    UpdateBlob(IBQ, id, tabela, fieldblob, stream);
}

void TmyFibDataBase::CommandSQL(TpFIBQuery& IBQ, const QString& txt) const
{
    orNothing(IBQ, [&] {
        begin(IBQ, {txt});
        execAndCommit(IBQ);
    });
}

void TmyFibDataBase::CommandSQL_ID(TpFIBQuery& IBQ, const QString& txt, std::int32_t idd) const
{
    orNothing(IBQ, [&] {
        begin(IBQ, {txt});
        IBQ.Params(0).SetAsInteger(idd);
        execAndCommit(IBQ);
    });
}

void TmyFibDataBase::GetBlob(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldblob,
                             TMemoryStream& s) const
{
    if (!areNames({tabela, fieldblob}))
        return;
    orNothing(IBQ, [&] {
        begin(IBQ, {"select id," + fieldblob + " from " + tabela, "Where id= :id"});
        IBQ.Params(0).SetAsInteger(id);
        IBQ.ExecQuery();
        IBQ.Fields(1).SaveToStream(s);
    });
}

QString TmyFibDataBase::GetString(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela,
                                  const QString& fieldstr) const
{
    if (!areNames({tabela, fieldstr}))
        return QString();
    return orFailure(IBQ, QString(), [&] {
        begin(IBQ, {"select id, " + fieldstr + " from " + tabela + " where id = :id "});
        IBQ.Params(0).SetAsInteger(id);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0 ? IBQ.Fields(1).AsString() : QString();
    });
}

QString TmyFibDataBase::GetStrOnID(TpFIBQuery& IBQ, std::int32_t id, const QString& field,
                                   const QString& tabela) const
{
    requireNames({field, tabela});
    begin(IBQ, {"select " + field + " from " + tabela + " where id=:id"});
    IBQ.Params(0).SetAsInteger(id);
    IBQ.ExecQuery();
    return IBQ.Fields(0).AsString();
}

QString TmyFibDataBase::GetStrOnIDEx(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& field,
                                     const QString& fieldid) const
{
    requireNames({tabela, field, fieldid});
    begin(IBQ, {"select " + field + " from " + tabela + " where " + fieldid + "=:id"});
    IBQ.Params(0).SetAsInteger(id);
    IBQ.ExecQuery();
    return IBQ.Fields(0).AsString();
}

std::int32_t TmyFibDataBase::GetInteger(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela,
                                        const QString& fieldstr) const
{
    if (!areNames({tabela, fieldstr}))
        return -1;
    return orFailure(IBQ, std::int32_t{-1}, [&] {
        begin(IBQ, {"select id, " + fieldstr + " from " + tabela + " where id = :id "});
        IBQ.Params(0).SetAsInteger(idd);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0 ? IBQ.Fields(1).AsInteger() : std::int32_t{-1};
    });
}

float TmyFibDataBase::GetFloat(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela,
                               const QString& fieldFloat) const
{
    if (!areNames({tabela, fieldFloat}))
        return 0;
    return orFailure(IBQ, 0.0f, [&] {
        begin(IBQ, {"select id, " + fieldFloat + " from " + tabela + " where id = :id "});
        IBQ.Params(0).SetAsInteger(id);
        IBQ.ExecQuery();
        if (IBQ.RecordCount() == 0)
            return 0.0f;
        const double value = IBQ.Fields(1).AsFloat();
        if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
            throw platform::EConvertError(QStringLiteral("Liczba poza zakresem pojedynczej precyzji: %1").arg(value));
        return static_cast<float>(value);
    });
}

platform::TDateTime TmyFibDataBase::GetDateTime(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela,
                                                const QString& fieldDT) const
{
    if (!areNames({tabela, fieldDT}))
        return 0;
    return orFailure(IBQ, TDateTime{0}, [&] {
        begin(IBQ, {"select id, " + fieldDT + " from " + tabela + " where id = :id "});
        IBQ.Params(0).SetAsInteger(id);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0 ? IBQ.Fields(1).AsDateTime() : TDateTime{0};
    });
}

std::int32_t TmyFibDataBase::FindID(TpFIBQuery& IBQ, const QString& find_str, const QString& tabela,
                                    const QString& fieldstr) const
{
    if (!areNames({tabela, fieldstr}))
        return -1;
    return orFailure(IBQ, std::int32_t{-1}, [&] {
        begin(IBQ, {"select id  from " + tabela + " where " + fieldstr + " =  :st "});
        IBQ.Params(0).SetAsString(find_str);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0 ? IBQ.Fields(0).AsInteger() : std::int32_t{0};
    });
}

std::int32_t TmyFibDataBase::GetMaxId(TpFIBQuery& IBQ, const QString& tabela) const
{
    requireNames({tabela});
    begin(IBQ, {"select max(id) from " + tabela});
    IBQ.ExecQuery();
    return IBQ.Fields(0).AsInteger();
}

std::int32_t TmyFibDataBase::AllRecordInTable(TpFIBQuery& IBQ, const QString& tabela) const
{
    if (!areNames({tabela}))
        return -1;
    return orFailure(IBQ, std::int32_t{-1}, [&] {
        begin(IBQ, {"select  count(*) from " + tabela});
        IBQ.ExecQuery();
        return IBQ.Fields(0).AsInteger();
    });
}

std::int32_t TmyFibDataBase::GetGenerator(TpFIBQuery& IBQ, const QString& generator, std::int32_t ic) const
{
    if (!areNames({generator}))
        return -1;
    return orFailure(IBQ, std::int32_t{-1}, [&] {
        begin(IBQ, {"select gen_id( " + generator + "," + QString::number(ic) + " ) from rdb$database "});
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0 ? IBQ.Fields(0).AsInteger() : std::int32_t{-1};
    });
}

bool TmyFibDataBase::IsIDinTable(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela) const
{
    if (!areNames({tabela}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"select id from " + tabela + " where id = :id "});
        IBQ.Params(0).SetAsInteger(id);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0;
    });
}

bool TmyFibDataBase::IsIntInTable(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela,
                                  const QString& idfield) const
{
    if (!areNames({tabela, idfield}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"select " + idfield + " from " + tabela + " where " + idfield + " = :id "});
        IBQ.Params(0).SetAsInteger(id);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0;
    });
}

bool TmyFibDataBase::IsIdAndIdInTable(TpFIBQuery& IBQ, std::int32_t id1, std::int32_t id2, const QString& tabela,
                                      const QString& fieldid1, const QString& fieldid2) const
{
    if (!areNames({tabela, fieldid1, fieldid2}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"select id from " + tabela + " where " + fieldid1 + " = :id and " + fieldid2 + " = :id2"});
        IBQ.Params(0).SetAsInteger(id1);
        IBQ.Params(1).SetAsInteger(id2);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0;
    });
}

bool TmyFibDataBase::IsTxtInTable(TpFIBQuery& IBQ, const QString& tabela, const QString& sx,
                                  const QString& fieldsx) const
{
    if (!areNames({tabela, fieldsx}))
        return false;
    return orFailure(IBQ, false, [&] {
        begin(IBQ, {"select id from " + tabela + " where " + fieldsx + " = :sx"});
        IBQ.Params(0).SetAsString(sx);
        IBQ.ExecQuery();
        return IBQ.RecordCount() != 0;
    });
}

void TmyFibDataBase::SelectSQL(TpFIBQuery& IBQ, const QString& txt) const
{
    try {
        begin(IBQ, {txt});
        IBQ.ExecQuery();
    } catch (const std::exception& error) {
        if (!Hide_error)
            reportSelectError(txt, error, IBQ.Transaction());
    }
}

void TmyFibDataBase::SelectSQL(TpFIBDataSet& IBds, const QString& txt) const
{
    try {
        TpFIBTransaction* transaction = IBds.Transaction();
        if (!transaction)
            throw EDatabaseError(QStringLiteral("Zbiór danych nie ma przypisanej transakcji"));
        if (transaction->Active())
            transaction->SetActive(false);
        transaction->StartTransaction();
        IBds.Close();
        IBds.SelectSQL.Clear();
        IBds.SelectSQL.Add(txt);
        IBds.Open();
    } catch (const std::exception& error) {
        if (!Hide_error)
            reportSelectError(txt, error, IBds.Transaction());
    }
}

bool TmyFibDataBase::LocateTable(TpFIBDataSet& IBds, std::int32_t idd) const
{
    const ControlsDisabled disabled(IBds);
    return IBds.Locate(QStringLiteral("ID"), idd);
}

void TmyFibDataBase::DefaultsDataSet(TpFIBDataSet& IBds) const
{
    IBds.DefaultFormats.DateTimeDisplayFormat = QStringLiteral("yyyy-mm-dd  hh:mm:ss");
    IBds.DefaultFormats.DisplayFormatDate = QStringLiteral("yyyy-mm-dd");
    IBds.DefaultFormats.DisplayFormatTime = QStringLiteral("hh:mm:ss");
    IBds.DefaultFormats.NumericDisplayFormat = QStringLiteral("#,##0.00");
    IBds.OnCompareFieldValues = [&IBds](const QVariant& a, const QVariant& b) {
        return IBds.StdAnsiCompareString(a, b);
    };
    IBds.SQLScreenCursor = platform::crSQLWait;
}

std::uint32_t TmyFibDataBase::FiltrColor(const QString& text, std::int32_t rcount)
{
    if (text.isEmpty())
        return 0xFFFFFF;
    return rcount != 0 ? 0xA4FFA4 : 0xA4A4FF;
}

QString TmyFibDataBase::LastErrorSQL()
{
    return unitTexts().lastErrorSQL;
}

QString TmyFibDataBase::LastErrorMessage()
{
    return unitTexts().lastErrorMessage;
}

void TmyFibDataBase::ClearUnitTexts()
{
    unitTexts().lastErrorSQL.clear();
    unitTexts().lastErrorMessage.clear();
}
