#include "model/UEfektOEE.h"
#include "platform/Errors.h"
#include "ui/CycleSolvers.h"
#include "ui/Recalculation.h"
#include "ui/TimeSplit.h"

#include <QLocale>
#include <QTest>
#include <cstring>

using namespace recalculation;

namespace {

// The main window's defaults in seconds.
Times defaults()
{
    Times t;
    t.ordered = 480 * 60;
    t.planned = 35 * 60;
    t.changeover = 30 * 60;
    t.unplanned = 10 * 60;
    t.breakdowns = 45 * 60;
    t.working = 300 * 60;
    return t;
}

} // namespace

class TestUiLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void minutesSaturate();
    void durationsBeyond32Bits();
    void consistency_data();
    void consistency();
    void breakdowns_data();
    void breakdowns();
    void breakdownCountZeroRaises();
    void reserveAndLoss();
    void workingTimeSolver_data();
    void workingTimeSolver();
    void quantitySolver_data();
    void quantitySolver();
    void cycleTimeSolver_data();
    void cycleTimeSolver();
    void solversRaiseOnZeroDivisors();
    void timeSplit_data();
    void timeSplit();
    void timeSumSaturates();
};

void TestUiLogic::minutesSaturate()
{
    QCOMPARE(minutesToSeconds(480), 28800);
    QCOMPARE(minutesToSeconds(35791394), 2147483640);
    QCOMPARE(minutesToSeconds(35791395), INT32_MAX);
    QCOMPARE(minutesToSeconds(INT32_MAX), INT32_MAX);
    QCOMPARE(minutesToSeconds(-35791395), INT32_MIN);
    QCOMPARE(minutesToSeconds(-5), -300);
}

void TestUiLogic::durationsBeyond32Bits()
{
    QCOMPARE(duration(-1), QStringLiteral("00:00:00"));
    QCOMPARE(duration(INT64_MIN), QStringLiteral("00:00:00"));
    QCOMPARE(duration(86401), QStringLiteral("1D 00:00:01"));
    QCOMPARE(duration(INT32_MAX), QStringLiteral("24855D 03:14:07"));
    QCOMPARE(duration(std::int64_t{INT32_MAX} + 1), QStringLiteral("24855D 03:14:08"));
    QCOMPARE(duration(std::int64_t{5} * 599999940), QStringLiteral("34722D 05:15:00"));
}

void TestUiLogic::consistency_data()
{
    QTest::addColumn<int>("workingMinutes");
    QTest::addColumn<QString>("line");
    QTest::newRow("defaults leave an hour") << 300 << "Czas nieozanczony (czas zamówiony - pozostałe czasy) :  01:00:00";
    QTest::newRow("360 adds up") << 360 << "----";
    QTest::newRow("361 is too much")
        << 361 << "Niespójność danych\r\nsuma czasów [ 08:01:00 ] > czasu zamówionego [ 08:00:00 ] !";
}

void TestUiLogic::consistency()
{
    QFETCH(int, workingMinutes);
    Times t = defaults();
    t.working = minutesToSeconds(workingMinutes);
    QTEST(consistencyLine(t), "line");
}

void TestUiLogic::breakdowns_data()
{
    QTest::addColumn<int>("breakdownMinutes");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("mttr");
    QTest::addColumn<QString>("mtbf");
    QTest::newRow("defaults") << 45 << 2 << "00:22:30" << "04:00:00";
    QTest::newRow("one breakdown") << 45 << 1 << "00:45:00" << "08:00:00";
    QTest::newRow("7.5 s ties to 8") << 1 << 8 << "00:00:08" << "01:00:00";
    QTest::newRow("0.5 s ties to 0") << 1 << 120 << "00:00:00" << "00:04:00";
}

void TestUiLogic::breakdowns()
{
    QFETCH(int, breakdownMinutes);
    QFETCH(int, count);
    QFETCH(QString, mttr);
    QFETCH(QString, mtbf);
    QCOMPARE(breakdownText(breakdownMinutes * 60, 28800, count),
             QStringLiteral("średni czas awarii:<br>  <b>MTTR:</b> ") + mttr
                 + QStringLiteral("<br><br>średni czas między awariami:<br>  <b>MTBF:</b> ") + mtbf);
}

void TestUiLogic::breakdownCountZeroRaises()
{
    QVERIFY_THROWS_EXCEPTION(platform::EZeroDivide, breakdownText(2700, 28800, 0));
    QVERIFY_THROWS_EXCEPTION(platform::EInvalidOp, breakdownText(0, 28800, 0));
}

void TestUiLogic::reserveAndLoss()
{
    TEfektOEE oee;
    const Times t = defaults();
    oee.dWe.CzasZamowiony = t.ordered;
    oee.dWe.CSPostojuP = t.planned;
    oee.dWe.CSPrzezbrajania = t.changeover;
    oee.dWe.CSPostojuNP = t.unplanned;
    oee.dWe.CSAwarii = t.breakdowns;
    oee.dWe.CPracy = t.working;
    oee.dWe.OptymalnyCzas_P = 15 * 60;
    oee.dWe.Braki = 200;
    oee.dWe.Wykonane = 9000;
    oee.TrybStratyPrzezbrajania = 2;
    oee.policz();
    QCOMPARE(reserveAndLossText(oee, t.ordered, 2.0, 200),
             QStringLiteral("Czas Operacyjny:<ind=\"150\">07:10:00<ind=\"250\"><font color=\"clGreen\">Rezerwa:00:50:00</font><br>"
                            "Czas Dostępny:<ind=\"150\">06:00:00<ind=\"250\"><font color=\"clRed\">Strata:01:10:00</font><br>"
                            "Czas Wykorzystania:<ind=\"150\">05:00:00<ind=\"250\"><font color=\"clRed\">Strata:01:00:00</font><br>"
                            "Czas odtworzenia braków:<ind=\"250\"><font color=\"clred\">00:06:40"));
    // Very long cycles times many rejects leave 32 bits and are still shown as a duration.
    QVERIFY(reserveAndLossText(oee, t.ordered, 999999.0, 9999999).endsWith(QStringLiteral("115740613D 10:13:21")));
    QCOMPARE(formulasText(oee), oee.info.CzasOperacyjnySkladnikiHTML + "<br>" + oee.info.DostepnoscSkladnikiHTML + "<br>"
                 + oee.info.WykorzystanieSkladnikiHTML + "<br>");
}

