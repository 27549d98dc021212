#include "util/ValtorX.h"

#include <QCoreApplication>
#include <QTest>
#include <cstring>

// Vsys is used during this file's own dynamic initialisation, before main and before
// any QCoreApplication exists: the start-up step must already have created it.
static const bool holderReadyBeforeMain = Vsys != nullptr && Vsys->myFib != nullptr;

class TestHolderAndDurations : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void holderIsCreatedAtStartUp();
    void secondsToText_data();
    void secondsToText();
    void percentages();
    void percentagesAreNearestSingles();
    void replaceIgnoringCase_data();
    void replaceIgnoringCase();
    void replaceKeepsPositionsWhenUpperCaseGrows();
};

void TestHolderAndDurations::holderIsCreatedAtStartUp()
{
    QVERIFY(holderReadyBeforeMain);
    QVERIFY(Vsys->myFib);
    QCOMPARE(Vsys->myFib->Hide_error, false);
    QVERIFY(!Vsys->mySystem && !Vsys->myStr && !Vsys->myFile && !Vsys->myTime && !Vsys->myGraph && !Vsys->myLogic);
}

void TestHolderAndDurations::secondsToText_data()
{
    QTest::addColumn<int>("s");
    QTest::addColumn<QString>("gms");
    QTest::addColumn<QString>("dgm");
    QTest::addColumn<QString>("dgm2");
    QTest::newRow("negative") << -5 << "" << "00:00:00" << "0";
    QTest::newRow("zero") << 0 << "00:00:00" << "00:00:00" << "0";
    QTest::newRow("59") << 59 << "00:00:59" << "00:00:59" << "00:00:59";
    QTest::newRow("3599") << 3599 << "00:59:59" << "00:59:59" << "00:59:59";
    QTest::newRow("25800") << 25800 << "07:10:00" << "07:10:00" << "07:10:00";
    QTest::newRow("one day") << 86400 << "24:00:00" << "24:00:00" << "24:00:00";
    QTest::newRow("one day and a second") << 86401 << "24:00:01" << "1D 00:00:01" << "1D 00:00:01";
    QTest::newRow("100000") << 100000 << "27:46:40" << "1D 03:46:40" << "1D 03:46:40";
    QTest::newRow("two days") << 172800 << "48:00:00" << "2D 00:00:00" << "2D 00:00:00";
    QTest::newRow("hundreds of hours") << 360000 << "100:00:00" << "4D 04:00:00" << "4D 04:00:00";
    QTest::newRow("hours capped") << 3600061 << "999:01:01" << "41D 16:01:01" << "41D 16:01:01";
    QTest::newRow("6944 days") << 599999940 << "999:39:00" << "6944D 10:39:00" << "6944D 10:39:00";
    QTest::newRow("32-bit maximum") << INT32_MAX << "999:14:07" << "24855D 03:14:07" << "24855D 03:14:07";
}

void TestHolderAndDurations::secondsToText()
{
    QFETCH(int, s);
    QFETCH(QString, gms);
    QFETCH(QString, dgm);
    QFETCH(QString, dgm2);
    if (!gms.isEmpty())
        QCOMPARE(Tmytime::SecToGMS(s), gms);
    QCOMPARE(Tmytime::SecTcDGM(s), dgm);
    QCOMPARE(Tmytime::SecTcDGM2(s), dgm2);
}

void TestHolderAndDurations::percentages()
{
    QCOMPARE(Tmysystem::procent(0, 5), 0.0f);
    QCOMPARE(Tmysystem::procent(200, 300), 150.0f);
    QCOMPARE(Tmysystem::procent(-200, 100), -50.0f);
    QCOMPARE(Tmysystem::procent(INT64_MIN, INT64_MAX), Tmysystem::procent(INT64_MIN, INT64_MAX)); // no trap
    QCOMPARE(Tmysystem::procentf(0, 7), 0.0f);
    QCOMPARE(Tmysystem::procentf(4, 1), 25.0f);
    QCOMPARE(Tmysystem::procentf(1e-30f, 1e30f), 0.0f); // beyond the single range
    QCOMPARE(Tmysystem::procentp(0, 25), 0.0f);
    QCOMPARE(Tmysystem::procentp(200, 25), 50.0f);
    QCOMPARE(Tmysystem::procentp(3e38f, 3e38f), 0.0f);
}

void TestHolderAndDurations::percentagesAreNearestSingles()
{
    auto bits = [](float f) {
        quint32 u;
        std::memcpy(&u, &f, sizeof u);
        return u;
    };
    QCOMPARE(bits(Tmysystem::procent(28800, 25800)), bits(89.583336f));
    QCOMPARE(bits(Tmysystem::procent(9000, 200)), bits(2.2222223f));
    QCOMPARE(bits(Tmysystem::procent(25800, 4200)), bits(16.27907f));
}

void TestHolderAndDurations::replaceIgnoringCase_data()
{
    QTest::addColumn<QString>("str");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("result");
    QTest::newRow("markers") << "$$1 a $$1" << "$$1" << "[x]" << "[x] a [x]";
    QTest::newRow("case ignored, kept") << "Abc aBC" << "bc" << "X" << "AX aX";
    QTest::newRow("inserted text not searched") << "aa" << "a" << "aa" << "aaaa";
    QTest::newRow("empty old") << "abc" << "" << "X" << "abc";
    QTest::newRow("empty str") << "" << "a" << "X" << "";
    QTest::newRow("no overlap") << "aaa" << "aa" << "b" << "ba";
    QTest::newRow("polish capitals") << "Żółć ŻÓŁĆ" << "żółć" << "x" << "x x";
    QTest::newRow("surrogate pair") << QString::fromUtf8("a\xF0\x9D\x90\x80" "b") << "b" << "c"
                                    << QString::fromUtf8("a\xF0\x9D\x90\x80" "c");
}

void TestHolderAndDurations::replaceIgnoringCase()
{
    QFETCH(QString, str);
    QFETCH(QString, old);
    QFETCH(QString, replacement);
    QFETCH(QString, result);
    QCOMPARE(TmyStr::MyStringReplace(str, old, replacement), result);
}

void TestHolderAndDurations::replaceKeepsPositionsWhenUpperCaseGrows()
{
    // "ß" upper-cases to "SS": a whole-string upper-casing would shift every later
    // position by one and cut the wrong characters.
    QCOMPARE(TmyStr::MyStringReplace(QStringLiteral("Straße $$1 x"), QStringLiteral("$$1"), QStringLiteral("[7]")),
             QStringLiteral("Straße [7] x"));
    QCOMPARE(TmyStr::MyStringReplace(QStringLiteral("aßb"), QStringLiteral("SS"), QStringLiteral("-")), QStringLiteral("a-b"));
    QCOMPARE(TmyStr::MyStringReplace(QStringLiteral("aßb"), QStringLiteral("S"), QStringLiteral("-")), QStringLiteral("aßb"));
}

QTEST_GUILESS_MAIN(TestHolderAndDurations)
#include "tst_holder_and_durations.moc"
