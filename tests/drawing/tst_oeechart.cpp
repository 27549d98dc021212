#include "chart/UOEEChart.h"
#include "platform/Errors.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"

#include <QGuiApplication>
#include <QLocale>
#include <QTest>
#include <memory>
#include <utility>
#include <vector>

using namespace platform;

namespace {

using Runs = std::vector<std::pair<int, int>>; // first and last row of each run

// The main window's picture (943 x 316, cleared as its recalculation does) and the chart
// with the main window's settings.
struct MainWindowPicture {
    TBitmap bitmap;
    TOEEChart chart;

    explicit MainWindowPicture(bool useCop = true)
    {
        bitmap.SetSize(943, 316);
        chart.bar_width = 650;
        chart.full_name = true;
        chart.draw_oee_label = false;
        chart.use_cop = useCop;
        chart.bar_height = useCop ? 25 : 30;
        chart.bar_o = useCop ? 3 : 5;
        chart.z_label = QStringLiteral("czas zamówiony 08:00:00");
        chart.SetValues(87.5f, 92.31f, 80.0f, 95.0f, 61.32f);
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    void draw(int aX = 20, int aY = 10)
    {
        canvas().Rectangle(1, 1, 1300, 1300);
        chart.DrawOEE(canvas(), aX, aY);
    }
    TColor at(int x, int y) const { return fromQRgb(bitmap.image().pixel(x, y)); }
    // Runs of rows, from row 2 down, where column x is not white.
    Runs columnRuns(int x) const
    {
        Runs runs;
        for (int y = 2; y < bitmap.Height(); ++y) {
            if (at(x, y) == clWhite)
                continue;
            if (!runs.empty() && runs.back().second == y - 1)
                runs.back().second = y;
            else
                runs.push_back({y, y});
        }
        return runs;
    }
    template <class Pred>
    int count(int x1, int y1, int x2, int y2, Pred pred) const
    {
        int n = 0;
        for (int y = std::max(y1, 0); y < std::min(y2, bitmap.Height()); ++y)
            for (int x = std::max(x1, 0); x < std::min(x2, bitmap.Width()); ++x)
                n += pred(at(x, y));
        return n;
    }
};

bool isLime(TColor c)
{
    return GetRValue(c) == 0 && GetBValue(c) == 0 && GetGValue(c) >= 178;
}
bool isRed(TColor c)
{
    return GetGValue(c) == 0 && GetBValue(c) == 0 && GetRValue(c) >= 178;
}
bool isSilver(TColor c)
{
    return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c) && GetRValue(c) >= 134 && GetRValue(c) <= 192;
}
bool isBarColour(TColor c)
{
    return isLime(c) || isRed(c) || isSilver(c);
}

TColor shade(TColor plain, std::uint8_t level) // the plain colour's channels at a gradient level
{
    return RGB(GetRValue(plain) ? level : 0, GetGValue(plain) ? level : 0, GetBValue(plain) ? level : 0);
}

} // namespace

class TestOEEChart : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void defaultsAfterCreate();
    void workedExampleBars_data();
    void workedExampleBars();
    void workedExampleTags_data();
    void workedExampleTags();
    void tagTextsFollowTheLocaleAndLength();
    void rowsOfBothMainWindowLayouts_data();
    void rowsOfBothMainWindowLayouts();
    void percentagesAtAndBeyondTheirBounds();
    void zeroOperatingTimeLeavesTagsAtTheLeftEdge();
    void negativePercentageSkipsBarsAndClipsTags();
    void originZeroSuppressesBarsButNotTags();
    void oeeTextUnderTheLastRow();
    void canvasStateAfterDrawing();
    void tagOfHeightZeroFails();

private:
    QLocale savedLocale_;
};

void TestOEEChart::initTestCase()
{
    savedLocale_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}

void TestOEEChart::cleanupTestCase()
{
    QLocale::setDefault(savedLocale_);
}

void TestOEEChart::defaultsAfterCreate()
{
    const TOEEChart chart;
    QCOMPARE(chart.bar_width, 150);
    QCOMPARE(chart.bar_height, 17);
    QCOMPARE(chart.cop_bar_height, 17);
    QCOMPARE(chart.bar_o, 2);
    QCOMPARE(chart.bar_cz_height, 17);
    QCOMPARE(chart.z_label, QString());
    QCOMPARE(chart.draw_oee_label, true);
    QCOMPARE(chart.oee_font_color, TColor{0xFF0000});
    QCOMPARE(chart.oee_font_size, 12);
    QCOMPARE(chart.oee_left, 100);
    QCOMPARE(chart.use_cop, true);
    QCOMPARE(chart.full_name, false);
}