void TestUiLogic::workingTimeSolver_data()
{
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("c");
    QTest::addColumn<qint64>("minutes");
    QTest::newRow("defaults reproduce 300") << 9000 << 1 << 2.0 << qint64(300);
    QTest::newRow("four per cycle") << 9000 << 4 << 2.0 << qint64(75);
    QTest::newRow("4500.5 cycles to 4500") << 9001 << 2 << 2.0 << qint64(150);
    QTest::newRow("4501.5 cycles to 4502") << 9003 << 2 << 2.0 << qint64(150);
    QTest::newRow("2.5 minutes to 2") << 150 << 1 << 1.0 << qint64(2);
    QTest::newRow("1.5 minutes to 2") << 90 << 1 << 1.0 << qint64(2);
    QTest::newRow("0 minutes become 1") << 10 << 1 << 1.0 << qint64(1);
}

void TestUiLogic::workingTimeSolver()
{
    QFETCH(int, q);
    QFETCH(int, k);
    QFETCH(double, c);
    QFETCH(qint64, minutes);
    QCOMPARE(qint64(cyclesolvers::workingTimeMinutes(q, k, c)), minutes);
}

void TestUiLogic::quantitySolver_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("c");
    QTest::addColumn<int>("w");
    QTest::addColumn<qint64>("q");
    QTest::newRow("defaults reproduce 9000") << 1 << 2.0 << 300 << qint64(9000);
    QTest::newRow("single 2/3 gives 27000") << 3 << 2.0 << 300 << qint64(27000);
}

void TestUiLogic::quantitySolver()
{
    QFETCH(int, k);
    QFETCH(double, c);
    QFETCH(int, w);
    QFETCH(qint64, q);
    QCOMPARE(qint64(cyclesolvers::quantity(k, c, w)), q);
}

void TestUiLogic::cycleTimeSolver_data()
{
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("w");
    QTest::addColumn<double>("c");
    QTest::newRow("defaults reproduce 2") << 9000 << 1 << 300 << 2.0;
    QTest::newRow("seven per cycle") << 9000 << 7 << 300 << 14.000000953674316;
    QTest::newRow("one minute") << 9000 << 1 << 1 << double(float(60.0L / 9000));
}

void TestUiLogic::cycleTimeSolver()
{
    QFETCH(int, q);
    QFETCH(int, k);
    QFETCH(int, w);
    QFETCH(double, c);
    QCOMPARE(double(cyclesolvers::cycleTimeSeconds(q, k, w)), c);
}

void TestUiLogic::solversRaiseOnZeroDivisors()
{
    QVERIFY_THROWS_EXCEPTION(platform::Error, cyclesolvers::workingTimeMinutes(9000, 0, 2.0));
    QVERIFY_THROWS_EXCEPTION(platform::Error, cyclesolvers::quantity(0, 2.0, 300));
    QVERIFY_THROWS_EXCEPTION(platform::Error, cyclesolvers::cycleTimeSeconds(9000, 0, 300));
    QVERIFY_THROWS_EXCEPTION(platform::Error, cyclesolvers::cycleTimeSeconds(0, 1, 300));
    QVERIFY_THROWS_EXCEPTION(platform::Error, cyclesolvers::quantity(1, 0.0, 300));
}

void TestUiLogic::timeSplit_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("mins");
    QTest::newRow("480") << 480 << 0 << 8 << 0;
    QTest::newRow("1440") << 1440 << 1 << 0 << 0;
    QTest::newRow("1439") << 1439 << 0 << 23 << 59;
    QTest::newRow("0") << 0 << 0 << 0 << 0;
    QTest::newRow("9999999") << 9999999 << 6944 << 10 << 39;
}

void TestUiLogic::timeSplit()
{
    QFETCH(int, minutes);
    const TimeSplit t = TimeSplit::fromSeconds(minutes * 60);
    QTEST(t.days, "days");
    QTEST(t.hours, "hours");
    QTEST(t.minutes, "mins");
    QCOMPARE(t.toSeconds(), minutes * 60);
}

void TestUiLogic::timeSumSaturates()
{
    QCOMPARE((TimeSplit{1, 2, 3}.toSeconds()), 1563 * 60);
    QCOMPARE((TimeSplit{0, 30, 90}.toSeconds()), 1890 * 60);
    QCOMPARE((TimeSplit{24855, 3, 14}.toSeconds()), 2147483640);
    QCOMPARE((TimeSplit{24856, 0, 0}.toSeconds()), INT32_MAX);
    QCOMPARE((TimeSplit{99999, 9999, 9999}.toSeconds()), INT32_MAX);
    QCOMPARE(TimeSplit::fromSeconds(59).minutes, 0);
    QCOMPARE(TimeSplit::fromSeconds(-60).hours, 0);
}

QTEST_GUILESS_MAIN(TestUiLogic)
#include "tst_ui_logic.moc"
