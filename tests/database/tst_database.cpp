#include "FirebirdFixture.h"

#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/Message.h"
#include "platform/ScreenCursor.h"
#include "platform/db/DatabaseError.h"
#include "platform/db/FIBDataSet.h"
#include "platform/db/FIBQuery.h"
#include "platform/db/FIBTransaction.h"
#include "platform/db/SqlIdentifier.h"
#include "util/TmyFibDataBase.h"

#include <QColor>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <functional>

using namespace platform;

// An operation of the helper on the test's query, its result wrapped (null for none).
using Op = std::function<QVariant(TmyFibDataBase&, TpFIBQuery&)>;
// The same with the table and column names it is given.
using NamedOp = std::function<QVariant(TmyFibDataBase&, TpFIBQuery&, const QString& table, const QString& column)>;
Q_DECLARE_METATYPE(Op)
Q_DECLARE_METATYPE(NamedOp)

namespace {

TDateTime moment(int y, int m, int d, int h, int mi, int s)
{
    return ComposeDateTime(EncodeDate(y, m, d), EncodeTime(h, mi, s, 0));
}

QStringList linesOf(const TStringList& list)
{
    return list.toStringList();
}

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, '\0');
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    return bytes;
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void sqlIdentifiers_data();
    void sqlIdentifiers();
    void boolsAndPlaceholders();
    void memoryStream();

    void mainPath_data();
    void mainPath();
    void noRow_data();
    void noRow();
    void failures_data();
    void failures();
    void errorsReachCallerWithoutRollback_data();
    void errorsReachCallerWithoutRollback();

    void blobsRoundTrip_data();
    void blobsRoundTrip();
    void blobOfLines();
    void polishTextRoundTrips();
    void isqlReadsWhatTheHelperWrote();
    void generatorAdvances();
    void inverseValue_data();
    void inverseValue();
    void nextOperationRollsBackWhatAReadLeft();
    void integerOutside32BitsIsAnError();

    void selectErrors_data();
    void selectErrors();
    void locateTable();
    void defaultsDataSet();
    void filterColour_data();
    void filterColour();

    void transactionsOfOneDatabaseAreIndependent();
    void creatingAndOpeningFail();

private:
    // The first column of a select, read in a transaction of its own: only what was committed.
    TFIBField scalar(const QString& sql);
    void exec(const QStringList& statements);

    std::unique_ptr<FirebirdFixture> fixture_;
    std::unique_ptr<TpFIBDatabase> db_;
    std::unique_ptr<TpFIBTransaction> admin_;
    std::unique_ptr<TpFIBTransaction> tr_;
    std::unique_ptr<TpFIBQuery> q_;
    std::unique_ptr<TmyFibDataBase> fib_;
};

namespace {

// Rolls back what a check left in progress, also when it raised an error.
class RollbackOnExit {
public:
    explicit RollbackOnExit(TpFIBTransaction& tr) : tr_(tr) {}
    ~RollbackOnExit()
    {
        if (tr_.Active())
            tr_.Rollback();
    }
    RollbackOnExit(const RollbackOnExit&) = delete;
    RollbackOnExit& operator=(const RollbackOnExit&) = delete;

private:
    TpFIBTransaction& tr_;
};

} // namespace

TFIBField TestDatabase::scalar(const QString& sql)
{
    const RollbackOnExit guard(*admin_);
    admin_->StartTransaction();
    TpFIBQuery q;
    q.SetTransaction(admin_.get());
    q.SQL.Add(sql);
    q.ExecQuery();
    return q.Fields(0);
}

void TestDatabase::exec(const QStringList& statements)
{
    const RollbackOnExit guard(*admin_);
    admin_->StartTransaction();
    TpFIBQuery q;
    q.SetTransaction(admin_.get());
    for (const QString& sql : statements) {
        q.SQL.Clear();
        q.SQL.Add(sql);
        q.ExecQuery();
    }
    admin_->Commit();
}

void TestDatabase::initTestCase()
{
    fixture_ = std::make_unique<FirebirdFixture>();
    QVERIFY2(fixture_->problem().isEmpty(), qPrintable(fixture_->problem()));
    qInfo("Firebird: %s", fixture_->usesServer() ? "server over TCP" : "embedded engine");
    try {
        db_ = fixture_->createDatabase(QStringLiteral("helper.fdb"));
    } catch (const EDatabaseError& e) {
        QFAIL(qPrintable(QStringLiteral("cannot create the test database: ") + e.message()));
    }
    admin_ = std::make_unique<TpFIBTransaction>(db_.get());
    tr_ = std::make_unique<TpFIBTransaction>(db_.get());
    q_ = std::make_unique<TpFIBQuery>();
    q_->SetTransaction(tr_.get());
    exec({QStringLiteral("create table T (id integer not null primary key, S varchar(200), N integer, F float, "
                         "D timestamp, DT date, B blob sub_type 0, K integer)"),
          QStringLiteral("create table PAIRS (id integer, A integer, B integer)"),
          QStringLiteral("create table EMPTY_T (id integer)"), QStringLiteral("create generator GEN_X")});
}

