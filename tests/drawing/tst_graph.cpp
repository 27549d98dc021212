#include "platform/Errors.h"
#include "platform/Random.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/JpegImage.h"
#include "platform/gui/PictureControl.h"
#include "util/TmyGraph.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <set>
#include <vector>

using namespace platform;

Q_DECLARE_METATYPE(TGradientStyle)
Q_DECLARE_METATYPE(TRect)

namespace {

constexpr TColor background = 0x00FF00FF; // magenta: no gradient under test uses it

// A canvas cleared to the background colour, read back in the image's own pixels.
struct Sheet {
    TBitmap bitmap;
    Sheet(int w, int h)
    {
        bitmap.SetSize(w, h);
        canvas().Brush.Color = background;
        canvas().FillRect(canvas().ClipRect());
        canvas().Brush.Color = clWhite;
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) const { return fromQRgb(bitmap.image().pixel(x, y)); }
    // Pixels of the given colour inside r, and pixels drawn outside r.
    int countInside(const TRect& r, TColor colour) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += at(x, y) == colour;
        return n;
    }
    int drawnOutside(const TRect& r) const
    {
        int n = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (x < r.Left || x >= r.Right || y < r.Top || y >= r.Bottom)
                    n += at(x, y) != background;
        return n;
    }
};

const std::vector<std::pair<const char*, TGradientStyle>>& allStyles()
{
    static const std::vector<std::pair<const char*, TGradientStyle>> styles = {
        {"gsHorizontal1", TGradientStyle::gsHorizontal1}, {"gsHorizontal2", TGradientStyle::gsHorizontal2},
        {"gsHorizontal3", TGradientStyle::gsHorizontal3}, {"gsVertical1", TGradientStyle::gsVertical1},
        {"gsVertical2", TGradientStyle::gsVertical2},     {"gsVertical3", TGradientStyle::gsVertical3},
        {"gsElliptic1", TGradientStyle::gsElliptic1},     {"gsElliptic2", TGradientStyle::gsElliptic2},
        {"gsElliptic3", TGradientStyle::gsElliptic3},     {"gsRectangle", TGradientStyle::gsRectangle},
        {"gsDiamond1", TGradientStyle::gsDiamond1},       {"gsDiamond2", TGradientStyle::gsDiamond2},
        {"gsTopLeft", TGradientStyle::gsTopLeft},         {"gsTopRight", TGradientStyle::gsTopRight},
    };
    return styles;
}

void addStyleColumn()
{
    QTest::addColumn<TGradientStyle>("style");
    for (const auto& [name, style] : allStyles())
        QTest::newRow(name) << style;
}

QString writeImageFile(const QTemporaryDir& dir, const QString& name, int w, int h, QColor colour, const char* format)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = dir.filePath(name);
    return image.save(path, format) ? path : QString();
}

bool near(TColor a, QColor b, int tolerance)
{
    return std::abs(GetRValue(a) - b.red()) <= tolerance && std::abs(GetGValue(a) - b.green()) <= tolerance &&
           std::abs(GetBValue(a) - b.blue()) <= tolerance;
}

} // namespace

class TestGraph : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void darkerAndLighter_data();
    void darkerAndLighter();
    void randomColourIsOneOfSix();

    void horizontalBandsRowByRow_data();
    void horizontalBandsRowByRow();
    void lastBandFillsOnlyTheRowsLeft();
    void verticalBandsColumnByColumn();
    void rectangleStyleCentreAndCorners();
    void diamondsEndWithTheCentreInColFrom_data();
    void diamondsEndWithTheCentreInColFrom();
    void mirroredStylesPutColFromOnTheirAxis();
    void equalColoursFillInEveryStyle_data();
    void equalColoursFillInEveryStyle();
    void everyStyleCoversOnlyItsRectangle_data();
    void everyStyleCoversOnlyItsRectangle();
    void onePixelAndClippedRectanglesInEveryStyle_data();
    void onePixelAndClippedRectanglesInEveryStyle();
    void emptyRectanglesFailOrDrawNothing_data();
    void emptyRectanglesFailOrDrawNothing();
    void gradientXYFramesAndLeavesAWhiteBrush();

    void grayScaleWeights_data();
    void grayScaleWeights();
    void thumbnailsShrinkAndCentre_data();
    void thumbnailsShrinkAndCentre();
    void thumbnailOfHeightZeroFailsBeforeDrawing();
    void fileExistAndGraph_data();
    void fileExistAndGraph();

