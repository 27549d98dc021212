#include "model/UEfektOEE.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <cstring>

namespace {

// The main window's default inputs in seconds, changeover mode 2.
TEfektOEE workedExample()
{
    TEfektOEE e;
    e.dWe.CzasZamowiony = 28800;
    e.dWe.CSPostojuP = 2100;
    e.dWe.CSPrzezbrajania = 1800;
    e.dWe.CSPostojuNP = 600;
    e.dWe.CSAwarii = 2700;
    e.dWe.CPracy = 18000;
    e.dWe.OptymalnyCzas_P = 900;
    e.dWe.Braki = 200;
    e.dWe.Wykonane = 9000;
    e.TrybStratyPrzezbrajania = 2;
    return e;
}

quint32 bits(float f)
{
    quint32 u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

#define QCOMPARE_BITS(actual, expected) QCOMPARE(bits(actual), bits(expected))

} // namespace

class TestEfektOEE : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void newObjectIsEmpty();
    void workedExampleValues();
    void workedExampleTexts();
    void changeoverModes_data();
    void changeoverModes();
    void workingTimeAboveAvailable();
    void rejectsAboveProduced();
    void fractionalQuantitiesRoundToEven();
    void allZero();
    void negativeOperatingTime();
    void oeeIsWorkingOverOperatingTimesQuality();
    void repeatedCallsAreIdentical();
    void sumsBeyond32BitsWrap();
};

void TestEfektOEE::newObjectIsEmpty()
{
    const TEfektOEE e;
    QCOMPARE(e.TrybStratyPrzezbrajania, 0);
    QCOMPARE(e.dWe.CzasZamowiony, 0);
    QCOMPARE(e.dWy.OEE, 0.0f);
    QVERIFY(e.info.LegendaTXT.isEmpty());
    QVERIFY(e.dWy.OEETXT.isEmpty());
}

void TestEfektOEE::workedExampleValues()
{
    TEfektOEE e = workedExample();
    e.policz();
    QCOMPARE(e.dWy.CzasOperacyjny, 25800);
    QCOMPARE_BITS(e.dWy.CzasOperacyjnyProcent, 89.583336f);
    QCOMPARE(e.dWy.DostepnoscCzas, 21600);
    QCOMPARE_BITS(e.dWy.DostepnoscProcent, 83.72093f);
    QCOMPARE(e.dWy.WykorzystanieStrata, 3600);
    QCOMPARE(e.dWy.Wykorzystanie, 18000);
    QCOMPARE_BITS(e.dWy.WykorzystanieProcent, 83.333336f);
    QCOMPARE_BITS(e.dWy.Jakosc, 8800.0f);
    QCOMPARE_BITS(e.dWy.JakoscProcent, 97.77778f);
    QCOMPARE_BITS(e.dWy.OEE, 68.217056f);

    QCOMPARE(e.dWy.CzasOperacyjnyAsTxt, QStringLiteral("07:10:00"));
    QCOMPARE(e.dWy.CzasOperacyjnyProcentTXT, QStringLiteral("89,58%"));
    QCOMPARE(e.dWy.DostepnoscProcentTXT, QStringLiteral("83,72%"));
    QCOMPARE(e.dWy.WykorzystanieProcentTXT, QStringLiteral("83,33%"));
    QCOMPARE(e.dWy.JakoscProcentStr, QStringLiteral("97,78%"));
    QCOMPARE(e.dWy.OEETXT, QStringLiteral("68,22%"));
    // Inputs are not changed.
    QCOMPARE(e.dWe.CSPrzezbrajania, 1800);
}