void TestDatabase::init()
{
    if (tr_->Active())
        tr_->Rollback();
    q_->Close();
    q_->SQL.Clear();
    exec({QStringLiteral("delete from T"),
          QStringLiteral("insert into T values (1, 'jeden', 0, 1.5, '2024-03-01 10:20:30', '2024-03-01', null, 10)"),
          QStringLiteral("insert into T values (2, 'dwa', 1, 2.5, null, null, null, 20)"),
          QStringLiteral("insert into T values (3, 'trzy', 2, null, null, null, null, 30)"),
          QStringLiteral("insert into T values (4, 'cztery', -1, null, null, null, null, 40)"),
          QStringLiteral("insert into T (id) values (5)"), QStringLiteral("delete from PAIRS"),
          QStringLiteral("insert into PAIRS values (1, 10, 20)"), QStringLiteral("insert into PAIRS values (2, 10, 30)"),
          QStringLiteral("set generator GEN_X to 10")});
    fib_ = std::make_unique<TmyFibDataBase>();
}

void TestDatabase::sqlIdentifiers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "T" << true;
    QTest::newRow("letters digits _ $") << "rdb$Tab_1" << true;
    QTest::newRow("qualified") << "T.ID" << true;
    QTest::newRow("quoted with blank and Polish letters") << "\"Moja tabela ż\"" << true;
    QTest::newRow("quoted with doubled quote") << "\"a\"\"b\"" << true;
    QTest::newRow("quoted and qualified") << "\"T\".\"Pole\"" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("leading digit") << "1T" << false;
    QTest::newRow("blank inside") << "T X" << false;
    QTest::newRow("trailing blank") << "T " << false;
    QTest::newRow("expression") << "S = 'x', N" << false;
    QTest::newRow("comment") << "T--" << false;
    QTest::newRow("semicolon") << "T;drop" << false;
    QTest::newRow("unquoted Polish letter") << "żółw" << false;
    QTest::newRow("empty quoted") << "\"\"" << false;
    QTest::newRow("unclosed quote") << "\"T" << false;
    QTest::newRow("quote closed early") << "\"T\"x\"" << false;
    QTest::newRow("empty part") << "T..ID" << false;
    QTest::newRow("trailing dot") << "T." << false;
}

void TestDatabase::sqlIdentifiers()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QCOMPARE(isSqlIdentifier(name), valid);
}

void TestDatabase::boolsAndPlaceholders()
{
    QCOMPARE(TmyFibDataBase::SQLBool(true), 1);
    QCOMPARE(TmyFibDataBase::SQLBool(false), 0);
    QCOMPARE(TmyFibDataBase::SQLBool(std::int32_t{0}), false);
    QCOMPARE(TmyFibDataBase::SQLBool(std::int32_t{-7}), true);
    QCOMPARE(TmyFibDataBase::SQL_SR(QStringLiteral("select * from T where id = :ID"), 42, QStringLiteral(":id")),
             QStringLiteral("select * from T where id = 42"));
    QCOMPARE(TmyFibDataBase::SQL_SR(QStringLiteral(":x < :X"), -3, QStringLiteral(":x")), QStringLiteral("-3 < -3"));
}

void TestDatabase::memoryStream()
{
    TMemoryStream s;
    QCOMPARE(s.Write("abc", 3), 3);
    s.SetPosition(5);
    s.Write("z", 1);
    QCOMPARE(s.Bytes(), QByteArray("abc\0\0z", 6));
    QCOMPARE(s.Seek(-2, TMemoryStream::Origin::End), 4);
    char buffer[8] = {};
    QCOMPARE(s.Read(buffer, 8), 2);
    QCOMPARE(QByteArray(buffer, 2), QByteArray("\0z", 2));
    QCOMPARE(s.Seek(-100, TMemoryStream::Origin::Current), 0);
    s.SetSize(2);
    QCOMPARE(s.Bytes(), QByteArray("ab"));
    s.Clear();
    QCOMPARE(s.Size(), 0);
    QCOMPARE(s.Position(), 0);
}