private:
    QTemporaryDir dir_;
};

void TestGraph::darkerAndLighter_data()
{
    QTest::addColumn<bool>("darker");
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<int>("percent");
    QTest::addColumn<TColor>("expected");
    QTest::newRow("darker yellow 30") << true << TColor{0x00FFFF} << 30 << TColor{0x00B2B2};
    QTest::newRow("darker yellow 10") << true << TColor{0x00FFFF} << 10 << TColor{0x00E5E5};
    QTest::newRow("darker lime 30") << true << TColor{0x00FF00} << 30 << TColor{0x00B200};
    QTest::newRow("darker red 30") << true << TColor{0x0000FF} << 30 << TColor{0x0000B2};
    QTest::newRow("darker silver 30") << true << TColor{0xC0C0C0} << 30 << TColor{0x868686};
    QTest::newRow("lighter navy 50") << false << TColor{0x800000} << 50 << TColor{0xC08080};
    QTest::newRow("darker 0 unchanged") << true << TColor{0x123456} << 0 << TColor{0x123456};
    QTest::newRow("lighter 0 unchanged") << false << TColor{0x123456} << 0 << TColor{0x123456};
    QTest::newRow("darker 100 black") << true << TColor{0x80FF17} << 100 << TColor{0x000000};
    QTest::newRow("lighter 100 white") << false << TColor{0x80FF17} << 100 << TColor{0xFFFFFF};
    QTest::newRow("top byte dropped") << true << TColor{0x1FFFFFFF} << 0 << TColor{0xFFFFFF};
    QTest::newRow("darker above 100 wraps") << true << TColor{0x000064} << 200 << TColor{0x00009C};
    QTest::newRow("lighter above 100 wraps") << false << TColor{0x000000} << 200 << TColor{0xFEFEFE};
}

void TestGraph::darkerAndLighter()
{
    QFETCH(bool, darker);
    QFETCH(TColor, colour);
    QFETCH(int, percent);
    QFETCH(TColor, expected);
    const auto p = static_cast<std::uint8_t>(percent);
    QCOMPARE(darker ? TmyGraph::Darker(colour, p) : TmyGraph::Lighter(colour, p), expected);
}

void TestGraph::randomColourIsOneOfSix()
{
    QPalette palette = QGuiApplication::palette();
    const QPalette saved = palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(200, 100, 50));
    QGuiApplication::setPalette(palette);
    const TColor darkFace = TmyGraph::Darker(clBtnFace, 50);
    QGuiApplication::setPalette(saved);
    QCOMPARE(darkFace, RGB(100, 50, 25));

    RandSeed(7);
    std::set<TColor> seen;
    for (int i = 0; i < 600; ++i)
        seen.insert(TmyGraph::randomcolor());
    QCOMPARE(seen, (std::set<TColor>{0x00FF00, 0x0000FF, 0xFF0000, 0x008000, 0x808000, 0xC0C0C0}));
}

void TestGraph::horizontalBandsRowByRow_data()
{
    QTest::addColumn<TColor>("from");
    QTest::addColumn<TColor>("to");
    QTest::addColumn<QList<int>>("levels"); // red and green of rows 0, 1, ...
    QTest::newRow("17 rows, ordered-time bar")
        << TColor{0x00B2B2} << TColor{0x00FFFF}
        << QList<int>{178, 182, 187, 191, 196, 200, 205, 209, 214, 218, 223, 227, 232, 236, 241, 245, 250};
    QList<int> tag;
    for (int v = 229; v <= 253; ++v)
        tag << v;
    QTest::newRow("25 rows, value tag") << TColor{0x00E5E5} << TColor{0x00FFFF} << tag;
}

void TestGraph::horizontalBandsRowByRow()
{
    QFETCH(TColor, from);
    QFETCH(TColor, to);
    QFETCH(QList<int>, levels);
    Sheet sheet(60, 40);
    const TRect r = Rect(7, 5, 47, 5 + static_cast<int>(levels.size()));
    TmyGraph::Gradient(sheet.canvas(), r, from, to, TGradientStyle::gsHorizontal1);
    for (int i = 0; i < levels.size(); ++i) {
        const auto v = static_cast<std::uint8_t>(levels[i]);
        QCOMPARE(sheet.at(7, 5 + i), RGB(v, v, 0));
        QCOMPARE(sheet.at(46, 5 + i), RGB(v, v, 0));
    }
    QCOMPARE(sheet.drawnOutside(r), 0);
}

