#pragma once

#include "platform/DateTime.h"
#include "platform/MemoryStream.h"
#include "platform/StringList.h"

#include <QString>
#include <cstdint>

namespace platform {
class TpFIBQuery;
class TpFIBDataSet;
} // namespace platform

class QLineEdit;

// Database access helper; the one helper that keeps state. Each operation runs one
// statement in its own short transaction on the caller's query: a transaction left in
// progress is rolled back first, a writing operation commits, a reading one leaves its
// transaction in progress for the next operation to roll back.
//
// Table, column and generator names are pasted into the statement text. A name that is
// not an SQL identifier makes an operation give its failure result without running
// anything (or raise EDatabaseError where errors reach the caller), so user text passed as
// a name cannot change the statement. Free statements (CommandSQL, SelectSQL) run as given.
class TmyFibDataBase {
public:
    using TpFIBQuery = platform::TpFIBQuery;
    using TpFIBDataSet = platform::TpFIBDataSet;
    using TMemoryStream = platform::TMemoryStream;
    using TStringList = platform::TStringList;
    using TDateTime = platform::TDateTime;

    // When true, a failing SelectSQL shows nothing, records nothing and leaves the
    // transaction as the failure left it.
    bool Hide_error = false;

    static std::int32_t SQLBool(bool B) { return B ? 1 : 0; }
    static bool SQLBool(std::int32_t B) { return B != 0; }
    // `s` with every occurrence of `pr`, letters compared without regard to case, replaced
    // by the decimal text of `v`.
    static QString SQL_SR(const QString& s, std::int32_t v, const QString& pr);

    // Writing operations: true when the statement ran and was committed.
    bool UpdateString(TpFIBQuery& ibq, std::int32_t idd, const QString& txt, const QString& tabela,
                      const QString& pole) const;
    bool UpdateStringOnId(TpFIBQuery& ibq, std::int32_t idd, const QString& txt, const QString& tabela,
                          const QString& pole, const QString& poleid) const;
    // Also stamps the row with today's date in `fielddata`.
    bool UpdateNumWithData(TpFIBQuery& IBQ, std::int32_t idd, std::int32_t x, const QString& tabela,
                           const QString& fieldnum, const QString& fielddata) const;
    bool UpdateInt(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela, const QString& fieldstr,
                   std::int32_t x) const;
    bool UpdateTime(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela, const QString& fieldstr,
                    TDateTime x) const;
    bool UpdateFloat(TpFIBQuery& IBQ, std::int32_t idd, float x, const QString& tabela,
                     const QString& fieldnum) const;
    // Flips an integer column between 0 and 1 (any value other than 0 becomes 0); false
    // when no row has the id.
    bool InverseValue(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela, const QString& fieldstr) const;
    bool DeleteRecords(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela) const;
    bool DeleteRecordsEx(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela, const QString& id_field) const;
    bool DeleteRecordsIdId(TpFIBQuery& IBQ, std::int32_t id1, std::int32_t id2, const QString& tabela,
                           const QString& id_field1, const QString& id_field2) const;
    bool InsertStringAndInteger(TpFIBQuery& IBQ, std::int32_t idd, const QString& txt, const QString& tabela,
                                const QString& fieldstr, const QString& fieldid) const;
    bool InsertIntegerAndInteger(TpFIBQuery& IBQ, std::int32_t id1, std::int32_t id2, const QString& tabela,
                                 const QString& fieldid1, const QString& fieldid2) const;
    // Stores the stream's whole content, whatever its position.
    void UpdateBlob(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldblob,
                    const TMemoryStream& s) const;
    // Stores the lines as the string list saves itself: each line followed by CR LF, in the
    // system's 8-bit code page.
    void UpdateBlobRTF(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldblob,
                       const TStringList& aLines) const;
    void CommandSQL(TpFIBQuery& IBQ, const QString& txt) const;
    // `txt` with one parameter, `idd`.
    void CommandSQL_ID(TpFIBQuery& IBQ, const QString& txt, std::int32_t idd) const;

    // Reading operations; the failure results are those of the library's tables.
    // Writes the blob at the stream's position; writes nothing on an error.
    void GetBlob(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldblob,
                 TMemoryStream& s) const;
    QString GetString(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldstr) const;
    // GetStrOnID, GetStrOnIDEx and GetMaxId let every error reach the caller.
    QString GetStrOnID(TpFIBQuery& IBQ, std::int32_t id, const QString& field, const QString& tabela) const;
    QString GetStrOnIDEx(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& field,
                         const QString& fieldid) const;
    std::int32_t GetInteger(TpFIBQuery& IBQ, std::int32_t idd, const QString& tabela,
                            const QString& fieldstr) const;
    float GetFloat(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldFloat) const;
    TDateTime GetDateTime(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& fieldDT) const;
    // The id of the first row whose column holds the text; 0 when none does, -1 on an error.
    std::int32_t FindID(TpFIBQuery& IBQ, const QString& find_str, const QString& tabela,
                        const QString& fieldstr) const;
    std::int32_t GetMaxId(TpFIBQuery& IBQ, const QString& tabela) const;
    std::int32_t AllRecordInTable(TpFIBQuery& IBQ, const QString& tabela) const;
    // Advances the generator by `ic` and gives its new value (0 reads the current one).
    std::int32_t GetGenerator(TpFIBQuery& IBQ, const QString& generator, std::int32_t ic) const;
    bool IsIDinTable(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela) const;
    bool IsIntInTable(TpFIBQuery& IBQ, std::int32_t id, const QString& tabela, const QString& idfield) const;
    bool IsIdAndIdInTable(TpFIBQuery& IBQ, std::int32_t id1, std::int32_t id2, const QString& tabela,
                          const QString& fieldid1, const QString& fieldid2) const;
    bool IsTxtInTable(TpFIBQuery& IBQ, const QString& tabela, const QString& sx, const QString& fieldsx) const;

    // Run a select and leave the query or the data set open on its result. On an error,
    // unless Hide_error: the message box shows the error's message, LastErrorSQL and
    // LastErrorMessage record it, and the transaction is rolled back.
    void SelectSQL(TpFIBQuery& IBQ, const QString& txt) const;
    void SelectSQL(TpFIBDataSet& IBds, const QString& txt) const;

    // Moves the data set to the row whose column ID equals `idd`, with its controls disabled
    // meanwhile; whether such a row exists.
    bool LocateTable(TpFIBDataSet& IBds, std::int32_t idd) const;
    // Display formats, the locale's text comparison and the SQL-wait cursor.
    void DefaultsDataSet(TpFIBDataSet& IBds) const;

    // The colour (a TColor, $00BBGGRR) of a filter edit box holding `text` after the filter found
    // `rcount` rows: white when empty, light green when rows were found, light red otherwise.
    static std::uint32_t FiltrColor(const QString& text, std::int32_t rcount);
    // Paints the edit box's background in that colour. Defined with the GUI helpers
    // (FiltrEditGui.cpp, library oee_util_gui).
    void FiltrEditColor(std::int32_t rcount, QLineEdit& ed) const;

    // The last SelectSQL that failed while Hide_error was false: its statement text and the
    // error's message.
    static QString LastErrorSQL();
    static QString LastErrorMessage();
    // Empties the unit-level texts kept for the last failed statement (program end).
    static void ClearUnitTexts();
};