// Every operation on its main path: the statement lines it runs, its result, what the
// database holds afterwards (read through another transaction, so only what was
// committed), and whether it leaves its transaction in progress (reads do, writes commit).
void TestDatabase::mainPath_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QVariant>("result");
    QTest::addColumn<QString>("check");
    QTest::addColumn<QVariant>("checked");
    QTest::addColumn<bool>("leftInProgress");

    const QVariant none;
    QTest::newRow("UpdateString") << Op([](auto& f, auto& q) { return f.UpdateString(q, 2, "nowy", "T", "S"); })
                                  << QStringList{"UPDATE T set S= :ss ", "WHERE id = :id"} << QVariant(true)
                                  << "select S from T where id = 2" << QVariant("nowy") << false;
    QTest::newRow("UpdateStringOnId")
        << Op([](auto& f, auto& q) { return f.UpdateStringOnId(q, 10, "x", "T", "S", "K"); })
        << QStringList{"UPDATE T set S= :ss ", "WHERE K = :id"} << QVariant(true) << "select S from T where id = 1"
        << QVariant("x") << false;
    QTest::newRow("UpdateNumWithData") << Op([](auto& f, auto& q) {
        const ScopedClock clock(moment(2023, 5, 6, 23, 30, 0));
        return f.UpdateNumWithData(q, 1, 77, "T", "N", "DT");
    }) << QStringList{"UPDATE T set N= :prz, DT= :pr", "WHERE id = :id"}
                                       << QVariant(true) << "select N || ' ' || DT from T where id = 1"
                                       << QVariant("77 2023-05-06") << false;
    QTest::newRow("UpdateInt") << Op([](auto& f, auto& q) { return f.UpdateInt(q, 3, "T", "N", 5); })
                               << QStringList{"UPDATE T set N= :ss ", "WHERE id = :id"} << QVariant(true)
                               << "select N from T where id = 3" << QVariant(5) << false;
    QTest::newRow("UpdateTime") << Op([](auto& f, auto& q) {
        return f.UpdateTime(q, 1, "T", "D", moment(2024, 2, 29, 23, 59, 58));
    }) << QStringList{"UPDATE T set D= :ss ", "WHERE id = :id"}
                                << QVariant(true) << "select cast(D as varchar(30)) from T where id = 1"
                                << QVariant("2024-02-29 23:59:58.0000") << false;
    QTest::newRow("UpdateFloat") << Op([](auto& f, auto& q) { return f.UpdateFloat(q, 2, 2.25f, "T", "F"); })
                                 << QStringList{"UPDATE T set F= :prz", "WHERE id = :id"} << QVariant(true)
                                 << "select F from T where id = 2" << QVariant(2.25) << false;
    QTest::newRow("InverseValue") << Op([](auto& f, auto& q) { return f.InverseValue(q, 1, "T", "N"); })
                                  << QStringList{"UPDATE T set N= :ss ", "WHERE id = :id"} << QVariant(true)
                                  << "select N from T where id = 1" << QVariant(1) << false;
    QTest::newRow("DeleteRecords") << Op([](auto& f, auto& q) { return f.DeleteRecords(q, 3, "T"); })
                                   << QStringList{"delete from T where id = :id"} << QVariant(true)
                                   << "select count(*) from T" << QVariant(4) << false;
    QTest::newRow("DeleteRecordsEx") << Op([](auto& f, auto& q) { return f.DeleteRecordsEx(q, 20, "T", "K"); })
                                     << QStringList{"delete from T where K = :id"} << QVariant(true)
                                     << "select count(*) from T where id = 2" << QVariant(0) << false;
    QTest::newRow("DeleteRecordsIdId")
        << Op([](auto& f, auto& q) { return f.DeleteRecordsIdId(q, 10, 30, "PAIRS", "A", "B"); })
        << QStringList{"delete from PAIRS where A = :id1 and B = :id2"} << QVariant(true)
        << "select cast(list(id) as varchar(20)) from PAIRS" << QVariant("1") << false;
    QTest::newRow("InsertStringAndInteger")
        << Op([](auto& f, auto& q) { return f.InsertStringAndInteger(q, 9, "dziewięć", "T", "S", "id"); })
        << QStringList{"Insert into T (S, id) Values ( :str, :num)"} << QVariant(true)
        << "select S from T where id = 9" << QVariant("dziewięć") << false;
    QTest::newRow("InsertIntegerAndInteger")
        << Op([](auto& f, auto& q) { return f.InsertIntegerAndInteger(q, 7, 8, "PAIRS", "A", "B"); })
        << QStringList{"Insert into PAIRS (A, B) Values ( :id1, :id2)"} << QVariant(true)
        << "select count(*) from PAIRS where A = 7 and B = 8" << QVariant(1) << false;
    QTest::newRow("UpdateBlob") << Op([none](auto& f, auto& q) {
        TMemoryStream s;
        s.Write("abc", 3);
        f.UpdateBlob(q, 1, "T", "B", s);
        return none;
    }) << QStringList{"UPDATE T set B= :blo", "Where id= :id"}
                                << none << "select octet_length(B) from T where id = 1" << QVariant(3) << false;
    QTest::newRow("CommandSQL") << Op([none](auto& f, auto& q) {
        f.CommandSQL(q, "update T set N = 42 where id = 4");
        return none;
    }) << QStringList{"update T set N = 42 where id = 4"}
                                << none << "select N from T where id = 4" << QVariant(42) << false;
    QTest::newRow("CommandSQL_ID") << Op([none](auto& f, auto& q) {
        f.CommandSQL_ID(q, "update T set N = 43 where id = :id", 4);
        return none;
    }) << QStringList{"update T set N = 43 where id = :id"}
                                   << none << "select N from T where id = 4" << QVariant(43) << false;
    QTest::newRow("GetBlob") << Op([](auto& f, auto& q) {
        TMemoryStream s;
        f.GetBlob(q, 1, "T", "B", s);
        return QVariant(qlonglong{s.Size()});
    }) << QStringList{"select id,B from T", "Where id= :id"}
                             << QVariant(qlonglong{0}) << QString() << none << true;
    QTest::newRow("GetString") << Op([](auto& f, auto& q) { return f.GetString(q, 1, "T", "S"); })
                               << QStringList{"select id, S from T where id = :id "} << QVariant("jeden") << QString()
                               << none << true;
    QTest::newRow("GetStrOnID") << Op([](auto& f, auto& q) { return f.GetStrOnID(q, 2, "S", "T"); })
                                << QStringList{"select S from T where id=:id"} << QVariant("dwa") << QString() << none
                                << true;
    QTest::newRow("GetStrOnIDEx") << Op([](auto& f, auto& q) { return f.GetStrOnIDEx(q, 30, "T", "S", "K"); })
                                  << QStringList{"select S from T where K=:id"} << QVariant("trzy") << QString()
                                  << none << true;
    QTest::newRow("GetInteger") << Op([](auto& f, auto& q) { return f.GetInteger(q, 3, "T", "N"); })
                                << QStringList{"select id, N from T where id = :id "} << QVariant(2) << QString()
                                << none << true;
    QTest::newRow("GetInteger of a column holding no value")
        << Op([](auto& f, auto& q) { return f.GetInteger(q, 5, "T", "N"); })
        << QStringList{"select id, N from T where id = :id "} << QVariant(0) << QString() << none << true;
    QTest::newRow("GetFloat") << Op([](auto& f, auto& q) { return f.GetFloat(q, 1, "T", "F"); })
                              << QStringList{"select id, F from T where id = :id "} << QVariant(1.5f) << QString()
                              << none << true;
    QTest::newRow("GetDateTime") << Op([](auto& f, auto& q) { return f.GetDateTime(q, 1, "T", "D"); })
                                 << QStringList{"select id, D from T where id = :id "}
                                 << QVariant(moment(2024, 3, 1, 10, 20, 30)) << QString() << none << true;
    QTest::newRow("FindID") << Op([](auto& f, auto& q) { return f.FindID(q, "trzy", "T", "S"); })
                            << QStringList{"select id  from T where S =  :st "} << QVariant(3) << QString() << none
                            << true;
    QTest::newRow("GetMaxId") << Op([](auto& f, auto& q) { return f.GetMaxId(q, "T"); })
                              << QStringList{"select max(id) from T"} << QVariant(5) << QString() << none << true;
    QTest::newRow("AllRecordInTable") << Op([](auto& f, auto& q) { return f.AllRecordInTable(q, "T"); })
                                      << QStringList{"select  count(*) from T"} << QVariant(5) << QString() << none
                                      << true;
    QTest::newRow("GetGenerator") << Op([](auto& f, auto& q) { return f.GetGenerator(q, "GEN_X", 1); })
                                  << QStringList{"select gen_id( GEN_X,1 ) from rdb$database "} << QVariant(11)
                                  << QString() << none << true;
    QTest::newRow("IsIDinTable") << Op([](auto& f, auto& q) { return f.IsIDinTable(q, 4, "T"); })
                                 << QStringList{"select id from T where id = :id "} << QVariant(true) << QString()
                                 << none << true;
    QTest::newRow("IsIntInTable") << Op([](auto& f, auto& q) { return f.IsIntInTable(q, 40, "T", "K"); })
                                  << QStringList{"select K from T where K = :id "} << QVariant(true) << QString()
                                  << none << true;
    QTest::newRow("IsIdAndIdInTable")
        << Op([](auto& f, auto& q) { return f.IsIdAndIdInTable(q, 10, 20, "PAIRS", "A", "B"); })
        << QStringList{"select id from PAIRS where A = :id and B = :id2"} << QVariant(true) << QString() << none
        << true;
    QTest::newRow("IsTxtInTable") << Op([](auto& f, auto& q) { return f.IsTxtInTable(q, "T", "dwa", "S"); })
                                  << QStringList{"select id from T where S = :sx"} << QVariant(true) << QString()
                                  << none << true;
    QTest::newRow("SelectSQL") << Op([](auto& f, auto& q) {
        f.SelectSQL(q, "select S from T where id = 4");
        return QVariant(q.Fields(0).AsString());
    }) << QStringList{"select S from T where id = 4"}
                               << QVariant("cztery") << QString() << none << true;
}

