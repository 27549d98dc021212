#include "platform/CodePage.h"
#include "platform/Errors.h"
#include "platform/NumberFormat.h"
#include "platform/Numbers.h"

#include <QTest>
#include <cfloat>
#include <cmath>

using namespace platform;

class TestRuntime : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundHalfEven_data();
    void roundHalfEven();
    void roundAndTruncRejectNonNumbers();
    void wrapping32();
    void integerDivision();
    void floatDivision();
    void mulDiv_data();
    void mulDiv();
    void formatFloat_data();
    void formatFloat();
    void formatFloatUsesLocaleSeparators();
    void codePageRoundTrip();
};

void TestRuntime::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("rounded");
    QTest::addColumn<qint64>("truncated");
    QTest::newRow("2.5 to even 2") << 2.5 << qint64(2) << qint64(2);
    QTest::newRow("3.5 to even 4") << 3.5 << qint64(4) << qint64(3);
    QTest::newRow("0.5 to 0") << 0.5 << qint64(0) << qint64(0);
    QTest::newRow("-2.5 to -2") << -2.5 << qint64(-2) << qint64(-2);
    QTest::newRow("-3.7") << -3.7 << qint64(-4) << qint64(-3);
    QTest::newRow("100.5 to 100") << 100.5 << qint64(100) << qint64(100);
    QTest::newRow("33.5 to 34") << 33.5 << qint64(34) << qint64(33);
}

void TestRuntime::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(qint64, rounded);
    QFETCH(qint64, truncated);
    QCOMPARE(Round(value), rounded);
    QCOMPARE(Trunc(value), truncated);
}

void TestRuntime::roundAndTruncRejectNonNumbers()
{
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, Round(NAN));
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, Round(1e19L));
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, Trunc(-INFINITY));
    QCOMPARE(Round(-9223372036854775808.0L), INT64_MIN);
    // The 32-bit variant wraps the way a 32-bit assignment does.
    QCOMPARE(Round32(2147483648.0L), INT32_MIN);
}

void TestRuntime::wrapping32()
{
    QCOMPARE(add32(INT32_MAX, 1), INT32_MIN);
    QCOMPARE(sub32(INT32_MIN, 1), INT32_MAX);
    QCOMPARE(mul32(35791395, 60), -2147483596); // 2147483700 wraps
    QCOMPARE(mul32(35791394, 60), 2147483640);
    QCOMPARE(saturate32(std::int64_t{INT32_MAX} + 5), INT32_MAX);
    QCOMPARE(saturate32(std::int64_t{INT32_MIN} - 5), INT32_MIN);
    QCOMPARE(mul64(INT64_MAX, 2), std::int64_t{-2});
}

void TestRuntime::integerDivision()
{
    QCOMPARE(div32(-7, 2), -3);
    QCOMPARE(mod32(-7, 2), -1);
    QCOMPARE(div32(INT32_MIN, -1), INT32_MIN);
    QVERIFY_THROWS_EXCEPTION(EDivByZero, div32(1, 0));
    QVERIFY_THROWS_EXCEPTION(EDivByZero, mod32(1, 0));
}

void TestRuntime::floatDivision()
{
    QCOMPARE(double(floatDiv(3, 2)), 1.5);
    QVERIFY_THROWS_EXCEPTION(EZeroDivide, floatDiv(1, 0));
    QVERIFY_THROWS_EXCEPTION(EZeroDivide, floatDiv(-1, 0));
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, floatDiv(0, 0));
    try {
        floatDiv(1, 0);
    } catch (const Error& e) {
        QCOMPARE(e.message(), QStringLiteral("Dzielenie zmiennoprzecinkowe przez zero"));
    }
}

void TestRuntime::mulDiv_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("76.5 away from zero") << 255 << 30 << 100 << 77;
    QTest::newRow("25.5 away from zero") << 255 << 10 << 100 << 26;
    QTest::newRow("57.6") << 192 << 30 << 100 << 58;
    QTest::newRow("negative half") << -255 << 30 << 100 << -77;
    QTest::newRow("negative divisor") << 255 << 30 << -100 << -77;
    QTest::newRow("large intermediate") << 2000000000 << 2000000000 << 2000000000 << 2000000000;
    QTest::newRow("divisor 0") << 1 << 1 << 0 << -1;
    QTest::newRow("result overflows") << INT32_MAX << 2 << 1 << -1;
}

void TestRuntime::mulDiv()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, expected);
    QCOMPARE(MulDiv(a, b, c), expected);
}

