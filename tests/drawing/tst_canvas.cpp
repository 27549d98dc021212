#include "platform/Errors.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/JpegImage.h"
#include "platform/gui/PictureControl.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <climits>
#include <set>

using namespace platform;

namespace {

constexpr TColor background = 0x00FF00FF; // magenta: drawn by nothing under test
using PixelSet = std::set<std::pair<int, int>>;

// A bitmap of the given size cleared to the background colour.
struct Sheet {
    TBitmap bitmap;
    explicit Sheet(int w = 20, int h = 20)
    {
        bitmap.SetSize(w, h);
        canvas().Brush.Color = background;
        canvas().FillRect(canvas().ClipRect());
        canvas().Brush.Color = clWhite;
    }
    TCanvas& canvas() { return bitmap.Canvas(); }
    TColor at(int x, int y) // in the image's own pixels, whatever the canvas's origin
    {
        const QImage& image = bitmap.image();
        return image.valid(x, y) ? fromQRgb(image.pixel(x, y)) : TColor{0xFFFFFFFF};
    }
    PixelSet pixelsOf(TColor colour)
    {
        PixelSet found;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (at(x, y) == colour)
                    found.insert({x, y});
        return found;
    }
    PixelSet drawn() // every pixel no longer in the background colour
    {
        PixelSet found;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (at(x, y) != background)
                    found.insert({x, y});
        return found;
    }
};

PixelSet box(int x1, int y1, int x2, int y2) // columns x1..x2-1, rows y1..y2-1
{
    PixelSet s;
    for (int y = y1; y < y2; ++y)
        for (int x = x1; x < x2; ++x)
            s.insert({x, y});
    return s;
}

PixelSet points(std::initializer_list<std::pair<int, int>> list)
{
    return PixelSet(list);
}

} // namespace

Q_DECLARE_METATYPE(PixelSet)
Q_DECLARE_METATYPE(TRect)

class TestCanvas : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void colorToRGBResolvesSystemColoursFromThePalette();
    void fillRectCoverage_data();
    void fillRectCoverage();
    void frameRectDrawsTheInsideEdge_data();
    void frameRectDrawsTheInsideEdge();
    void rectangleOutlineAndInterior();
    void ellipseIsInscribedAndSymmetric_data();
    void ellipseIsInscribedAndSymmetric();
    void ellipseOutlineInPenColour();
    void linesLeaveOutTheirEndPoint_data();
    void linesLeaveOutTheirEndPoint();
    void polylineJoinsPointsWithoutTheLast();
    void farAwayCoordinatesAreClipped();
    void widePenStampsSquares();
    void pixelsOutsideReadAsInvalid();
    void originShiftsEveryOperation();
    void fontSizeIsInPointsAt96Dpi();
    void textBackgroundOpaqueOrTransparent();
    void stretchDrawCopiesOneToOneOrScales();
    void bitmapKeepsContentAndOffers24BitRows();
    void picturesThatAreNotPicturesFailToLoad();
    void pictureControlCreatesAWhitePictureOfItsSize();
};

void TestCanvas::colorToRGBResolvesSystemColoursFromThePalette()
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0x12, 0x34, 0x56));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0xAB, 0xCD, 0xEF));
    QGuiApplication::setPalette(palette);
    const TColor btnFace = ColorToRGB(clBtnFace);
    const TColor highlight = ColorToRGB(clHighlight);
    const TColor gap = ColorToRGB(clSystemColor | 25);
    QGuiApplication::setPalette(saved);

    QCOMPARE(btnFace, TColor{0x563412});
    QCOMPARE(highlight, TColor{0xEFCDAB});
    QCOMPARE(gap, clBlack);
    QCOMPARE(ColorToRGB(0x00123456), TColor{0x00123456});
    QCOMPARE(ColorToRGB(clNone), clNone);
}