void TestDatabase::mainPath()
{
    QFETCH(Op, op);
    QFETCH(QStringList, lines);
    QFETCH(QVariant, result);
    QFETCH(QString, check);
    QFETCH(QVariant, checked);
    QFETCH(bool, leftInProgress);

    QCOMPARE(op(*fib_, *q_), result);
    QCOMPARE(linesOf(q_->SQL), lines);
    QCOMPARE(tr_->Active(), leftInProgress);
    if (!check.isEmpty())
        QCOMPARE(scalar(check).Value(), checked);
}

void TestDatabase::noRow_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QVariant>("result");
    QTest::newRow("GetString") << Op([](auto& f, auto& q) { return f.GetString(q, 999, "T", "S"); })
                               << QVariant(QString());
    QTest::newRow("GetInteger") << Op([](auto& f, auto& q) { return f.GetInteger(q, 999, "T", "N"); })
                                << QVariant(-1);
    QTest::newRow("GetFloat") << Op([](auto& f, auto& q) { return f.GetFloat(q, 999, "T", "F"); })
                              << QVariant(0.0f);
    QTest::newRow("GetDateTime") << Op([](auto& f, auto& q) { return f.GetDateTime(q, 999, "T", "D"); })
                                 << QVariant(0.0);
    QTest::newRow("FindID") << Op([](auto& f, auto& q) { return f.FindID(q, "brak", "T", "S"); }) << QVariant(0);
    QTest::newRow("IsIDinTable") << Op([](auto& f, auto& q) { return f.IsIDinTable(q, 999, "T"); })
                                 << QVariant(false);
    QTest::newRow("IsIntInTable") << Op([](auto& f, auto& q) { return f.IsIntInTable(q, 999, "T", "K"); })
                                  << QVariant(false);
    QTest::newRow("IsIdAndIdInTable")
        << Op([](auto& f, auto& q) { return f.IsIdAndIdInTable(q, 10, 999, "PAIRS", "A", "B"); }) << QVariant(false);
    QTest::newRow("IsTxtInTable") << Op([](auto& f, auto& q) { return f.IsTxtInTable(q, "T", "brak", "S"); })
                                  << QVariant(false);
    QTest::newRow("AllRecordInTable of an empty table")
        << Op([](auto& f, auto& q) { return f.AllRecordInTable(q, "EMPTY_T"); }) << QVariant(0);
    QTest::newRow("GetMaxId of an empty table") << Op([](auto& f, auto& q) { return f.GetMaxId(q, "EMPTY_T"); })
                                                << QVariant(0);
    QTest::newRow("GetStrOnID") << Op([](auto& f, auto& q) { return f.GetStrOnID(q, 999, "S", "T"); })
                                << QVariant(QString());
    QTest::newRow("GetBlob writes nothing") << Op([](auto& f, auto& q) {
        TMemoryStream s;
        f.GetBlob(q, 999, "T", "B", s);
        return QVariant(qlonglong{s.Size()});
    }) << QVariant(qlonglong{0});
    QTest::newRow("UpdateInt of a missing row still succeeds")
        << Op([](auto& f, auto& q) { return f.UpdateInt(q, 999, "T", "N", 1); }) << QVariant(true);
}

