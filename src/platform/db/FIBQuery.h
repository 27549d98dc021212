#pragma once

#include "platform/StringList.h"
#include "platform/db/FIBField.h"

#include <QObject>
#include <QPointer>
#include <QSqlQuery>
#include <deque>
#include <memory>

namespace platform {

class TpFIBTransaction;

// One SQL statement run in a transaction. Parameters and result columns are addressed by
// position: the first parameter marker of the statement is parameter 0, the first column
// of the select list is column 0.
class TpFIBQuery : public QObject {
    Q_OBJECT

public:
    explicit TpFIBQuery(QObject* parent = nullptr);
    ~TpFIBQuery() override;
    TpFIBQuery(const TpFIBQuery&) = delete;
    TpFIBQuery& operator=(const TpFIBQuery&) = delete;

    TpFIBTransaction* Transaction() const { return transaction_; }
    void SetTransaction(TpFIBTransaction* transaction);

    // The statement, as lines.
    TStringList SQL;

    // The parameter at `index`, created on first use. Parameters belong to the statement
    // text: once the text changes, the values set for the old text are gone.
    TFIBParam& Params(int index);
    int ParamCount();

    // Prepares and runs the statement in the transaction, which must be in progress; a
    // select opens its result and stands on its first row. A statement without parameters
    // runs exactly as written. Raises EDatabaseError with the engine's message.
    void ExecQuery();
    // Ends an open result. Harmless when nothing is open.
    void Close();
    // Whether a select's result is open.
    bool Open() const { return result_ != nullptr; }

    // Columns of the current row; raise EDatabaseError when no result is open or the column
    // does not exist. Past the last row every column holds no value.
    int FieldCount() const;
    TFIBField Fields(int index) const;
    bool Eof() const { return eof_; }
    void Next();
    // The rows read so far: after ExecQuery of a select, not 0 exactly when it returned a row.
    std::int32_t RecordCount() const { return recordCount_; }

private:
    void forgetParamsOfOldText();

    QPointer<TpFIBTransaction> transaction_;
    std::deque<TFIBParam> params_;
    QString paramsText_;
    std::unique_ptr<QSqlQuery> result_;
    bool eof_ = true;
    std::int32_t recordCount_ = 0;
    TTextBytes textBytes_ = TTextBytes::Utf8;
};

} // namespace platform