void TestGraph::lastBandFillsOnlyTheRowsLeft()
{
    // S = 30 over 100 rows: bands of 3 rows, n = 33, 34 bands; band 33 is row 99 alone.
    Sheet sheet(10, 110);
    const TRect r = Rect(2, 4, 8, 104);
    TmyGraph::Gradient(sheet.canvas(), r, RGB(0, 0, 0), RGB(30, 0, 0), TGradientStyle::gsHorizontal1);
    QCOMPARE(sheet.at(2, 4 + 0), RGB(0, 0, 0));
    QCOMPARE(sheet.at(2, 4 + 6), RGB(1, 0, 0));
    QCOMPARE(sheet.at(2, 4 + 8), RGB(1, 0, 0));
    for (int row = 96; row <= 98; ++row)
        QCOMPARE(sheet.at(5, 4 + row), RGB(29, 0, 0));
    QCOMPARE(sheet.at(5, 4 + 99), RGB(30, 0, 0));
    QCOMPARE(sheet.drawnOutside(r), 0);
}

void TestGraph::verticalBandsColumnByColumn()
{
    Sheet sheet(30, 10);
    const TRect r = Rect(3, 2, 20, 9);
    TmyGraph::Gradient(sheet.canvas(), r, 0x00B2B2, 0x00FFFF, TGradientStyle::gsVertical1);
    const QList<int> levels{178, 182, 187, 191, 196, 200, 205, 209, 214, 218, 223, 227, 232, 236, 241, 245, 250};
    for (int i = 0; i < levels.size(); ++i) {
        const auto v = static_cast<std::uint8_t>(levels[i]);
        QCOMPARE(sheet.at(3 + i, 2), RGB(v, v, 0));
        QCOMPARE(sheet.at(3 + i, 8), RGB(v, v, 0));
    }
    QCOMPARE(sheet.drawnOutside(r), 0);
}

void TestGraph::rectangleStyleCentreAndCorners()
{
    Sheet sheet(120, 120);
    const TRect r = Rect(10, 10, 110, 110);
    TmyGraph::Gradient(sheet.canvas(), r, 0x0000B2, 0x0000FF, TGradientStyle::gsRectangle);
    QCOMPARE(sheet.at(10 + 50, 10 + 50), TColor{0x0000B2});
    QCOMPARE(sheet.at(10 + 0, 10 + 0), TColor{0x0000FF});
    QCOMPARE(sheet.at(10 + 99, 10 + 0), TColor{0x0000FF});
    QCOMPARE(sheet.at(10 + 0, 10 + 99), TColor{0x0000FF});
    QCOMPARE(sheet.at(10 + 99, 10 + 99), TColor{0x0000FD});
    QCOMPARE(sheet.countInside(r, background), 0);
    QCOMPARE(sheet.drawnOutside(r), 0);
}

void TestGraph::diamondsEndWithTheCentreInColFrom_data()
{
    QTest::addColumn<TGradientStyle>("style");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    for (const auto& [w, h] : {std::pair{100, 100}, {943, 316}, {7, 3}, {1, 1}, {2, 9}}) {
        QTest::addRow("gsDiamond1 %dx%d", w, h) << TGradientStyle::gsDiamond1 << w << h;
        QTest::addRow("gsDiamond2 %dx%d", w, h) << TGradientStyle::gsDiamond2 << w << h;
    }
}

void TestGraph::diamondsEndWithTheCentreInColFrom()
{
    QFETCH(TGradientStyle, style);
    QFETCH(int, w);
    QFETCH(int, h);
    Sheet sheet(w + 4, h + 4);
    const TRect r = Rect(2, 2, 2 + w, 2 + h);
    TmyGraph::Gradient(sheet.canvas(), r, 0x102030, 0xF0E0D0, style);
    QCOMPARE(sheet.at(2 + w / 2, 2 + h / 2), TColor{0x102030});
    if (style == TGradientStyle::gsDiamond1 && w * h > 1) // the outer diamond leaves the corners in ColTo
        QCOMPARE(sheet.at(2, 2), TColor{0xF0E0D0});
    QCOMPARE(sheet.countInside(r, background), 0);
    QCOMPARE(sheet.drawnOutside(r), 0);
}