void TestOEEChart::workedExampleBars_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("backRight"); // just right of the row
    QTest::addColumn<int>("fillRight"); // just right of the lime share; 0: none
    QTest::addColumn<TColor>("back");
    QTest::addColumn<QList<int>>("levels"); // the background's levels on rows 1, height / 2 and height - 2
    const QList<int> bar25{181, 214, 248}; // 25 rows from 178 to 255
    QTest::newRow("ordered time") << 10 << 17 << 670 << 0 << clYellow << QList<int>{182, 214, 245};
    QTest::newRow("operating time 88 of 650") << 30 << 25 << 670 << 592 << clSilver << QList<int>{136, 161, 187};
    QTest::newRow("availability 92 of 569") << 58 << 25 << 589 << 543 << clRed << bar25;
    QTest::newRow("utilisation 80 of 525") << 86 << 25 << 545 << 440 << clRed << bar25;
    QTest::newRow("quality 95 of 420") << 114 << 25 << 440 << 419 << clRed << bar25;
}

void TestOEEChart::workedExampleBars()
{
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, backRight);
    QFETCH(int, fillRight);
    QFETCH(TColor, back);
    QFETCH(QList<int>, levels);
    MainWindowPicture picture;
    picture.draw();

    const int bottom = top + height - 1;
    for (int x = 20; x < backRight; ++x) {
        QCOMPARE(picture.at(x, top), clBlack);
        QCOMPARE(picture.at(x, bottom), clBlack);
    }
    for (int y = top; y <= bottom; ++y) {
        QCOMPARE(picture.at(20, y), clBlack);
        QCOMPARE(picture.at(backRight - 1, y), clBlack);
        if (fillRight)
            QCOMPARE(picture.at(fillRight - 1, y), clBlack);
        QCOMPARE(picture.at(backRight, y) == clWhite, y != top + height / 2); // the tag's leader line
    }
    const int rows[] = {1, height / 2, height - 2};
    const std::uint8_t limeLevels[] = {181, 214, 248};
    for (int i = 0; i < 3; ++i) {
        const int y = top + rows[i];
        const auto level = static_cast<std::uint8_t>(levels[i]);
        QCOMPARE(picture.at(backRight - 2, y), shade(back, level));
        if (fillRight) {
            QCOMPARE(picture.at(21, y), shade(clLime, limeLevels[i]));
            QCOMPARE(picture.at(fillRight - 2, y), shade(clLime, limeLevels[i]));
            QCOMPARE(picture.at(fillRight, y), shade(back, level));
        }
    }
    if (fillRight)
        QCOMPARE(picture.count(21, top + 1, fillRight - 1, bottom, [](TColor c) { return !isLime(c); }), 0);
}

void TestOEEChart::workedExampleTags_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("lastLevel"); // the box's gradient on its last inner row
    QTest::newRow("ordered time") << 670 << 10 << 17 << 251;
    QTest::newRow("operating time") << 670 << 30 << 25 << 252;
    QTest::newRow("availability") << 589 << 58 << 25 << 252;
    QTest::newRow("utilisation") << 545 << 86 << 25 << 252;
    QTest::newRow("quality") << 440 << 114 << 25 << 252;
}

void TestOEEChart::workedExampleTags()
{
    QFETCH(int, x);
    QFETCH(int, top);
    QFETCH(int, height);
    QFETCH(int, lastLevel);
    MainWindowPicture picture;
    picture.draw();

    const int mid = top + height / 2;
    for (int i = 0; i < 5; ++i)
        QCOMPARE(picture.at(x + i, mid), clBlack);
    for (int bx = x + 5; bx < x + 160; ++bx) {
        QCOMPARE(picture.at(bx, top), clBlack);
        QCOMPARE(picture.at(bx, top + height - 1), clBlack);
    }
    for (int y = top; y < top + height; ++y) {
        QCOMPARE(picture.at(x + 5, y), clBlack);
        QCOMPARE(picture.at(x + 159, y), clBlack);
        QCOMPARE(picture.at(x + 160, y), clWhite);
    }
    QCOMPARE(picture.at(x + 6, top + 1), RGB(230, 230, 0));
    QCOMPARE(picture.at(x + 158, top + height - 2), RGB(lastLevel, lastLevel, 0));
    const int glyphs = picture.count(x + 9, top + 1, x + 159, top + height - 1, [](TColor c) { return c == clBlack; });
    QVERIFY(glyphs > 40);
}