void TestRuntime::formatFloat_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two integer digits") << "#00.00%" << 5.5 << "05.50%";
    QTest::newRow("three integer digits") << "#00.00%" << 100.0 << "100.00%";
    QTest::newRow("negative") << "#00.00%" << -5.5 << "-05.50%";
    QTest::newRow("negative hundred") << "#00.00%" << -100.0 << "-100.00%";
    QTest::newRow("one integer digit") << "0.00%" << 5.5 << "5.50%";
    QTest::newRow("hash hash zero") << "##0.00%" << 5.5 << "5.50%";
    QTest::newRow("zero") << "##0.00%" << 0.0 << "0.00%";
    QTest::newRow("float of 89.58") << "#00.00%" << double(89.583336f) << "89.58%";
    QTest::newRow("whole number") << "0" << 9000.0 << "9000";
    QTest::newRow("whole half away") << "0" << 2.5 << "3";
    QTest::newRow("tie on exact binary") << "0.00" << 0.125 << "0.13";
    QTest::newRow("just below a tie") << "0.00" << 0.124999 << "0.12";
    QTest::newRow("carry into integer") << "#0.0%" << 9.96 << "10.0%";
    QTest::newRow("padded") << "00" << 7.0 << "07";
    QTest::newRow("three digits in 00") << "00" << 999.0 << "999";
    QTest::newRow("negative rounding to zero") << "0.00" << -0.001 << "0.00";
    QTest::newRow("thousands") << "#,##0.00" << 1234567.891 << "1,234,567.89";
    QTest::newRow("thousands small") << "#,##0.00" << 1.5 << "1.50";
    QTest::newRow("optional decimals") << "#.##" << 5.0 << "5";
    QTest::newRow("literal words") << "DOSTĘPNOŚĆ: #0.00%" << 92.31 << "DOSTĘPNOŚĆ: 92.31%";
    QTest::newRow("literal E is text") << "WYKORZYSTANIE: #0.00%" << 80.0 << "WYKORZYSTANIE: 80.00%";
    QTest::newRow("quoted literal") << "'#'0" << 4.0 << "#4";
    QTest::newRow("no placeholders") << "Czas:%" << 3.0 << "Czas:%";
}

void TestRuntime::formatFloat()
{
    QFETCH(QString, pattern);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatFloat(pattern, value, FormatSettings::c()), expected);
}

void TestRuntime::formatFloatUsesLocaleSeparators()
{
    const FormatSettings pl = FormatSettings::fromLocale(QLocale(QLocale::Polish, QLocale::Poland));
    QCOMPARE(pl.decimalSeparator, QChar(u','));
    QCOMPARE(FormatFloat(QStringLiteral("#00.00%"), 89.583336f, pl), QStringLiteral("89,58%"));
    QCOMPARE(FormatFloat(QStringLiteral("#,##0.00"), 1234.5, pl), QStringLiteral("1") + pl.thousandSeparator + QStringLiteral("234,50"));
    QCOMPARE(FormatFloat(QStringLiteral("#,##0.00"), 1234.5, FormatSettings::fromLocale(QLocale::c())),
             QStringLiteral("1,234.50"));

    // The default follows the default locale.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QCOMPARE(FormatFloat(QStringLiteral("0.00%"), 5.5), QStringLiteral("5,50%"));
    QLocale::setDefault(saved);
}

void TestRuntime::codePageRoundTrip()
{
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ĄĘŚĆŻŹŃÓŁ");
    const QByteArray ansi = toAnsi(polish);
    QCOMPARE(ansi.size(), polish.size());
    QCOMPARE(static_cast<unsigned char>(ansi.at(2)), 0xBFu); // ż in Windows-1250
    QCOMPARE(fromAnsi(ansi), polish);
    QCOMPARE(toAnsi(QStringLiteral("a€b中")), QByteArray("a\x80" "b?"));

    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QCOMPARE(toAnsi(fromAnsi(all)), all);

    QCOMPARE(convertCodePage(QByteArray("\xA5\xB9"), "CP1250", "ISO-8859-2"), QByteArray("\xA1\xB1")); // Ą ą
    QCOMPARE(convertCodePage(QByteArray("\x80"), "CP1250", "ISO-8859-2"), QByteArray("?"));           // € has no place
    QVERIFY(convertCodePage(QByteArray("a"), "NO-SUCH-PAGE", "CP1250").isEmpty());
}

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_numbers.moc"
