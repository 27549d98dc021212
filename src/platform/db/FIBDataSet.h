#pragma once

#include "platform/ScreenCursor.h"
#include "platform/StringList.h"
#include "platform/db/FIBField.h"

#include <QObject>
#include <QPointer>
#include <QSqlQuery>
#include <functional>
#include <memory>

namespace platform {

class TpFIBTransaction;

// Display formats that data-aware controls apply to the data set's columns. Empty texts
// leave the locale's formats.
struct TFIBDefaultFormats {
    QString DateTimeDisplayFormat;
    QString DisplayFormatDate;
    QString DisplayFormatTime;
    QString NumericDisplayFormat;
    QString NumericEditFormat;
};

// The rows of a select, open in a transaction, with a current row that can move freely.
class TpFIBDataSet : public QObject {
    Q_OBJECT

public:
    // Compares two column values: negative, zero or positive.
    using TCompareFieldValues = std::function<int(const QVariant&, const QVariant&)>;

    explicit TpFIBDataSet(QObject* parent = nullptr);
    ~TpFIBDataSet() override;
    TpFIBDataSet(const TpFIBDataSet&) = delete;
    TpFIBDataSet& operator=(const TpFIBDataSet&) = delete;

    TpFIBTransaction* Transaction() const { return transaction_; }
    void SetTransaction(TpFIBTransaction* transaction);

    // The select statement, as lines.
    TStringList SelectSQL;
    TFIBDefaultFormats DefaultFormats;
    // The comparison of column values; empty: CompareFieldValues compares the values as they are.
    TCompareFieldValues OnCompareFieldValues;
    // The mouse cursor shown while the select runs.
    TCursor SQLScreenCursor = crDefault;

    // Runs the select in the transaction, which must be in progress, and stands on the first
    // row. Raises EDatabaseError with the engine's message. Harmless when already open.
    void Open();
    void Close();
    bool Active() const { return result_ != nullptr; }

    // Moving; raise EDatabaseError when the data set is closed.
    void First();
    void Next();
    bool Eof() const { return eof_; }
    // All rows of the result.
    std::int32_t RecordCount() const;

    // Columns of the current row; raise EDatabaseError when closed or for a column that does
    // not exist. Names are compared without regard to case.
    int FieldCount() const;
    TFIBField Fields(int index) const;
    TFIBField FieldByName(const QString& name) const;

    // Moves to the first row whose column `keyField` equals `value` exactly and returns true;
    // without such a row the current row stays and the result is false.
    bool Locate(const QString& keyField, const QVariant& value);

    // Data-aware controls stop following the data set until every DisableControls has been
    // matched by EnableControls.
    void DisableControls() { ++disabledControls_; }
    void EnableControls();
    bool ControlsDisabled() const { return disabledControls_ > 0; }

    // The data set's own text comparison: the values as texts, by the user's locale.
    int StdAnsiCompareString(const QVariant& a, const QVariant& b) const;
    // OnCompareFieldValues when set.
    int CompareFieldValues(const QVariant& a, const QVariant& b) const;

private:
    void requireOpen() const;
    int fieldIndex(const QString& name) const;

    QPointer<TpFIBTransaction> transaction_;
    std::unique_ptr<QSqlQuery> result_;
    bool eof_ = true;
    TTextBytes textBytes_ = TTextBytes::Utf8;
    int disabledControls_ = 0;
};

} // namespace platform