void TestOEEChart::tagTextsFollowTheLocaleAndLength()
{
    // The availability tag of the worked example against the same box and text drawn directly.
    for (const auto& [fullName, text] : {std::pair{true, QStringLiteral("DOSTĘPNOŚĆ: 92,31%")},
                                         std::pair{false, QStringLiteral("D:92,3%")}}) {
        MainWindowPicture picture;
        picture.chart.full_name = fullName;
        picture.draw();
        const int w = fullName ? 160 : 65;

        TBitmap expected;
        expected.SetSize(943, 316);
        TCanvas& c = expected.Canvas();
        TmyGraph::GradientXY(c, 589 + 5, 58, 589 + w, 83, 0x00E5E5, 0x00FFFF, TGradientStyle::gsHorizontal1);
        c.Font.Name = QStringLiteral("arial");
        c.Font.Size = 9;
        c.TextBackground = TTextBackground::Transparent;
        c.TextOut(589 + 9, 58 + (25 - c.TextHeight(text)) / 2, text);
        for (int y = 58; y < 83; ++y)
            for (int x = 589 + 5; x < 589 + w; ++x)
                QVERIFY2(picture.at(x, y) == c.Pixels(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QCOMPARE(picture.at(589 + w, 59), clWhite);
    }
}

void TestOEEChart::rowsOfBothMainWindowLayouts_data()
{
    QTest::addColumn<bool>("useCop");
    QTest::addColumn<Runs>("rows");
    QTest::newRow("with ordered and operating time")
        << true << Runs{{10, 26}, {30, 54}, {58, 82}, {86, 110}, {114, 138}};
    QTest::newRow("availability first") << false << Runs{{10, 39}, {45, 74}, {80, 109}};
}

void TestOEEChart::rowsOfBothMainWindowLayouts()
{
    QFETCH(bool, useCop);
    QFETCH(Runs, rows);
    MainWindowPicture picture(useCop);
    picture.draw();
    QCOMPARE(picture.columnRuns(300), rows);
    // The first drawn bar is always 650 long.
    QCOMPARE(picture.at(669, rows.front().first + 1), clBlack);
    QCOMPARE(picture.at(668, rows.front().first + 1) != clWhite, true);
    QCOMPARE(picture.at(670, rows.front().first + 1), clWhite);
    if (!useCop) // availability at full length: lime share Round(650 x 92 / 100) = 598
        QCOMPARE(picture.at(20 + 598 - 1, 20), clBlack);
}

void TestOEEChart::percentagesAtAndBeyondTheirBounds()
{
    MainWindowPicture picture;
    // Availability 120 is stored as 100: the utilisation row is as long as the availability row.
    // Utilisation 0 shows its background alone.
    picture.chart.SetValues(87.5f, 120.0f, 0.0f, 100.0f, 130.0f);
    picture.draw();
    QCOMPARE(picture.count(21, 59, 588, 82, [](TColor c) { return !isLime(c); }), 0);
    QCOMPARE(picture.at(588, 100), clBlack);
    QCOMPARE(picture.at(589, 100), clWhite);
    QCOMPARE(picture.count(21, 87, 588, 110, [](TColor c) { return !isRed(c); }), 0);
    // L3 = Round(5.69 x 0) = 0: the quality row has no width, its tag stands at the origin.
    QCOMPARE(picture.count(0, 114, 943, 139, isBarColour), 0);
    QCOMPARE(picture.at(20, 126), clBlack);
    QCOMPARE(picture.at(25, 114), clBlack);

    // 100 everywhere: every lime share covers its row.
    MainWindowPicture full;
    full.chart.SetValues(100.0f, 100.0f, 100.0f, 100.0f, 100.0f);
    full.draw();
    for (const int top : {30, 58, 86, 114}) {
        QCOMPARE(full.count(21, top + 1, 668, top + 24, [](TColor c) { return !isLime(c); }), 0);
        QCOMPARE(full.at(669, top + 1), clBlack);
    }
}

void TestOEEChart::zeroOperatingTimeLeavesTagsAtTheLeftEdge()
{
    MainWindowPicture picture;
    picture.chart.SetValues(0.0f, 92.31f, 80.0f, 95.0f, 0.0f);
    picture.draw();
    QCOMPARE(picture.count(0, 30, 943, 55, isLime), 0); // operating time: silver alone
    QVERIFY(picture.count(21, 31, 668, 54, isSilver) > 0);
    QCOMPARE(picture.count(0, 58, 943, 139, isBarColour), 0);
    for (const int top : {58, 86, 114}) {
        QCOMPARE(picture.at(20, top + 12), clBlack); // leader line from the origin
        QCOMPARE(picture.at(20, top + 1), clWhite);
        QCOMPARE(picture.at(25, top + 1), clBlack); // the box's left edge
    }
}

void TestOEEChart::negativePercentageSkipsBarsAndClipsTags()
{
    MainWindowPicture picture;
    picture.chart.SetValues(87.5f, 92.31f, -5.0f, 95.0f, 61.32f);
    picture.draw();
    // Utilisation -5 draws its background alone; L3 = Round(5.25 x -5) = -26 skips the quality
    // bar and puts its tag at x = -6, cut by the picture's edge.
    QCOMPARE(picture.count(0, 86, 943, 111, isLime), 0);
    QCOMPARE(picture.count(0, 114, 943, 139, isBarColour), 0);
    for (int x = 0; x < 154; ++x)
        QCOMPARE(picture.at(x, 114), clBlack);
    QCOMPARE(picture.at(153, 120), clBlack);
    QCOMPARE(picture.at(154, 120), clWhite);
    QCOMPARE(picture.at(0, 126), RGB(241, 241, 0)); // the box covers the visible part of the leader
}

void TestOEEChart::originZeroSuppressesBarsButNotTags()
{
    MainWindowPicture left;
    left.draw(0, 10);
    QCOMPARE(left.count(0, 0, 943, 316, isBarColour), 0);
    for (const int x : {650 + 5, 650 + 5, 569 + 5, 525 + 5, 420 + 5})
        QCOMPARE(left.columnRuns(x).empty(), false);
    QCOMPARE(left.at(655, 30), clBlack);

    MainWindowPicture top;
    top.draw(20, 0);
    // The ordered-time bar starts at row 0 and is left out; its tag and the rows below are drawn.
    QCOMPARE(top.at(21, 5), clWhite);
    QCOMPARE(top.at(675, 0), clBlack);
    QCOMPARE(isSilver(top.at(600, 25)), true);
}

void TestOEEChart::oeeTextUnderTheLastRow()
{
    TBitmap bitmap;
    bitmap.SetSize(400, 200);
    TCanvas& c = bitmap.Canvas();
    TOEEChart chart; // defaults: rows 17 high, 2 apart, the quality row at y = 10 + 4 x 19
    chart.SetValues(90.0f, 90.0f, 90.0f, 90.0f, 72.9f);
    chart.DrawOEE(c, 20, 10);
    const int textTop = 10 + 4 * 19 + 17;
    QCOMPARE(c.Font.Size, 12);
    QCOMPARE(c.Font.Bold, true);
    const QString text = QStringLiteral("OEE: 72,90%");
    const int w = c.TextWidth(text), h = c.TextHeight(text);
    int blue = 0, elsewhere = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 400; ++x)
            if (c.Pixels(x, y) == clBlue)
                (x >= 120 && x < 120 + w && y >= textTop && y < textTop + h ? blue : elsewhere)++;
    QVERIFY(blue > 60);
    QCOMPARE(elsewhere, 0);
}

void TestOEEChart::canvasStateAfterDrawing()
{
    MainWindowPicture picture;
    TCanvas& c = picture.canvas();
    c.Pen.Color = clRed;
    c.Brush.Color = clAqua;
    picture.chart.DrawOEE(c, 20, 10);
    QCOMPARE(c.Pen.Color, clBlack);
    QCOMPARE(c.Brush.Color, clWhite);
    QCOMPARE(c.TextBackground, TTextBackground::Opaque);
    QCOMPARE(c.Font.Name, QStringLiteral("arial"));
    QCOMPARE(c.Font.Size, 9);
    QCOMPARE(c.Font.Color, clBlack);
    QCOMPARE(c.Font.Bold, false);

    // Drawing again changes nothing: the chart keeps no state of the drawing.
    const QImage first = picture.bitmap.image().copy();
    picture.chart.DrawOEE(c, 20, 10);
    QCOMPARE(picture.bitmap.image(), first);
}

void TestOEEChart::tagOfHeightZeroFails()
{
    MainWindowPicture picture;
    picture.chart.bar_height = 0;
    QVERIFY_THROWS_EXCEPTION(EDivByZero, picture.draw());
}

QTEST_MAIN(TestOEEChart)
#include "tst_oeechart.moc"