void TestCanvas::fillRectCoverage_data()
{
    QTest::addColumn<TRect>("rect");
    QTest::addColumn<PixelSet>("expected");
    QTest::newRow("inside: right and bottom excluded") << Rect(2, 3, 5, 7) << box(2, 3, 5, 7);
    QTest::newRow("one pixel") << Rect(4, 4, 5, 5) << box(4, 4, 5, 5);
    QTest::newRow("empty width") << Rect(4, 4, 4, 9) << PixelSet{};
    QTest::newRow("inverted") << Rect(9, 9, 4, 4) << PixelSet{};
    QTest::newRow("over the top-left corner") << Rect(-5, -5, 2, 3) << box(0, 0, 2, 3);
    QTest::newRow("over the bottom-right corner") << Rect(18, 17, 40, 40) << box(18, 17, 20, 20);
    QTest::newRow("32-bit extremes") << Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX) << box(0, 0, 20, 20);
    QTest::newRow("wholly outside") << Rect(25, 0, 30, 5) << PixelSet{};
}

void TestCanvas::fillRectCoverage()
{
    QFETCH(TRect, rect);
    QFETCH(PixelSet, expected);
    Sheet sheet;
    sheet.canvas().Brush.Color = clRed;
    sheet.canvas().FillRect(rect);
    QCOMPARE(sheet.drawn(), expected);
    QCOMPARE(sheet.pixelsOf(clRed), expected);

    Sheet clear;
    clear.canvas().Brush.Style = TBrushStyle::bsClear;
    clear.canvas().FillRect(rect);
    QVERIFY(clear.drawn().empty());
}

void TestCanvas::frameRectDrawsTheInsideEdge_data()
{
    QTest::addColumn<TRect>("rect");
    QTest::addColumn<PixelSet>("expected");
    PixelSet frame = box(2, 2, 6, 5);
    for (const auto& p : box(3, 3, 5, 4))
        frame.erase(p);
    QTest::newRow("4 x 3") << Rect(2, 2, 6, 5) << frame;
    QTest::newRow("one column") << Rect(3, 1, 4, 4) << box(3, 1, 4, 4);
    QTest::newRow("empty") << Rect(3, 3, 3, 8) << PixelSet{};
    QTest::newRow("partly outside") << Rect(-3, 18, 2, 25) << points({{0, 18}, {1, 18}, {1, 19}});
}

void TestCanvas::frameRectDrawsTheInsideEdge()
{
    QFETCH(TRect, rect);
    QFETCH(PixelSet, expected);
    Sheet sheet;
    sheet.canvas().Brush.Color = clBlue;
    sheet.canvas().FrameRect(rect);
    QCOMPARE(sheet.drawn(), expected);
    QCOMPARE(sheet.pixelsOf(clBlue), expected);
}

void TestCanvas::rectangleOutlineAndInterior()
{
    Sheet sheet;
    TCanvas& c = sheet.canvas();
    c.Pen.Color = clBlack;
    c.Brush.Color = clYellow;
    c.Rectangle(7, 6, 2, 1); // corners in either order
    PixelSet outline = box(2, 1, 7, 6);
    const PixelSet inside = box(3, 2, 6, 5);
    for (const auto& p : inside)
        outline.erase(p);
    QCOMPARE(sheet.pixelsOf(clBlack), outline);
    QCOMPARE(sheet.pixelsOf(clYellow), inside);

    c.Brush.Style = TBrushStyle::bsClear;
    c.Pen.Color = clRed;
    c.Rectangle(10, 10, 15, 13);
    PixelSet hollow = box(10, 10, 15, 13);
    hollow.erase({11, 11});
    hollow.erase({12, 11});
    hollow.erase({13, 11});
    QCOMPARE(sheet.pixelsOf(clRed), hollow);
    QCOMPARE(sheet.at(12, 11), background);

    Sheet flat;
    flat.canvas().Rectangle(3, 3, 3, 10);
    QVERIFY(flat.drawn().empty());
}