void TestEfektOEE::workedExampleTexts()
{
    TEfektOEE e = workedExample();
    e.policz();
    QCOMPARE(e.info.CzasZamowionyAsTxt, QStringLiteral("08:00:00"));
    QCOMPARE(e.info.CzasOperacyjnySkladniki,
             QStringLiteral("Cz.Operacyjny  =$$i Cz.Zamówiony - Cz.Postoju Planowanego [00:35:00] - NCzPzb [00:15:00]"));
    QCOMPARE(e.info.CzasOperacyjnySkladnikiHTML,
             QStringLiteral("<font color=\"clblue\" ><b>Cz.Operacyjny</b></font> [07:10:00] =<ind=\"170\"> "
                            "<font color=\"clblue\" ><b>Cz.Zamówiony</b></font> [08:00:00] - "
                            "<font color=\"clred\" ><b>Cz.P. Planowanego</b></font> [00:35:00] - "
                            "<font color=\"clblue\" ><b>Normatywny Cz. Przezbr.</b></font> [00:15:00]"));
    QCOMPARE(e.info.DostepnoscSkladniki,
             QStringLiteral("CzDost = CzOp - CzAw [00:45:00] - CzPNp [00:10:00] - PnCzPzb [00:15:00]"));
    QCOMPARE(e.info.DostepnoscSkladnikiHTML,
             QStringLiteral("<font color=\"clblue\" ><b>Cz.Dostępny</b></font> [06:00:00] =<ind=\"170\"> "
                            "<font color=\"clblue\" ><b>Cz.Operacyjny</b></font> [07:10:00] - "
                            "<font color=\"clred\" ><b>Cz.Awarii</b></font> [00:45:00] - "
                            "<font color=\"clred\" ><b>Cz.P.NiePlanowego</b></font> [00:10:00] - "
                            "<font color=\"clblue\" ><b>PonadNormatywny Cz.Przezbr.</b></font> [00:15:00]"));
    QCOMPARE(e.info.WykorzystanieSkladnikiHTML,
             QStringLiteral("<font color=\"clblue\" ><b>Cz.Wykorzystania</b></font> =<ind=\"170\"> "
                            "<b><font color=\"clblue\" >Cz.Efektywnej Pracy</b></font> [05:00:00]"));
    QCOMPARE(e.info.WykorzystanieSkladniki, QStringLiteral("CzWK = CzPracy[05:00:00]"));
    QCOMPARE(e.info.JakoscSkladnikiHtml,
             QStringLiteral("<font color=\"clblue\" ><b>Jakość</b></font> =  <b><font color=\"clblue\" >Produkt </b></font>[9000]"
                            " - <font color=\"clred\" ><b>Braki</b></font> [200]"));
    QCOMPARE(e.info.LegendaTXT,
             QStringLiteral("CZam - czas zamówiony\n\rCOp - Czas operacyjny\n\rPPn - Postój planowany\n\r"
                            "PNPn - Postój nie planowany\n\rOptCP - Optymalny czas przezbrajania"));
}

void TestEfektOEE::changeoverModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("changeover");
    QTest::addColumn<int>("operating");
    QTest::addColumn<QString>("operatingPct");
    QTest::addColumn<int>("available");
    QTest::addColumn<QString>("availablePct");
    QTest::addColumn<QString>("oee");
    QTest::addColumn<QString>("plainOperatingEnd");  // what the plain operating text ends with
    QTest::addColumn<QString>("plainAvailableEnd");  // likewise for the plain availability text
    QTest::addColumn<QString>("markupAvailableEnd"); // likewise for the mark-up availability text

    const QString noItemOp = QStringLiteral("Planowanego [00:35:00]");
    const QString noItemAv = QStringLiteral("CzPNp [00:10:00]");
    const QString noItemAvHtml = QStringLiteral("<b>Cz.P.NiePlanowego</b></font> [00:10:00]");
    QTest::newRow("0 not a loss") << 0 << 1800 << 24900 << "86,46%" << 21600 << "86,75%" << "70,68%"
                                  << "Planowanego [00:35:00] - CzPzb [00:30:00]" << noItemAv << noItemAvHtml;
    QTest::newRow("1 a loss") << 1 << 1800 << 26700 << "92,71%" << 21600 << "80,90%" << "65,92%" << noItemOp
                              << "CzPNp [00:10:00] - CzPzb [00:30:00]"
                              << "<b>Cz.Przezbr.</b></font> [00:30:00]";
    QTest::newRow("2 above norm") << 2 << 1800 << 25800 << "89,58%" << 21600 << "83,72%" << "68,22%"
                                  << "NCzPzb [00:15:00]" << "PnCzPzb [00:15:00]"
                                  << "<b>PonadNormatywny Cz.Przezbr.</b></font> [00:15:00]";
    QTest::newRow("3 as 2") << 3 << 1800 << 25800 << "89,58%" << 21600 << "83,72%" << "68,22%"
                            << "NCzPzb [00:15:00]" << "PnCzPzb [00:15:00]"
                            << "<b>PonadNormatywny Cz.Przezbr.</b></font> [00:15:00]";
    QTest::newRow("-1 ignored") << -1 << 1800 << 26700 << "92,71%" << 23400 << "87,64%" << "65,92%" << noItemOp
                                << noItemAv << noItemAvHtml;
    QTest::newRow("4 ignored") << 4 << 1800 << 26700 << "92,71%" << 23400 << "87,64%" << "65,92%" << noItemOp
                               << noItemAv << noItemAvHtml;
    QTest::newRow("2 with 2400") << 2 << 2400 << 25800 << "89,58%" << 21000 << "81,40%" << "68,22%"
                                 << "NCzPzb [00:15:00]" << "PnCzPzb [00:25:00]"
                                 << "<b>PonadNormatywny Cz.Przezbr.</b></font> [00:25:00]";
    QTest::newRow("2 with 600") << 2 << 600 << 26100 << "90,63%" << 22800 << "87,36%" << "67,43%"
                                << "NCzPzb [00:10:00]" << noItemAv << noItemAvHtml;
    QTest::newRow("2 equal to norm") << 2 << 900 << 25800 << "89,58%" << 22500 << "87,21%" << "68,22%"
                                     << "NCzPzb [00:15:00]" << "PnCzPzb [00:00:00]"
                                     << "<b>PonadNormatywny Cz.Przezbr.</b></font> [00:00:00]";
}