void TestDatabase::noRow()
{
    QFETCH(Op, op);
    QFETCH(QVariant, result);
    QCOMPARE(op(*fib_, *q_), result);
    QCOMPARE(scalar("select count(*) from T").AsInteger(), 5);
}

// Each operation that catches its errors, with a table that does not exist, a column that
// does not exist, and a name that is no SQL identifier (which must run nothing at all: the
// query keeps its old statement and no transaction starts). The table stays untouched.
void TestDatabase::failures_data()
{
    QTest::addColumn<NamedOp>("op");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QVariant>("failure");
    QTest::addColumn<bool>("runs");

    struct Case {
        const char* name;
        bool hasColumn;
        QVariant failure;
        NamedOp op;
    };
    const QVariant none;
    const Case cases[] = {
        {"UpdateString", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.UpdateString(q, 1, "x", t, c); }},
        {"UpdateStringOnId", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.UpdateStringOnId(q, 1, "x", t, "S", c); }},
        {"UpdateNumWithData", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.UpdateNumWithData(q, 1, 1, t, c, "DT"); }},
        {"UpdateInt", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.UpdateInt(q, 1, t, c, 1); }},
        {"UpdateTime", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.UpdateTime(q, 1, t, c, 1.0); }},
        {"UpdateFloat", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.UpdateFloat(q, 1, 1.0f, t, c); }},
        {"InverseValue", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.InverseValue(q, 1, t, c); }},
        {"DeleteRecords", false, false, [](auto& f, auto& q, auto& t, auto&) { return f.DeleteRecords(q, 1, t); }},
        {"DeleteRecordsEx", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.DeleteRecordsEx(q, 1, t, c); }},
        {"DeleteRecordsIdId", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.DeleteRecordsIdId(q, 1, 0, t, "id", c); }},
        {"InsertStringAndInteger", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.InsertStringAndInteger(q, 99, "x", t, c, "id"); }},
        {"InsertIntegerAndInteger", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.InsertIntegerAndInteger(q, 99, 1, t, "id", c); }},
        {"UpdateBlob", true, none,
         [none](auto& f, auto& q, auto& t, auto& c) {
             TMemoryStream s;
             s.Write("x", 1);
             f.UpdateBlob(q, 1, t, c, s);
             return none;
         }},
        {"GetBlob", true, QVariant(qlonglong{0}),
         [](auto& f, auto& q, auto& t, auto& c) {
             TMemoryStream s;
             f.GetBlob(q, 1, t, c, s);
             return QVariant(qlonglong{s.Size()});
         }},
        {"GetString", true, QString(), [](auto& f, auto& q, auto& t, auto& c) { return f.GetString(q, 1, t, c); }},
        {"GetInteger", true, -1, [](auto& f, auto& q, auto& t, auto& c) { return f.GetInteger(q, 1, t, c); }},
        {"GetFloat", true, 0.0f, [](auto& f, auto& q, auto& t, auto& c) { return f.GetFloat(q, 1, t, c); }},
        {"GetDateTime", true, 0.0, [](auto& f, auto& q, auto& t, auto& c) { return f.GetDateTime(q, 1, t, c); }},
        {"FindID", true, -1, [](auto& f, auto& q, auto& t, auto& c) { return f.FindID(q, "jeden", t, c); }},
        {"AllRecordInTable", false, -1, [](auto& f, auto& q, auto& t, auto&) { return f.AllRecordInTable(q, t); }},
        {"GetGenerator", false, -1, [](auto& f, auto& q, auto& t, auto&) { return f.GetGenerator(q, t, 1); }},
        {"IsIDinTable", false, false, [](auto& f, auto& q, auto& t, auto&) { return f.IsIDinTable(q, 1, t); }},
        {"IsIntInTable", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.IsIntInTable(q, 1, t, c); }},
        {"IsIdAndIdInTable", true, false,
         [](auto& f, auto& q, auto& t, auto& c) { return f.IsIdAndIdInTable(q, 1, 10, t, "id", c); }},
        {"IsTxtInTable", true, false, [](auto& f, auto& q, auto& t, auto& c) { return f.IsTxtInTable(q, t, "jeden", c); }},
    };
    for (const Case& c : cases) {
        const bool generator = QByteArray(c.name) == "GetGenerator";
        const QString table = generator ? QStringLiteral("GEN_X") : QStringLiteral("T");
        QTest::addRow("%s, missing %s", c.name, generator ? "generator" : "table")
            << c.op << QStringLiteral("NOPE") << QStringLiteral("N") << c.failure << true;
        QTest::addRow("%s, name that is no identifier", c.name)
            << c.op << (generator ? QStringLiteral("GEN_X,1) from rdb$database --") : QStringLiteral("T where 1=1 or id"))
            << QStringLiteral("N") << c.failure << false;
        if (c.hasColumn) {
            QTest::addRow("%s, missing column", c.name) << c.op << table << QStringLiteral("NOPE") << c.failure << true;
            QTest::addRow("%s, column that would inject SQL", c.name)
                << c.op << table << QStringLiteral("S = 'hacked', B") << c.failure << false;
        }
    }
}