void TestGraph::mirroredStylesPutColFromOnTheirAxis()
{
    // gsHorizontal3 on 50 rows: n = 34, m = 16; ColFrom on row 16 and ColTo at the bottom.
    Sheet third(10, 50);
    TmyGraph::Gradient(third.canvas(), Rect(0, 0, 10, 50), RGB(0, 0, 0), RGB(0, 68, 0), TGradientStyle::gsHorizontal3);
    QCOMPARE(third.at(4, 16), RGB(0, 0, 0));
    QCOMPARE(third.at(4, 15), RGB(0, 2, 0));
    QCOMPARE(third.at(4, 17), RGB(0, 2, 0));
    QCOMPARE(third.at(4, 0), RGB(0, 32, 0)); // step 16, about half-way
    QCOMPARE(third.at(4, 49), RGB(0, 66, 0)); // step 33 of 34

    // gsVertical2 on 9 columns: ColFrom in the middle column, ColTo at both edges.
    Sheet middle(9, 3);
    TmyGraph::Gradient(middle.canvas(), Rect(0, 0, 9, 3), RGB(0, 0, 0), RGB(0, 0, 80), TGradientStyle::gsVertical2);
    QCOMPARE(middle.at(4, 1), RGB(0, 0, 0));
    QCOMPARE(middle.at(0, 1), RGB(0, 0, 80));
    QCOMPARE(middle.at(8, 1), RGB(0, 0, 80));
    QCOMPARE(middle.at(2, 1), middle.at(6, 1));
}

void TestGraph::equalColoursFillInEveryStyle_data()
{
    addStyleColumn();
}

void TestGraph::equalColoursFillInEveryStyle()
{
    QFETCH(TGradientStyle, style);
    Sheet sheet(50, 30);
    const TRect r = Rect(3, 4, 40, 25);
    TmyGraph::Gradient(sheet.canvas(), r, 0x336699, 0x336699, style);
    QCOMPARE(sheet.countInside(r, 0x336699), 37 * 21);
    QCOMPARE(sheet.drawnOutside(r), 0);
}

void TestGraph::everyStyleCoversOnlyItsRectangle_data()
{
    addStyleColumn();
}

void TestGraph::everyStyleCoversOnlyItsRectangle()
{
    QFETCH(TGradientStyle, style);
    Sheet sheet(960, 330);
    TCanvas& c = sheet.canvas();
    c.Pen.Color = clRed;
    c.Pen.Width = 3;
    c.Brush.Color = clAqua;
    c.Brush.Style = TBrushStyle::bsClear;
    c.Font.Size = 20;
    c.MoveTo(5, 6);
    const TRect r = Rect(9, 7, 9 + 943, 7 + 316);
    TmyGraph::Gradient(c, r, 0x0000B2, 0xFFFF00, style);

    QCOMPARE(sheet.drawnOutside(r), 0);
    QCOMPARE(sheet.countInside(r, background), 0);
    QCOMPARE(c.Pen.Color, clRed);
    QCOMPARE(c.Pen.Width, 3);
    QCOMPARE(c.Brush.Color, clAqua);
    QCOMPARE(c.Brush.Style, TBrushStyle::bsClear);
    QCOMPARE(c.Font.Size, 20);
    QCOMPARE(c.PenPos(), (TPoint{5, 6}));
}

void TestGraph::onePixelAndClippedRectanglesInEveryStyle_data()
{
    addStyleColumn();
}

void TestGraph::onePixelAndClippedRectanglesInEveryStyle()
{
    QFETCH(TGradientStyle, style);
    Sheet tiny(3, 3);
    TmyGraph::Gradient(tiny.canvas(), Rect(1, 1, 2, 2), 0x0000B2, 0x00FFFF, style);
    QVERIFY(tiny.at(1, 1) != background);
    QCOMPARE(tiny.drawnOutside(Rect(1, 1, 2, 2)), 0);

    // Hanging over every edge: the part on the canvas matches the same gradient drawn whole.
    Sheet whole(120, 90);
    TmyGraph::Gradient(whole.canvas(), Rect(0, 0, 120, 90), 0x0000B2, 0xFFFF00, style);
    Sheet clipped(60, 30);
    TmyGraph::Gradient(clipped.canvas(), Rect(-30, -40, 90, 50), 0x0000B2, 0xFFFF00, style);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            QCOMPARE(clipped.at(x, y), whole.at(x + 30, y + 40));
}