void TestEfektOEE::changeoverModes()
{
    QFETCH(int, mode);
    QFETCH(int, changeover);
    TEfektOEE e = workedExample();
    e.TrybStratyPrzezbrajania = mode;
    e.dWe.CSPrzezbrajania = changeover;
    e.policz();
    QTEST(e.dWy.CzasOperacyjny, "operating");
    QTEST(e.dWy.CzasOperacyjnyProcentTXT, "operatingPct");
    QTEST(e.dWy.DostepnoscCzas, "available");
    QTEST(e.dWy.DostepnoscProcentTXT, "availablePct");
    QTEST(e.dWy.OEETXT, "oee");
    QFETCH(QString, plainOperatingEnd);
    QFETCH(QString, plainAvailableEnd);
    QFETCH(QString, markupAvailableEnd);
    QVERIFY2(e.info.CzasOperacyjnySkladniki.endsWith(plainOperatingEnd), qPrintable(e.info.CzasOperacyjnySkladniki));
    QVERIFY2(e.info.DostepnoscSkladniki.endsWith(plainAvailableEnd), qPrintable(e.info.DostepnoscSkladniki));
    QVERIFY2(e.info.DostepnoscSkladnikiHTML.endsWith(markupAvailableEnd), qPrintable(e.info.DostepnoscSkladnikiHTML));
    // The changeover item stands in the mark-up texts exactly where it stands in the plain ones.
    QCOMPARE(e.info.CzasOperacyjnySkladnikiHTML.contains(QStringLiteral("Przezbr.")),
             e.info.CzasOperacyjnySkladniki.contains(QStringLiteral("Pzb")));
    QCOMPARE(e.info.DostepnoscSkladnikiHTML.contains(QStringLiteral("Przezbr.")),
             e.info.DostepnoscSkladniki.contains(QStringLiteral("Pzb")));
    if (mode == -1)
        QCOMPARE(e.dWy.WykorzystanieProcentTXT, QStringLiteral("76,92%"));
}

void TestEfektOEE::workingTimeAboveAvailable()
{
    TEfektOEE e = workedExample();
    e.dWe.CPracy = 24000;
    e.policz();
    QCOMPARE_BITS(e.dWy.WykorzystanieProcent, float(2400000.0L / 21600)); // 111.11111
    QCOMPARE(e.dWy.WykorzystanieProcentTXT, QStringLiteral("111,11%"));
    QCOMPARE(e.dWy.WykorzystanieStrata, -2400);
    QCOMPARE(e.dWy.OEETXT, QStringLiteral("90,96%"));
    QVERIFY(e.info.WykorzystanieSkladnikiHTML.endsWith(
        QStringLiteral("[06:40:00]<br><font color=\"clred\" ><b> Uwaga Cz. Efektywnej Pracy > Cz. Dostępnosci </b></font> !!")));
}

void TestEfektOEE::rejectsAboveProduced()
{
    TEfektOEE e = workedExample();
    e.dWe.Braki = 9500;
    e.policz();
    QCOMPARE(e.dWy.Jakosc, 0.0f);
    QCOMPARE(e.dWy.JakoscProcent, 0.0f);
    QCOMPARE(e.dWy.JakoscProcentStr, QStringLiteral("0,00%"));
    QCOMPARE(e.dWy.OEE, 0.0f);
    QCOMPARE(e.dWy.OEETXT, QStringLiteral("0,00%"));
    QVERIFY(e.info.JakoscSkladnikiHtml.endsWith(
        QStringLiteral("[9500]<br>!! <font color=\"clred\" ><b>  Braki > Produkt </b></font> !!")));
}

void TestEfektOEE::fractionalQuantitiesRoundToEven()
{
    TEfektOEE e = workedExample();
    e.dWe.Wykonane = 2.5f;
    e.dWe.Braki = 1.5f;
    e.policz();
    QCOMPARE(e.dWy.JakoscProcent, 0.0f);
    QCOMPARE(e.dWy.Jakosc, 1.0f);
}