void TestDatabase::failures()
{
    QFETCH(NamedOp, op);
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QVariant, failure);
    QFETCH(bool, runs);

    q_->SQL.Add(QStringLiteral("earlier statement"));
    QStringList messages;
    const ScopedMessageHandler recorder([&](const QString& m) { messages << m; });

    QCOMPARE(op(*fib_, *q_, table, column), failure);
    QVERIFY(!tr_->Active());
    QCOMPARE(linesOf(q_->SQL) == QStringList{QStringLiteral("earlier statement")}, !runs);
    QVERIFY(messages.isEmpty());
    QCOMPARE(scalar("select list(x, ',') from (select id || ':' || coalesce(S, '') || ':' || "
                    "coalesce(cast(N as varchar(11)), '') || ':' || coalesce(cast(octet_length(B) as varchar(11)), '') "
                    "as x from T order by id)")
                 .AsString(),
             QStringLiteral("1:jeden:0:,2:dwa:1:,3:trzy:2:,4:cztery:-1:,5:::"));
    QCOMPARE(scalar("select gen_id(GEN_X, 0) from rdb$database").AsInteger(), 10);
}

void TestDatabase::errorsReachCallerWithoutRollback_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<bool>("runs");
    QTest::newRow("GetStrOnID, missing table") << Op([](auto& f, auto& q) { return f.GetStrOnID(q, 1, "S", "NOPE"); })
                                               << true;
    QTest::newRow("GetStrOnID, missing column")
        << Op([](auto& f, auto& q) { return f.GetStrOnID(q, 1, "NOPE", "T"); }) << true;
    QTest::newRow("GetStrOnIDEx, missing column")
        << Op([](auto& f, auto& q) { return f.GetStrOnIDEx(q, 1, "T", "S", "NOPE"); }) << true;
    QTest::newRow("GetMaxId, missing table") << Op([](auto& f, auto& q) { return f.GetMaxId(q, "NOPE"); }) << true;
    QTest::newRow("GetStrOnID, no identifier")
        << Op([](auto& f, auto& q) { return f.GetStrOnID(q, 1, "S", "T where 1=1 or id"); }) << false;
    QTest::newRow("GetStrOnIDEx, no identifier")
        << Op([](auto& f, auto& q) { return f.GetStrOnIDEx(q, 1, "T", "S", "K=K or id"); }) << false;
    QTest::newRow("GetMaxId, no identifier") << Op([](auto& f, auto& q) { return f.GetMaxId(q, "T;"); }) << false;
}

void TestDatabase::errorsReachCallerWithoutRollback()
{
    QFETCH(Op, op);
    QFETCH(bool, runs);
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, op(*fib_, *q_));
    // A statement that ran and failed leaves its transaction for the caller to end.
    QCOMPARE(tr_->Active(), runs);
}

void TestDatabase::blobsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("0 bytes") << QByteArray();
    QTest::newRow("1 byte") << QByteArray(1, '\0');
    QTest::newRow("1 MiB") << pattern(1024 * 1024);
}

void TestDatabase::blobsRoundTrip()
{
    QFETCH(QByteArray, bytes);
    TMemoryStream out;
    out.Write(bytes);
    out.SetPosition(0); // the whole content is stored, whatever the position
    if (bytes.size() > 0)
        out.SetPosition(1);
    fib_->UpdateBlob(*q_, 2, "T", "B", out);
    QCOMPARE(scalar("select octet_length(B) from T where id = 2").Value(), QVariant(qlonglong{bytes.size()}));

    TMemoryStream in;
    in.Write("XY", 2);
    fib_->GetBlob(*q_, 2, "T", "B", in);
    QCOMPARE(in.Bytes(), QByteArray("XY") + bytes); // written at the stream's position
}

void TestDatabase::blobOfLines()
{
    TStringList lines;
    lines.Add(QStringLiteral("{\\rtf1 Zażółć}"));
    lines.Add(QString());
    lines.Add(QStringLiteral("gęślą jaźń"));
    fib_->UpdateBlobRTF(*q_, 3, "T", "B", lines);
    TMemoryStream in;
    fib_->GetBlob(*q_, 3, "T", "B", in);
    QCOMPARE(in.Bytes(), toAnsi(QStringLiteral("{\\rtf1 Zażółć}\r\n\r\ngęślą jaźń\r\n")));
    QCOMPARE(in.Bytes().at(9), '\xBF'); // "ż" in Windows-1250
}

void TestDatabase::polishTextRoundTrips()
{
    const QString text = QStringLiteral("Zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    QVERIFY(fib_->UpdateString(*q_, 4, text, "T", "S"));
    QCOMPARE(fib_->GetString(*q_, 4, "T", "S"), text);
    QCOMPARE(fib_->FindID(*q_, text, "T", "S"), 4);
    QVERIFY(fib_->IsTxtInTable(*q_, "T", text, "S"));
    QVERIFY(!fib_->IsTxtInTable(*q_, "T", text.toLower(), "S"));
    QVERIFY(fib_->InsertStringAndInteger(*q_, 6, QStringLiteral("źdźbło"), "T", "S", "id"));
    QCOMPARE(fib_->GetStrOnID(*q_, 6, "S", "T"), QStringLiteral("źdźbło"));
}

void TestDatabase::isqlReadsWhatTheHelperWrote()
{
    QVERIFY(fib_->UpdateString(*q_, 1, QStringLiteral("Łódź żółta"), "T", "S"));
    QVERIFY(fib_->UpdateInt(*q_, 1, "T", "N", 123456));
    QVERIFY(fib_->InsertIntegerAndInteger(*q_, 77, 88, "PAIRS", "A", "B"));
    fib_->GetInteger(*q_, 1, "T", "N"); // this process keeps the database open meanwhile
    const QString out = fixture_->isql(*db_, QStringLiteral("set list on;\n"
                                                            "select S, N from T where id = 1;\n"
                                                            "select B from PAIRS where A = 77;\n"));
    QVERIFY2(out.contains(QStringLiteral("Łódź żółta")), qPrintable(out));
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("N\\s+123456"))), qPrintable(out));
    QVERIFY2(out.contains(QRegularExpression(QStringLiteral("B\\s+88"))), qPrintable(out));
}