void TestCanvas::ellipseIsInscribedAndSymmetric_data()
{
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("pixels"); // pixels drawn, pinned
    QTest::newRow("1 x 1") << 1 << 1 << 1;
    QTest::newRow("2 x 2") << 2 << 2 << 4;
    QTest::newRow("3 x 3") << 3 << 3 << 9;
    QTest::newRow("4 x 4") << 4 << 4 << 12;
    QTest::newRow("5 x 3") << 5 << 3 << 11;
    QTest::newRow("16 x 16") << 16 << 16 << 208;
    QTest::newRow("17 x 9") << 17 << 9 << 121;
}

void TestCanvas::ellipseIsInscribedAndSymmetric()
{
    QFETCH(int, w);
    QFETCH(int, h);
    QFETCH(int, pixels);
    Sheet sheet(30, 30);
    sheet.canvas().Pen.Color = sheet.canvas().Brush.Color = clGreen;
    sheet.canvas().Ellipse(3, 4, 3 + w, 4 + h);
    const PixelSet drawn = sheet.drawn();
    QCOMPARE(static_cast<int>(drawn.size()), pixels);
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (const auto& [x, y] : drawn) {
        minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
        QVERIFY(drawn.count({3 + 3 + w - 1 - x, y})); // mirrored left to right
        QVERIFY(drawn.count({x, 4 + 4 + h - 1 - y})); // and top to bottom
    }
    QCOMPARE(minX, 3);
    QCOMPARE(maxX, 3 + w - 1);
    QCOMPARE(minY, 4);
    QCOMPARE(maxY, 4 + h - 1);
}