void TestGraph::emptyRectanglesFailOrDrawNothing_data()
{
    QTest::addColumn<TGradientStyle>("style");
    QTest::addColumn<TRect>("rect");
    QTest::addColumn<QString>("failure"); // empty: no failure
    for (const auto& [name, style] : allStyles()) {
        QString zeroHeight, zeroWidth, both;
        if (style == TGradientStyle::gsHorizontal1)
            zeroHeight = QStringLiteral("EDivByZero");
        if (style == TGradientStyle::gsVertical1)
            zeroWidth = QStringLiteral("EDivByZero");
        if (style == TGradientStyle::gsTopLeft || style == TGradientStyle::gsTopRight)
            both = QStringLiteral("EInvalidOp");
        if (style == TGradientStyle::gsHorizontal1 || style == TGradientStyle::gsVertical1)
            both = QStringLiteral("EDivByZero");
        QTest::addRow("%s height 0", name) << style << Rect(2, 3, 9, 3) << zeroHeight;
        QTest::addRow("%s width 0", name) << style << Rect(4, 1, 4, 8) << zeroWidth;
        QTest::addRow("%s 0 x 0", name) << style << Rect(5, 5, 5, 5) << both;
    }
}

void TestGraph::emptyRectanglesFailOrDrawNothing()
{
    QFETCH(TGradientStyle, style);
    QFETCH(TRect, rect);
    QFETCH(QString, failure);
    Sheet sheet(12, 12);
    QString raised;
    try {
        TmyGraph::Gradient(sheet.canvas(), rect, 0x0000B2, 0x00FFFF, style);
    } catch (const EDivByZero&) {
        raised = QStringLiteral("EDivByZero");
    } catch (const EInvalidOp&) {
        raised = QStringLiteral("EInvalidOp");
    }
    QCOMPARE(raised, failure);
    QCOMPARE(sheet.drawnOutside(Rect(0, 0, 0, 0)), 0);
}

void TestGraph::gradientXYFramesAndLeavesAWhiteBrush()
{
    Sheet sheet(40, 30);
    sheet.canvas().Brush.Color = clRed;
    TmyGraph::GradientXY(sheet.canvas(), 5, 4, 30, 21, 0x00E5E5, 0x00FFFF, TGradientStyle::gsHorizontal1);
    QCOMPARE(sheet.canvas().Brush.Color, clWhite);
    for (int x = 5; x < 30; ++x) {
        QCOMPARE(sheet.at(x, 4), clBlack);
        QCOMPARE(sheet.at(x, 20), clBlack);
    }
    for (int y = 4; y < 21; ++y) {
        QCOMPARE(sheet.at(5, y), clBlack);
        QCOMPARE(sheet.at(29, y), clBlack);
    }
    QCOMPARE(sheet.at(6, 5), RGB(230, 230, 0)); // row 1 of 17 from 229 to 255
    QCOMPARE(sheet.drawnOutside(Rect(5, 4, 30, 21)), 0);
}

void TestGraph::grayScaleWeights_data()
{
    QTest::addColumn<TColor>("colour");
    QTest::addColumn<int>("grey");
    QTest::newRow("red") << clRed << 76;
    QTest::newRow("green") << clLime << 149;
    QTest::newRow("blue") << clBlue << 28;
    QTest::newRow("white") << clWhite << 255;
    QTest::newRow("black") << clBlack << 0;
    QTest::newRow("mixed") << RGB(10, 100, 200) << (77 * 10 + 150 * 100 + 29 * 200) / 256;
}

void TestGraph::grayScaleWeights()
{
    QFETCH(TColor, colour);
    QFETCH(int, grey);
    TBitmap bitmap;
    bitmap.SetSize(3, 2);
    bitmap.Canvas().Brush.Color = colour;
    bitmap.Canvas().FillRect(bitmap.Canvas().ClipRect());
    TmyGraph::GrayScale(bitmap);
    QCOMPARE(bitmap.PixelFormat(), TPixelFormat::pf24bit);
    for (int y = 0; y < 2; ++y) {
        const std::uint8_t* row = bitmap.ScanLine(y);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(int(row[i]), grey);
    }

    TBitmap empty;
    TmyGraph::GrayScale(empty);
    QCOMPARE(empty.Width(), 0);
}