void TestDatabase::generatorAdvances()
{
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", 1), 11);
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", 1), 12);
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", 0), 12);
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", 5), 17);
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", -7), 10);
    // Generators are not part of transactions: the advance stays although the read is
    // rolled back by the next operation.
    QCOMPARE(fib_->GetInteger(*q_, 1, "T", "N"), 0);
    QCOMPARE(scalar("select gen_id(GEN_X, 0) from rdb$database").AsInteger(), 10);
}

void TestDatabase::inverseValue_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");
    QTest::newRow("0 becomes 1") << 1 << 0 << 1;
    QTest::newRow("1 becomes 0") << 2 << 1 << 0;
    QTest::newRow("2 becomes 0") << 3 << 2 << 0;
    QTest::newRow("-1 becomes 0") << 4 << -1 << 0;
    QTest::newRow("no value becomes 1") << 5 << 0 << 1;
}

void TestDatabase::inverseValue()
{
    QFETCH(int, id);
    QFETCH(int, before);
    QFETCH(int, after);
    QCOMPARE(fib_->GetInteger(*q_, id, "T", "N"), before);
    QVERIFY(fib_->InverseValue(*q_, id, "T", "N"));
    QCOMPARE(scalar(QStringLiteral("select N from T where id = %1").arg(id)).AsInteger(), after);
    QVERIFY(!tr_->Active());

    QVERIFY(!fib_->InverseValue(*q_, 999, "T", "N"));
    QCOMPARE(scalar("select count(*) from T").AsInteger(), 5);
}

void TestDatabase::nextOperationRollsBackWhatAReadLeft()
{
    TpFIBDataSet ds;
    ds.SetTransaction(tr_.get());
    fib_->SelectSQL(ds, QStringLiteral("select id from T"));
    QVERIFY(ds.Active());

    QCOMPARE(fib_->GetInteger(*q_, 2, "T", "N"), 1);
    QVERIFY(tr_->Active());
    QVERIFY(q_->Open());
    QVERIFY(!ds.Active()); // its result went with the transaction that the read rolled back

    // The caller changes a row in the transaction the read left in progress, and commits nothing.
    q_->Close();
    q_->SQL.Clear();
    q_->SQL.Add(QStringLiteral("update T set N = 99 where id = 2"));
    q_->ExecQuery();
    QCOMPARE(fib_->GetInteger(*q_, 3, "T", "N"), 2);
    QCOMPARE(fib_->GetInteger(*q_, 2, "T", "N"), 1);
    QCOMPARE(scalar("select N from T where id = 2").AsInteger(), 1);
}

void TestDatabase::integerOutside32BitsIsAnError()
{
    exec({QStringLiteral("set generator GEN_X to 2147483647")});
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", 0), INT32_MAX);
    QCOMPARE(fib_->GetGenerator(*q_, "GEN_X", 1), -1);
    fib_->SelectSQL(*q_, QStringLiteral("select cast(2.75 as double precision), cast(-2.75 as double precision) "
                                        "from rdb$database"));
    QCOMPARE(q_->Fields(0).AsInteger(), 2);
    QCOMPARE(q_->Fields(1).AsInteger(), -2);
}

void TestDatabase::selectErrors_data()
{
    QTest::addColumn<bool>("dataSet");
    QTest::newRow("query") << false;
    QTest::newRow("data set") << true;
}

void TestDatabase::selectErrors()
{
    QFETCH(bool, dataSet);
    TpFIBDataSet ds;
    ds.SetTransaction(tr_.get());
    auto select = [&](const QString& sql) {
        if (dataSet)
            fib_->SelectSQL(ds, sql);
        else
            fib_->SelectSQL(*q_, sql);
    };
    QStringList messages;
    const ScopedMessageHandler recorder([&](const QString& m) { messages << m; });
    TmyFibDataBase::ClearUnitTexts();

    select(QStringLiteral("select S from T where id = 3"));
    QVERIFY(messages.isEmpty());
    QCOMPARE(dataSet ? ds.Fields(0).AsString() : q_->Fields(0).AsString(), QStringLiteral("trzy"));

    select(QStringLiteral("select * from NOPE"));
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.at(0).contains(QStringLiteral("Table unknown")), qPrintable(messages.at(0)));
    QCOMPARE(TmyFibDataBase::LastErrorSQL(), QStringLiteral("select * from NOPE\n"));
    QCOMPARE(TmyFibDataBase::LastErrorMessage(), messages.at(0));
    QVERIFY(!tr_->Active());

    fib_->Hide_error = true;
    select(QStringLiteral("select NOPE from T"));
    QCOMPARE(messages.size(), 1);
    QCOMPARE(TmyFibDataBase::LastErrorSQL(), QStringLiteral("select * from NOPE\n"));
    QVERIFY(tr_->Active()); // left as the failure left it, for the next cycle to roll back
    QCOMPARE(fib_->GetString(*q_, 1, "T", "S"), QStringLiteral("jeden"));

    TmyFibDataBase::ClearUnitTexts();
    QVERIFY(TmyFibDataBase::LastErrorSQL().isEmpty());
    QVERIFY(TmyFibDataBase::LastErrorMessage().isEmpty());
}