void TestEfektOEE::allZero()
{
    TEfektOEE e;
    e.policz();
    QCOMPARE(e.dWy.CzasOperacyjnyProcent, 0.0f);
    QCOMPARE(e.dWy.DostepnoscProcent, 100.0f);
    QCOMPARE(e.dWy.WykorzystanieProcent, 0.0f);
    QCOMPARE(e.dWy.JakoscProcent, 100.0f);
    QCOMPARE(e.dWy.OEE, 0.0f);
    QCOMPARE(e.dWy.CzasOperacyjnyProcentTXT, QStringLiteral("00,00%"));
    QCOMPARE(e.info.CzasZamowionyAsTxt, QStringLiteral("00:00:00"));
    QCOMPARE(e.dWy.CzasOperacyjnyAsTxt, QStringLiteral("00:00:00"));
    QVERIFY(!e.info.CzasOperacyjnySkladnikiHTML.contains(QRegularExpression(QStringLiteral("\\[(?!00:00:00\\])"))));
    QVERIFY(!e.info.DostepnoscSkladnikiHTML.contains(QRegularExpression(QStringLiteral("\\[(?!00:00:00\\])"))));
}

void TestEfektOEE::negativeOperatingTime()
{
    TEfektOEE e;
    e.dWe.CzasZamowiony = 3600;
    e.dWe.CSPostojuP = 7200;
    e.policz();
    QCOMPARE(e.dWy.CzasOperacyjny, -3600);
    QCOMPARE(e.dWy.CzasOperacyjnyProcent, -100.0f);
    QCOMPARE(e.dWy.CzasOperacyjnyProcentTXT, QStringLiteral("-100,00%"));
    QCOMPARE(e.dWy.DostepnoscProcent, 100.0f);
    QCOMPARE(e.dWy.CzasOperacyjnyAsTxt, QStringLiteral("00:00:00"));
    QVERIFY(e.info.CzasOperacyjnySkladnikiHTML.startsWith(
        QStringLiteral("<font color=\"clblue\" ><b>Cz.Operacyjny</b></font> [00:00:00] =")));
}

void TestEfektOEE::oeeIsWorkingOverOperatingTimesQuality()
{
    for (int mode = 0; mode <= 2; ++mode) {
        for (int working : {6000, 18000, 21600}) {
            TEfektOEE e = workedExample();
            e.TrybStratyPrzezbrajania = mode;
            e.dWe.CPracy = working;
            e.policz();
            const double expected = double(working) / e.dWy.CzasOperacyjny * e.dWy.JakoscProcent;
            QVERIFY2(qAbs(e.dWy.OEE - expected) <= expected * 1e-6, qPrintable(QString::number(e.dWy.OEE)));
        }
    }
}

void TestEfektOEE::repeatedCallsAreIdentical()
{
    TEfektOEE e = workedExample();
    e.dWe.CPracy = 24000; // with the warning line, which must not be appended twice
    e.policz();
    const QString html = e.info.WykorzystanieSkladnikiHTML;
    const QString avail = e.info.DostepnoscSkladnikiHTML;
    const float oee = e.dWy.OEE;
    e.policz();
    QCOMPARE(e.info.WykorzystanieSkladnikiHTML, html);
    QCOMPARE(e.info.DostepnoscSkladnikiHTML, avail);
    QCOMPARE(bits(e.dWy.OEE), bits(oee));
}

void TestEfektOEE::sumsBeyond32BitsWrap()
{
    TEfektOEE e;
    e.dWe.CzasZamowiony = INT32_MIN;
    e.dWe.CSPostojuP = INT32_MAX;
    e.dWe.CSAwarii = INT32_MAX;
    e.dWe.CSPostojuNP = INT32_MAX;
    e.dWe.CSPrzezbrajania = INT32_MAX;
    e.dWe.OptymalnyCzas_P = INT32_MIN;
    e.dWe.CPracy = INT32_MIN;
    for (int mode : {0, 1, 2}) {
        e.TrybStratyPrzezbrajania = mode;
        e.policz(); // the sanitizer build traps any signed overflow here
    }
    QCOMPARE(e.dWy.CzasOperacyjny, INT32_MIN + 1); // mode 2: k = INT32_MIN, planned wraps to -1
    QVERIFY(!e.dWy.OEETXT.isEmpty());
}

QTEST_GUILESS_MAIN(TestEfektOEE)
#include "tst_efektoee.moc"