void TestGraph::thumbnailsShrinkAndCentre_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("placed");
    for (const QString& kind : {QStringLiteral("jpeg"), QStringLiteral("bmp")}) {
        QTest::addRow("%s 1600 x 1200", qPrintable(kind)) << kind << QSize(1600, 1200) << QRect(0, 25, 200, 150);
        QTest::addRow("%s 1200 x 1600", qPrintable(kind)) << kind << QSize(1200, 1600) << QRect(25, 0, 150, 200);
        QTest::addRow("%s 100 x 50", qPrintable(kind)) << kind << QSize(100, 50) << QRect(50, 75, 100, 50);
    }
}

void TestGraph::thumbnailsShrinkAndCentre()
{
    QFETCH(QString, kind);
    QFETCH(QSize, picture);
    QFETCH(QRect, placed);
    const QColor colour(20, 90, 200);
    const QString name = QStringLiteral("%1x%2.%3").arg(picture.width()).arg(picture.height()).arg(kind);
    const QString path = writeImageFile(dir_, name, picture.width(), picture.height(), colour,
                                        kind == u"jpeg" ? "JPEG" : "BMP");
    QVERIFY(!path.isEmpty());

    TImage control;
    control.resize(200, 200);
    control.Canvas().Brush.Color = clRed; // whatever the picture held before is cleared
    control.Canvas().FillRect(Rect(0, 0, 200, 200));
    if (kind == u"jpeg") {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(path);
        QCOMPARE(QSize(jpeg.Width(), jpeg.Height()), picture);
        TmyGraph::miniaturka(jpeg, control, clYellow);
    } else {
        TBitmap bmp;
        bmp.LoadFromFile(path);
        QCOMPARE(QSize(bmp.Width(), bmp.Height()), picture);
        TmyGraph::miniaturkabmp(bmp, control, clYellow);
    }

    const TCanvas& c = control.Canvas();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x) {
            const TColor p = c.Pixels(x, y);
            if (placed.contains(x, y))
                QVERIFY2(near(p, colour, 6), qPrintable(QStringLiteral("picture at %1,%2").arg(x).arg(y)));
            else
                QVERIFY2(p == clYellow, qPrintable(QStringLiteral("background at %1,%2").arg(x).arg(y)));
        }

    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const QImage shown = control.grab().toImage();
    QVERIFY(near(fromQRgb(shown.pixel(placed.center())), colour, 6));
    QCOMPARE(shown.pixel(placed.left() == 0 ? 100 : 0, placed.left() == 0 ? 0 : 100), qRgb(255, 255, 0));
}

void TestGraph::thumbnailOfHeightZeroFailsBeforeDrawing()
{
    TBitmap nothing;
    TImage control;
    control.resize(20, 20);
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, TmyGraph::miniaturkabmp(nothing, control, clYellow));
    QVERIFY(!control.Picture());
    TJPEGImage empty;
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, TmyGraph::miniaturka(empty, control, clYellow));
    QVERIFY(!control.Picture());
}

void TestGraph::fileExistAndGraph_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::newRow("photo.jpg") << "photo.jpg" << true;
    QTest::newRow("PHOTO.JPEG") << "PHOTO.JPEG" << true;
    QTest::newRow("scan.Bmp") << "scan.Bmp" << true;
    QTest::newRow("photo.png") << "photo.png" << false;
    QTest::newRow("no extension") << "photo" << false;
    QTest::newRow("folder named pictures.jpg") << "pictures.jpg" << false;
    QTest::newRow("missing file") << "absent.jpg" << false;
    QTest::newRow("dot in the folder only") << "album.jpg/readme" << false;
    QTest::newRow("backslash separator") << "album.jpg\\inside.bmp" << true;
}

void TestGraph::fileExistAndGraph()
{
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QDir root(dir_.path());
    QVERIFY(root.mkpath(QStringLiteral("pictures.jpg")));
    QVERIFY(root.mkpath(QStringLiteral("album.jpg")));
    for (const char* file : {"photo.jpg", "PHOTO.JPEG", "scan.Bmp", "photo.png", "photo", "album.jpg/readme",
                             "album.jpg/inside.bmp"}) {
        QFile f(root.filePath(QString::fromLatin1(file)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(TmyGraph::FileExistAndGraph(root.path() + u'/' + name), expected);
}

QTEST_MAIN(TestGraph)
#include "tst_graph.moc"