void TestDatabase::locateTable()
{
    TpFIBDataSet ds;
    ds.SetTransaction(tr_.get());
    fib_->SelectSQL(ds, QStringLiteral("select id, S from T order by id"));
    QCOMPARE(ds.RecordCount(), 5);
    QVERIFY(fib_->LocateTable(ds, 3));
    QCOMPARE(ds.FieldByName(QStringLiteral("s")).AsString(), QStringLiteral("trzy"));
    QVERIFY(!fib_->LocateTable(ds, 999));
    QCOMPARE(ds.Fields(1).AsString(), QStringLiteral("trzy"));
    QVERIFY(!ds.ControlsDisabled());

    ds.Close();
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, fib_->LocateTable(ds, 3));
    QVERIFY(!ds.ControlsDisabled());
}

void TestDatabase::defaultsDataSet()
{
    TpFIBDataSet ds;
    ds.SetTransaction(tr_.get());
    ds.DefaultFormats.NumericEditFormat = QStringLiteral("0.0");
    fib_->DefaultsDataSet(ds);
    QCOMPARE(ds.DefaultFormats.DateTimeDisplayFormat, QStringLiteral("yyyy-mm-dd  hh:mm:ss"));
    QCOMPARE(ds.DefaultFormats.DisplayFormatDate, QStringLiteral("yyyy-mm-dd"));
    QCOMPARE(ds.DefaultFormats.DisplayFormatTime, QStringLiteral("hh:mm:ss"));
    QCOMPARE(ds.DefaultFormats.NumericDisplayFormat, QStringLiteral("#,##0.00"));
    QCOMPARE(ds.DefaultFormats.NumericEditFormat, QStringLiteral("0.0"));
    QCOMPARE(ds.SQLScreenCursor, -17);

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QVERIFY(ds.OnCompareFieldValues);
    QVERIFY(ds.CompareFieldValues(QStringLiteral("ą"), QStringLiteral("b")) < 0);
    QVERIFY(ds.CompareFieldValues(QStringLiteral("b"), QStringLiteral("ą")) > 0);
    QCOMPARE(ds.CompareFieldValues(QStringLiteral("ż"), QStringLiteral("ż")), 0);
    QLocale::setDefault(previous);

    QList<TCursor> shown;
    setScreenCursorHandler([&](TCursor c) { shown << c; });
    fib_->SelectSQL(ds, QStringLiteral("select id from T"));
    setScreenCursorHandler({});
    QVERIFY(ds.Active());
    QCOMPARE(shown, (QList<TCursor>{crSQLWait, crDefault}));
}

void TestDatabase::filterColour_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rcount");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("empty text, rows found") << "" << 5 << QColor(255, 255, 255);
    QTest::newRow("empty text, nothing found") << "" << 0 << QColor(255, 255, 255);
    QTest::newRow("rows found") << "abc" << 3 << QColor(164, 255, 164);
    QTest::newRow("negative count") << "abc" << -1 << QColor(164, 255, 164);
    QTest::newRow("nothing found") << "abc" << 0 << QColor(255, 164, 164);
}

void TestDatabase::filterColour()
{
    QFETCH(QString, text);
    QFETCH(int, rcount);
    QFETCH(QColor, colour);
    QLineEdit ed;
    ed.setText(text);
    fib_->FiltrEditColor(rcount, ed);
    QCOMPARE(ed.palette().color(QPalette::Base), colour);
}

void TestDatabase::transactionsOfOneDatabaseAreIndependent()
{
    // A read left in progress on one transaction does not stand in the way of another.
    QCOMPARE(fib_->GetInteger(*q_, 1, "T", "N"), 0);
    TpFIBTransaction writer(db_.get());
    TpFIBQuery w;
    w.SetTransaction(&writer);
    QVERIFY(fib_->UpdateInt(w, 1, "T", "N", 8));
    QVERIFY(tr_->Active());
    QVERIFY(q_->Open());
    QCOMPARE(q_->Fields(1).AsInteger(), 0);
    tr_->Commit();
    QVERIFY(!q_->Open());
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, tr_->Commit());
    QCOMPARE(fib_->GetInteger(*q_, 1, "T", "N"), 8);
}

void TestDatabase::creatingAndOpeningFail()
{
    std::unique_ptr<TpFIBDatabase> existing = fixture_->database(QStringLiteral("helper.fdb"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, existing->CreateDatabase());
    std::unique_ptr<TpFIBDatabase> missing = fixture_->database(QStringLiteral("missing.fdb"));
    QVERIFY_THROWS_EXCEPTION(EDatabaseError, missing->Open());
    QVERIFY(!missing->Connected());

    // Without a connected database every operation gives its failure result.
    TpFIBTransaction orphan(missing.get());
    TpFIBQuery q;
    q.SetTransaction(&orphan);
    QCOMPARE(fib_->GetInteger(q, 1, "T", "N"), -1);
    QVERIFY(!fib_->UpdateInt(q, 1, "T", "N", 1));
    TpFIBQuery unassigned;
    QCOMPARE(fib_->AllRecordInTable(unassigned, "T"), -1);
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