void TestCanvas::ellipseOutlineInPenColour()
{
    Sheet sheet(30, 30);
    TCanvas& c = sheet.canvas();
    c.Pen.Color = clBlack;
    c.Brush.Color = clWhite;
    c.Ellipse(2, 2, 22, 14);
    const PixelSet outline = sheet.pixelsOf(clBlack);
    const PixelSet inside = sheet.pixelsOf(clWhite);
    QVERIFY(!inside.empty());
    // Every inside pixel has all four neighbours drawn; every outline pixel touches the outside.
    for (const auto& [x, y] : inside)
        for (const auto& n : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
            QVERIFY(sheet.at(n.first, n.second) != background);
    for (const auto& [x, y] : outline) {
        bool touches = false;
        for (const auto& n : {std::pair{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
            touches = touches || sheet.at(n.first, n.second) == background;
        QVERIFY2(touches, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
    QVERIFY(outline.count({2, 7}) && outline.count({21, 7}) && outline.count({11, 2}) && outline.count({11, 13}));
}

void TestCanvas::linesLeaveOutTheirEndPoint_data()
{
    QTest::addColumn<TPoint>("from");
    QTest::addColumn<TPoint>("to");
    QTest::addColumn<PixelSet>("expected");
    QTest::newRow("rightwards") << TPoint{1, 2} << TPoint{5, 2} << points({{1, 2}, {2, 2}, {3, 2}, {4, 2}});
    QTest::newRow("leftwards") << TPoint{5, 2} << TPoint{1, 2} << points({{5, 2}, {4, 2}, {3, 2}, {2, 2}});
    QTest::newRow("upwards") << TPoint{3, 4} << TPoint{3, 1} << points({{3, 4}, {3, 3}, {3, 2}});
    QTest::newRow("diagonal") << TPoint{0, 0} << TPoint{3, 3} << points({{0, 0}, {1, 1}, {2, 2}});
    QTest::newRow("shallow") << TPoint{0, 0} << TPoint{4, 2} << points({{0, 0}, {1, 1}, {2, 1}, {3, 2}});
    QTest::newRow("steep backwards") << TPoint{2, 4} << TPoint{0, 0} << points({{2, 4}, {1, 3}, {1, 2}, {0, 1}});
    QTest::newRow("zero length") << TPoint{3, 3} << TPoint{3, 3} << PixelSet{};
    QTest::newRow("from outside to the edge") << TPoint{-3, 1} << TPoint{0, 1} << PixelSet{};
    QTest::newRow("into the image") << TPoint{-2, 1} << TPoint{2, 1} << points({{0, 1}, {1, 1}});
    QTest::newRow("full width at the bottom") << TPoint{0, 19} << TPoint{20, 19} << box(0, 19, 20, 20);
}

void TestCanvas::linesLeaveOutTheirEndPoint()
{
    QFETCH(TPoint, from);
    QFETCH(TPoint, to);
    QFETCH(PixelSet, expected);
    Sheet sheet;
    sheet.canvas().Pen.Color = clNavy;
    sheet.canvas().MoveTo(from.X, from.Y);
    sheet.canvas().LineTo(to.X, to.Y);
    QCOMPARE(sheet.drawn(), expected);
    QCOMPARE(sheet.pixelsOf(clNavy), expected);
    QCOMPARE(sheet.canvas().PenPos(), to);
}

void TestCanvas::polylineJoinsPointsWithoutTheLast()
{
    Sheet sheet;
    sheet.canvas().MoveTo(15, 15);
    const std::array<TPoint, 5> diamond = {{{4, 1}, {7, 4}, {4, 7}, {1, 4}, {4, 1}}};
    sheet.canvas().Polyline(diamond);
    const PixelSet expected = points({{4, 1}, {5, 2}, {6, 3}, {7, 4}, {6, 5}, {5, 6}, {4, 7}, {3, 6}, {2, 5},
                                      {1, 4}, {2, 3}, {3, 2}});
    QCOMPARE(sheet.drawn(), expected);
    QCOMPARE(sheet.canvas().PenPos(), (TPoint{15, 15}));

    Sheet open;
    const std::array<TPoint, 3> corner = {{{1, 1}, {4, 1}, {4, 3}}};
    open.canvas().Polyline(corner);
    QCOMPARE(open.drawn(), points({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}));
}

void TestCanvas::farAwayCoordinatesAreClipped()
{
    Sheet sheet;
    TCanvas& c = sheet.canvas();
    c.MoveTo(INT32_MIN, 5);
    c.LineTo(INT32_MAX, 5);
    QCOMPARE(sheet.drawn(), box(0, 5, 20, 6));

    Sheet diagonal;
    diagonal.canvas().MoveTo(-1000000000, -1000000000);
    diagonal.canvas().LineTo(1000000000, 1000000000);
    PixelSet main;
    for (int i = 0; i < 20; ++i)
        main.insert({i, i});
    QCOMPARE(diagonal.drawn(), main);

    Sheet shapes;
    shapes.canvas().Ellipse(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    shapes.canvas().Rectangle(INT32_MIN, -5, INT32_MAX, 3);
    shapes.canvas().TextOut(INT32_MAX, INT32_MAX, QStringLiteral("far"));
    shapes.canvas().TextOut(INT32_MIN, 0, QStringLiteral("far"));
    const std::array<TPoint, 3> far = {{{INT32_MIN, INT32_MIN}, {INT32_MAX, 0}, {0, INT32_MAX}}};
    shapes.canvas().Polyline(far);
    QCOMPARE(static_cast<int>(shapes.drawn().size()), 400);
}

void TestCanvas::widePenStampsSquares()
{
    Sheet sheet;
    sheet.canvas().Pen.Width = 3;
    sheet.canvas().MoveTo(5, 5);
    sheet.canvas().LineTo(9, 5);
    QCOMPARE(sheet.drawn(), box(4, 4, 10, 7));

    Sheet frame;
    frame.canvas().Pen.Width = 2;
    frame.canvas().Pen.Color = clRed;
    frame.canvas().Brush.Color = clWhite;
    frame.canvas().Rectangle(0, 0, 8, 8);
    QCOMPARE(frame.pixelsOf(clWhite), box(2, 2, 6, 6));
    QCOMPARE(static_cast<int>(frame.pixelsOf(clRed).size()), 64 - 16);
}

void TestCanvas::pixelsOutsideReadAsInvalid()
{
    Sheet sheet;
    sheet.canvas().SetPixels(3, 4, 0x123456);
    sheet.canvas().SetPixels(-1, 4, clRed);
    sheet.canvas().SetPixels(20, 4, clRed);
    QCOMPARE(sheet.canvas().Pixels(3, 4), TColor{0x123456});
    QCOMPARE(sheet.drawn(), points({{3, 4}}));
    QCOMPARE(sheet.canvas().Pixels(-1, 0), TColor{0xFFFFFFFF});
    QCOMPARE(sheet.canvas().Pixels(0, 20), TColor{0xFFFFFFFF});
}

void TestCanvas::originShiftsEveryOperation()
{
    Sheet sheet;
    TCanvas& c = sheet.canvas();
    c.SetOrigin(10, 100);
    QCOMPARE(c.ClipRect(), Rect(10, 100, 30, 120));
    c.Brush.Color = clRed;
    c.FillRect(Rect(10, 100, 12, 101));
    c.MoveTo(12, 105);
    c.LineTo(15, 105);
    c.SetPixels(29, 119, clBlue);
    QCOMPARE(sheet.pixelsOf(clRed), box(0, 0, 2, 1));
    QCOMPARE(sheet.pixelsOf(clBlack), box(2, 5, 5, 6));
    QCOMPARE(c.Pixels(29, 119), clBlue);
    QCOMPARE(sheet.bitmap.image().pixel(19, 19), qRgb(0, 0, 255));
}

void TestCanvas::fontSizeIsInPointsAt96Dpi()
{
    TFont font;
    font.Name = QStringLiteral("arial");
    for (const auto& [points, pixels] : {std::pair{8, 11}, {9, 12}, {12, 16}}) {
        font.Size = points;
        QCOMPARE(font.toQFont().pixelSize(), pixels);
    }
    QCOMPARE(QFontInfo(font.toQFont()).family(), QStringLiteral("Liberation Sans"));

    Sheet sheet;
    sheet.canvas().Font = font;
    sheet.canvas().Font.Size = 9;
    const int h9 = sheet.canvas().TextHeight(QStringLiteral("Ag"));
    sheet.canvas().Font.Size = 18;
    QVERIFY(sheet.canvas().TextHeight(QStringLiteral("Ag")) > h9 * 3 / 2);
    QVERIFY(h9 >= 12 && h9 <= 16);
}

void TestCanvas::textBackgroundOpaqueOrTransparent()
{
    const QString text = QStringLiteral("Ag");
    Sheet opaque(40, 30);
    TCanvas& c = opaque.canvas();
    c.Font.Color = clBlack;
    c.Brush.Color = clYellow;
    c.TextOut(3, 4, text);
    const int w = c.TextWidth(text), h = c.TextHeight(text);
    PixelSet cell = box(3, 4, 3 + w, 4 + h);
    QCOMPARE(opaque.drawn(), cell);
    const auto glyphs = opaque.pixelsOf(clBlack);
    QVERIFY(!glyphs.empty());
    QCOMPARE(glyphs.size() + opaque.pixelsOf(clYellow).size(), cell.size()); // aliased: two colours only
    QCOMPARE(c.PenPos(), (TPoint{3 + w, 4}));

    Sheet transparent(40, 30);
    transparent.canvas().TextBackground = TTextBackground::Transparent;
    transparent.canvas().Font.Color = clBlack;
    transparent.canvas().TextOut(3, 4, text);
    QCOMPARE(transparent.drawn(), glyphs);
}

void TestCanvas::stretchDrawCopiesOneToOneOrScales()
{
    QImage source(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            source.setPixel(x, y, qRgb(10 * x, 20 * y, 7));
    Sheet sheet;
    sheet.canvas().StretchDraw(Rect(4, 5, 7, 7), source);
    QCOMPARE(sheet.drawn(), box(4, 5, 7, 7));
    QCOMPARE(sheet.at(6, 6), RGB(20, 20, 7));

    Sheet clipped;
    clipped.canvas().StretchDraw(Rect(-2, 19, 1, 21), source);
    QCOMPARE(clipped.drawn(), points({{0, 19}}));
    QCOMPARE(clipped.at(0, 19), RGB(20, 0, 7));

    QImage plain(5, 5, QImage::Format_RGB32);
    plain.fill(qRgb(0, 0, 200));
    Sheet scaled;
    scaled.canvas().StretchDraw(Rect(2, 3, 17, 9), plain);
    QCOMPARE(scaled.drawn(), box(2, 3, 17, 9));
    QCOMPARE(scaled.pixelsOf(RGB(0, 0, 200)), box(2, 3, 17, 9));

    Sheet huge;
    huge.canvas().StretchDraw(Rect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), plain);
    QCOMPARE(huge.pixelsOf(RGB(0, 0, 200)), box(0, 0, 20, 20));
}

void TestCanvas::bitmapKeepsContentAndOffers24BitRows()
{
    TBitmap bitmap;
    QCOMPARE(bitmap.Width(), 0);
    bitmap.SetSize(3, 2);
    QCOMPARE(bitmap.Canvas().Pixels(2, 1), clWhite);
    bitmap.Canvas().SetPixels(1, 1, RGB(1, 2, 3));
    bitmap.SetWidth(5);
    QCOMPARE(bitmap.Canvas().Pixels(1, 1), RGB(1, 2, 3));
    QCOMPARE(bitmap.Canvas().Pixels(4, 1), clWhite);
    QCOMPARE(bitmap.Canvas().ClipRect(), Rect(0, 0, 5, 2));

    bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    const std::uint8_t* row = bitmap.ScanLine(1);
    QCOMPARE((std::array<int, 3>{row[3], row[4], row[5]}), (std::array<int, 3>{3, 2, 1}));
    bitmap.Canvas().SetPixels(0, 0, RGB(9, 8, 7));
    QCOMPARE(int(bitmap.ScanLine(0)[0]), 7);
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, bitmap.ScanLine(2));
    QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, bitmap.ScanLine(-1));

    bitmap.SetSize(-4, 7);
    QCOMPARE(bitmap.Width(), 0);
    QCOMPARE(bitmap.Height(), 0);
}

void TestCanvas::picturesThatAreNotPicturesFailToLoad()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString text = dir.filePath(QStringLiteral("notes.jpg"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();
    const QString png = dir.filePath(QStringLiteral("really-png.jpg"));
    QImage small(4, 4, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(png, "PNG"));

    for (const QString& path : {text, png, dir.filePath(QStringLiteral("missing.jpg")), dir.path()}) {
        TJPEGImage jpeg;
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, jpeg.LoadFromFile(path));
        QVERIFY(jpeg.Empty());
        TBitmap bmp;
        bmp.SetSize(2, 2);
        QVERIFY_THROWS_EXCEPTION(EInvalidGraphic, bmp.LoadFromFile(path));
        QCOMPARE(bmp.Width(), 2);
    }
    try {
        TJPEGImage jpeg;
        jpeg.LoadFromFile(text);
    } catch (const EInvalidGraphic& e) {
        QVERIFY(e.message().contains(text));
    }
}

void TestCanvas::pictureControlCreatesAWhitePictureOfItsSize()
{
    TImage control;
    control.resize(30, 12);
    QVERIFY(!control.Picture());
    TCanvas& c = control.Canvas();
    QVERIFY(control.Picture());
    QCOMPARE(control.Picture()->Width(), 30);
    QCOMPARE(control.Picture()->Height(), 12);
    QCOMPARE(c.Pen.Color, clBlack);
    QCOMPARE(c.Pen.Width, 1);
    QCOMPARE(c.Brush.Color, clWhite);
    QCOMPARE(c.Brush.Style, TBrushStyle::bsSolid);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 30; ++x)
            QCOMPARE(c.Pixels(x, y), clWhite);

    control.resize(50, 50); // the picture keeps its size, as it has one already
    QCOMPARE(&control.Canvas(), &c);
    QCOMPARE(control.Picture()->Width(), 30);

    c.Rectangle(1, 1, 1300, 1300);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    const QImage shown = control.grab().toImage();
    QCOMPARE(QColor(shown.pixel(1, 5)), QColor(Qt::black));
    QCOMPARE(QColor(shown.pixel(5, 5)), QColor(Qt::white));
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
