#include "tst_widgets.h"

#include "platform/Errors.h"
#include "platform/Message.h"
#include "platform/Shell.h"
#include "platform/gui/AdvSpinEdit.h"
#include "platform/gui/HTMLComboBox.h"
#include "platform/gui/HTMLabel.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/OfficeStatusBar.h"
#include "platform/gui/Shape.h"
#include "platform/gui/SmoothGauge.h"
#include "platform/gui/SpinEdit.h"
#include "platform/gui/XiButton.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <cmath>
#include <stdexcept>

using namespace platform;

namespace {

QFont arial(int pixels)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    return f;
}

// Pictures for a person to look at, next to the test program.
void saveLook(QWidget& widget, const QString& name)
{
    widget.grab().save(QCoreApplication::applicationDirPath() + u"/look-"_qs + name + u".png"_qs);
}

struct ShellRecorder {
    QList<QUrl> urls;
    ScopedShellOpenHandler scope{[this](const QUrl& url) {
        urls << url;
        return true;
    }};
};

struct MessageRecorder {
    QStringList texts;
    ScopedMessageHandler scope{[this](const QString& text) { texts << text; }};
};

bool isReddish(QColor c) { return c.red() > 180 && c.green() < 110 && c.blue() < 110; }
bool isYellowish(QColor c) { return c.red() > 200 && c.green() > 160 && c.blue() < 90; }
bool isGreenish(QColor c) { return c.green() > 130 && c.red() < 110 && c.blue() < 130; }

QRect spinButtonRect(const QAbstractSpinBox& box, QStyle::SubControl which)
{
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.subControls = QStyle::SC_All;
    option.frame = box.hasFrame();
    option.buttonSymbols = box.buttonSymbols();
    option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    return box.style()->subControlRect(QStyle::CC_SpinBox, &option, which, &box);
}

// A minute field as the main window has it.
template <class Edit>
Edit* addField(QWidget* host, QRect geometry)
{
    auto* edit = new Edit(host);
    edit->setGeometry(geometry);
    edit->setFlat(true);
    edit->show();
    return edit;
}

void focusAndWait(QWidget* widget)
{
    widget->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(widget->window()));
    widget->setFocus(Qt::OtherFocusReason);
    QTRY_VERIFY(widget->hasFocus());
}

void typeOver(QWidget* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

void TestWidgets::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
}

void TestWidgets::cleanupTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestWidgets::init()
{
    host_ = std::make_unique<QWidget>();
    host_->setFont(arial(12));
    host_->resize(640, 360);
    host_->setAutoFillBackground(true);
    host_->setPalette(QPalette(Qt::white));
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
}

void TestWidgets::cleanup()
{
    host_.reset();
}

void TestWidgets::spinEditReadsItsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("a number") << u"480"_qs << 480;
    QTest::newRow("empty reads the minimum") << QString() << 1;
    QTest::newRow("a lone sign reads the minimum") << u"-"_qs << 1;
    QTest::newRow("not a number reads the minimum") << u"1-2"_qs << 1;
    QTest::newRow("below the range is not clamped") << u"0"_qs << 0;
    QTest::newRow("negative") << u"-5"_qs << -5;
    QTest::newRow("above the range is not clamped") << u"12345678"_qs << 12345678;
    QTest::newRow("plus sign and blanks") << u" +7 "_qs << 7;
    QTest::newRow("beyond 32 bits saturates") << u"99999999999"_qs << INT32_MAX;
    QTest::newRow("beyond 64 bits saturates") << u"-99999999999999999999999"_qs << INT32_MIN;
}

void TestWidgets::spinEditReadsItsText()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    TSpinEdit edit;
    edit.setRange(1, 9999999);
    edit.setText(text);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.text(), text);
}

void TestWidgets::spinEditSetValueClampsAndSignalsRealChanges()
{
    TSpinEdit edit;
    edit.setRange(0, 9999999);
    edit.setValue(480);
    QSignalSpy changed(&edit, &TSpinEdit::changed);
    edit.setValue(480);
    QCOMPARE(changed.count(), 0);
    edit.setValue(20000000);
    QCOMPARE(edit.text(), u"9999999"_qs);
    edit.setValue(-3);
    QCOMPARE(edit.text(), u"0"_qs);
    edit.setValue(INT64_MAX);
    QCOMPARE(edit.text(), u"9999999"_qs);
    QCOMPARE(changed.count(), 3);

    TSpinEdit open; // equal limits leave the range open
    open.setValue(-123456789);
    QCOMPARE(open.value(), -123456789);
}

void TestWidgets::spinEditTypingSignalsEveryKeystroke()
{
    auto* edit = addField<TSpinEdit>(host_.get(), {10, 10, 77, 24});
    edit->setRange(0, 9999999);
    edit->setValue(480);
    focusAndWait(edit);
    QSignalSpy changed(edit, &TSpinEdit::changed);

    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), u"4"_qs);
    QTest::keyClicks(edit, u"25"_qs);
    QCOMPARE(edit->text(), u"425"_qs);
    QCOMPARE(changed.count(), 4);

    QTest::keyClicks(edit, u"a.x "_qs);
    QCOMPARE(edit->text(), u"425"_qs);
    QCOMPARE(changed.count(), 4);
}

void TestWidgets::spinEditStepsApplyTheRange()
{
    auto* edit = addField<TSpinEdit>(host_.get(), {10, 10, 77, 24});
    edit->setRange(1, 9999999);
    edit->setValue(2);
    focusAndWait(edit);
    QSignalSpy changed(edit, &TSpinEdit::changed);

    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), u"3"_qs);
    QTest::mouseClick(edit, Qt::LeftButton, {}, spinButtonRect(*edit, QStyle::SC_SpinBoxDown).center());
    QCOMPARE(edit->text(), u"2"_qs);
    QCOMPARE(changed.count(), 2);

    typeOver(edit, u"0"_qs);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->text(), u"1"_qs);
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->text(), u"1"_qs);

    typeOver(edit, u"12345678"_qs);
    QTest::mouseClick(edit, Qt::LeftButton, {}, spinButtonRect(*edit, QStyle::SC_SpinBoxUp).center());
    QCOMPARE(edit->text(), u"9999999"_qs);
    changed.clear();
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(changed.count(), 0);
}

void TestWidgets::spinEditFocusLossAppliesTheRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("below the minimum") << u"0"_qs << u"1"_qs;
    QTest::newRow("above the maximum") << u"12345678"_qs << u"9999999"_qs;
    QTest::newRow("within the range") << u"25"_qs << u"25"_qs;
    QTest::newRow("empty is left as typed") << QString() << QString();
}

void TestWidgets::spinEditFocusLossAppliesTheRange()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    auto* edit = addField<TSpinEdit>(host_.get(), {10, 10, 77, 24});
    edit->setRange(1, 9999999);
    edit->setValue(2);
    auto* next = addField<TSpinEdit>(host_.get(), {10, 40, 77, 24});
    focusAndWait(edit);
    typeOver(edit, typed);
    QSignalSpy changed(edit, &TSpinEdit::changed);

    QTest::keyClick(edit, Qt::Key_Tab);
    QTRY_VERIFY(next->hasFocus());
    QCOMPARE(edit->text(), shown);
    QCOMPARE(changed.count(), typed == shown ? 0 : 1);
}

void TestWidgets::spinEditHintFollowsShowHint()
{
    auto* edit = addField<TSpinEdit>(host_.get(), {10, 10, 77, 24});
    edit->setHint(u"08:00:00"_qs);
    const auto askForTip = [edit] {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(edit, &help);
    };
    askForTip();
    QVERIFY(QToolTip::text().isEmpty());
    edit->setShowHint(true);
    askForTip();
    QCOMPARE(QToolTip::text(), u"08:00:00"_qs);
    QToolTip::hideText();
}

void TestWidgets::advSpinEditShowsTwoDecimals_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("the default") << 2.0 << u"2,00"_qs;
    QTest::newRow("rounded to two decimals") << 2.125 << u"2,13"_qs;
    QTest::newRow("zero clamps to the minimum") << 0.0 << u"0,10"_qs;
    QTest::newRow("negative clamps to the minimum") << -5.0 << u"0,10"_qs;
    QTest::newRow("above the maximum") << 1e7 << u"999999,00"_qs;
    QTest::newRow("not a number clamps to the minimum") << std::nan("") << u"0,10"_qs;
}

void TestWidgets::advSpinEditShowsTwoDecimals()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    TAdvSpinEdit edit;
    edit.setValue(value);
    QCOMPARE(edit.text(), text);
}

void TestWidgets::advSpinEditReadsTheShownNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("locale separator") << u"3,75"_qs << 3.75;
    QTest::newRow("point also read") << u"3.75"_qs << 3.75;
    QTest::newRow("more decimals than shown") << u"2,555"_qs << 2.555;
    QTest::newRow("below the range is not clamped") << u"0"_qs << 0.0;
    QTest::newRow("empty reads 0") << QString() << 0.0;
    QTest::newRow("two separators is not a number") << u"1,2,3"_qs << 0.0;
}

void TestWidgets::advSpinEditReadsTheShownNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    TAdvSpinEdit edit;
    edit.setText(text);
    QCOMPARE(edit.value(), value);
}

void TestWidgets::advSpinEditStepsAndClampsOnFocusLoss()
{
    auto* edit = addField<TAdvSpinEdit>(host_.get(), {10, 10, 77, 24});
    edit->setValue(2.0);
    auto* next = addField<TSpinEdit>(host_.get(), {10, 40, 77, 24});
    focusAndWait(edit);
    QSignalSpy changed(edit, &TAdvSpinEdit::changed);

    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->text(), u"2,10"_qs);
    QTest::keyClick(edit, Qt::Key_PageUp);
    QCOMPARE(edit->text(), u"3,10"_qs);
    QTest::keyClick(edit, Qt::Key_PageDown);
    QTest::keyClick(edit, Qt::Key_PageDown);
    QTest::keyClick(edit, Qt::Key_PageDown);
    QCOMPARE(edit->text(), u"0,10"_qs);
    QTest::keyClick(edit, Qt::Key_PageDown);
    QCOMPARE(changed.count(), 5);

    typeOver(edit, u"0,05"_qs);
    QCOMPARE(edit->value(), 0.05);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTRY_VERIFY(next->hasFocus());
    QCOMPARE(edit->text(), u"0,10"_qs);

    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, QColor(0xFF, 0xCE, 0xB7));
    edit->setPalette(palette);
    edit->setValue(2.0);
    saveLook(*edit, u"adv-spin-edit"_qs);
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0x80));
    next->setPalette(palette);
    next->setValue(480);
    saveLook(*next, u"spin-edit"_qs);
}

void TestWidgets::labelSizesItselfToItsText()
{
    auto* label = new THTMLabel(host_.get());
    label->setFont(arial(15));
    label->setLineSpacing(2);
    label->move(28, 84);
    label->show();
    label->setHtmlText(u"Czas Operacyjny:<ind=\"150\">07:10:00<ind=\"250\"><font color=\"clGreen\">Rezerwa:00:50:00</font><br>"
                       u"Czas Dostępny:<ind=\"150\">06:00:00<ind=\"250\"><font color=\"clRed\">Strata:01:10:00</font><br>"
                       u"Czas Wykorzystania:<ind=\"150\">05:00:00<ind=\"250\"><font color=\"clRed\">Strata:01:00:00</font><br>"
                       u"Czas odtworzenia braków:<ind=\"250\"><font color=\"clred\">00:06:40"_qs);
    const QSize big = label->textLayout().size;
    QCOMPARE(label->size(), big);
    QCOMPARE(label->pos(), QPoint(28, 84));
    QVERIFY(big.width() > 250);
    QFont bold = arial(15);
    bold.setBold(true);
    QCOMPARE(big.height(), 4 * std::max(QFontMetrics(arial(15)).height(), QFontMetrics(bold).height()) + 3 * 2);
    saveLook(*label, u"label"_qs);

    label->setHtmlText(u"krótki"_qs);
    QVERIFY(label->width() < big.width() && label->height() < big.height());
    const int small = label->width();
    label->setFont(arial(24));
    QVERIFY(label->width() > small);
}

void TestWidgets::labelOpensLinksOnLeftPress()
{
    ShellRecorder shell;
    auto* label = new THTMLabel(host_.get());
    label->setFont(arial(15));
    label->setHtmlText(u"Artykuł  <A href=\"https://example.org/pliki/oee.pdf\">Wskaźnik OEE - Teoria i praktyka </A>"_qs);
    label->show();
    QSignalSpy clicked(label, &THTMLabel::linkClicked);
    const QRect text = label->textLayout().fragments.at(0).rect;
    const QRect link = label->textLayout().fragments.at(1).rect;

    QTest::mouseMove(label, link.center());
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(label, text.center());
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(label, Qt::LeftButton, {}, text.center());
    QTest::mouseClick(label, Qt::RightButton, {}, link.center());
    QVERIFY(shell.urls.isEmpty());
    QTest::mouseClick(label, Qt::LeftButton, {}, link.center());
    QCOMPARE(shell.urls, QList<QUrl>{QUrl(u"https://example.org/pliki/oee.pdf"_qs)});
    QCOMPARE(clicked.count(), 1);
    saveLook(*label, u"link-label"_qs);
}

void TestWidgets::labelIsTransparent()
{
    host_->setPalette(QPalette(QColor(0x20, 0x40, 0x60)));
    auto* label = new THTMLabel(host_.get());
    label->setHtmlText(u"a<br>a much longer second line"_qs);
    label->move(10, 10);
    label->show();
    const QImage image = host_->grab().toImage();
    const QPoint emptyCorner = label->geometry().topRight() - QPoint(2, -2);
    QCOMPARE(image.pixelColor(emptyCorner), QColor(0x20, 0x40, 0x60));
}

void TestWidgets::comboSelectionSignalsUserChangesOnly()
{
    auto* combo = new THTMLComboBox(host_.get());
    combo->setGeometry(20, 20, 289, 22);
    combo->setItems({u"<font color=\"clGreen\">Nie jest stratą</font>"_qs, u"<font color=\"clRed\">Jest stratą</font>"_qs,
                     u"<font color=\"clBlue\">Jest stratą</font> powyżej czasu normatywnego:"_qs});
    QSignalSpy changed(combo, &THTMLComboBox::changed);
    combo->setItemIndex(2);
    QCOMPARE(combo->itemIndex(), 2);
    QCOMPARE(changed.count(), 0);

    combo->show();
    focusAndWait(combo);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->itemIndex(), 1);
    QTest::keyClick(combo, Qt::Key_Up);
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(combo->itemIndex(), 0);
    QCOMPARE(changed.count(), 2);
}

void TestWidgets::comboDropsItsListBelowTheBox()
{
    auto* combo = new THTMLComboBox(host_.get());
    combo->setFont(arial(13));
    combo->setGeometry(20, 20, 289, 22);
    combo->setDropDownSize(289, 80);
    combo->setItems({u"<font color=\"clGreen\">Nie jest stratą</font>"_qs, u"<font color=\"clRed\">Jest stratą</font>"_qs,
                     u"<font color=\"clBlue\">Jest stratą</font> powyżej czasu normatywnego:"_qs});
    combo->setItemIndex(2);
    combo->show();
    QSignalSpy changed(combo, &THTMLComboBox::changed);

    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(100, 11));
    QWidget* popup = combo->view()->window();
    QTRY_VERIFY(popup->isVisible());
    QVERIFY(popup->geometry().top() >= combo->mapToGlobal(QPoint(0, combo->height())).y() - 1);
    QCOMPARE(popup->width(), 289);
    QVERIFY(popup->height() <= 80);
    saveLook(*popup, u"combo-list"_qs);

    const QRect first = combo->view()->visualRect(combo->model()->index(0, 0));
    QTest::mouseMove(combo->view()->viewport(), first.center());
    QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, {}, first.center(),
                      QApplication::doubleClickInterval() + 50);
    QTRY_VERIFY(!popup->isVisible());
    QCOMPARE(combo->itemIndex(), 0);
    QCOMPARE(changed.count(), 1);
}

void TestWidgets::comboBoxShowsTheMarkup()
{
    auto* combo = new THTMLComboBox(host_.get());
    combo->setFont(arial(13));
    QPalette palette = combo->palette();
    palette.setColor(QPalette::Base, QColor(0xF0, 0xF8, 0xFF));
    combo->setPalette(palette);
    combo->setGeometry(20, 20, 289, 22);
    combo->setItems({u"a"_qs, u"<font color=\"clBlue\">Jest stratą</font> powyżej czasu normatywnego:"_qs});
    combo->setItemIndex(1);
    combo->show();
    const QImage image = combo->grab().toImage();
    bool blue = false;
    bool black = false;
    for (int x = 0; x < 240; ++x) {
        for (int y = 2; y < 20; ++y) {
            const QColor c = image.pixelColor(x, y);
            blue = blue || (c.blue() > 200 && c.red() < 90 && c.green() < 90);
            black = black || (c.red() < 60 && c.green() < 60 && c.blue() < 60 && x > 100);
        }
    }
    QVERIFY(blue);
    QVERIFY(black);
    QCOMPARE(image.pixelColor(150, 3), QColor(0xF0, 0xF8, 0xFF));
    saveLook(*combo, u"combo"_qs);
}

void TestWidgets::gaugeAngles_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("angle");
    QTest::newRow("minimum at the lower left") << 0.0 << 225.0;
    QTest::newRow("half way at the top") << 50.0 << 90.0;
    QTest::newRow("maximum at the lower right") << 100.0 << -45.0;
    QTest::newRow("world class") << 85.0 << -4.5;
    QTest::newRow("below the range pins to the minimum") << -40.0 << 225.0;
    QTest::newRow("above the range pins to the maximum") << 250.0 << -45.0;
}

void TestWidgets::gaugeAngles()
{
    QFETCH(double, value);
    QFETCH(double, angle);
    QCOMPARE(TAdvSmoothGauge::angleFor(value, 0, 100), angle);
}

void TestWidgets::gaugeValueText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("OEE of the defaults") << 53.0316 << u"053,03"_qs;
    QTest::newRow("zero") << 0.0 << u"000,00"_qs;
    QTest::newRow("full") << 100.0 << u"100,00"_qs;
    QTest::newRow("negative with inconsistent input") << -12.5 << u"-012,50"_qs;
}

void TestWidgets::gaugeValueText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    TAdvSmoothGauge gauge;
    gauge.setValueFormat(u"000.00"_qs);
    gauge.setValue(value);
    QCOMPARE(gauge.valueText(), text);
}

void TestWidgets::gaugeBandShowsTheZones()
{
    auto* gauge = new TAdvSmoothGauge(host_.get());
    gauge->setGeometry(10, 10, 179, 179);
    gauge->setDialText(u"OEE"_qs);
    gauge->setValueFormat(u"000.00"_qs);
    gauge->setThreshold(25, 100);
    gauge->show();
    QCOMPARE(gauge->zoneColor(64.99), gauge->zoneColor(0));
    QCOMPARE(gauge->zoneColor(65), gauge->zoneColor(85));
    QVERIFY(gauge->zoneColor(85.01) != gauge->zoneColor(85));

    const auto bandPixel = [gauge](const QImage& image, double value) {
        const double scale = 179 / 200.0;
        const double radius = 93 * 0.75 * scale;
        const double a = TAdvSmoothGauge::angleFor(value, 0, 100) * M_PI / 180;
        return image.pixelColor(QPointF(89.5 + radius * std::cos(a), 89.5 - radius * std::sin(a)).toPoint());
    };
    gauge->setValue(53.03);
    QImage image = gauge->grab().toImage();
    QVERIFY(isReddish(bandPixel(image, 30)));
    QVERIFY(isYellowish(bandPixel(image, 75)));
    QVERIFY(isGreenish(bandPixel(image, 95)));
    image.save(QCoreApplication::applicationDirPath() + u"/look-gauge.png"_qs);

    gauge->setValue(91.4);
    saveLook(*gauge, u"gauge-green"_qs);
    gauge->setThreshold(25, 70);
    image = gauge->grab().toImage();
    QVERIFY(isYellowish(bandPixel(image, 68)));
    QVERIFY(!isYellowish(bandPixel(image, 80)));
    QVERIFY(!isGreenish(bandPixel(image, 95)));
}

void TestWidgets::statusBarPanelsAndLinks()
{
    ShellRecorder shell;
    auto* bar = new TAdvOfficeStatusBar(host_.get());
    bar->setGeometry(0, 300, 971, 19);
    bar->setBarStyle(TAdvOfficeStatusBar::Style::Obsidian);
    bar->addPanel(648, u"Zobacz też <b>Planer Zmian</b> – <a href=\"https://example.org/programy\">nasze programy</a>"_qs);
    bar->addPanel(55, u"ver. 1.2"_qs);
    bar->addPanel(218);
    bar->addPanel(50, u"<a href=\"https://example.org\">example.org</a>"_qs);
    bar->show();
    QCOMPARE(bar->panelRect(3), QRect(648 + 55 + 218, 0, 50, 19));

    const QImage image = bar->grab().toImage();
    QVERIFY(image.pixelColor(800, 10).lightness() < 90);
    bool white = false;
    for (int x = 650; x < 700; ++x)
        for (int y = 2; y < 17; ++y)
            white = white || image.pixelColor(x, y).lightness() > 220;
    QVERIFY(white);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->panelRect(1).center());
    QVERIFY(shell.urls.isEmpty());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->panelRect(3).center());
    QCOMPARE(shell.urls, QList<QUrl>{QUrl(u"https://example.org"_qs)});
    bar->setGeometry(0, 300, 640, 19);
    saveLook(*bar, u"status-bar"_qs);
}

void TestWidgets::buttonClicksByMouseAndKeyboard()
{
    auto* button = new TXiButton(host_.get());
    button->setText(u"Przelicz"_qs);
    button->setGeometry(10, 10, 74, 24);
    button->show();
    QSignalSpy clicked(button, &TXiButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton);
    focusAndWait(button);
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
}

void TestWidgets::buttonPopUpGoDropsTheMenuOnLeftPressOnly()
{
    QMenu menu;
    QAction* quantity = menu.addAction(u"Czas pracy na ilość przy aktualnej krotności i czasie cyklu"_qs);
    menu.addAction(u"Czas pracy na czas cyklu przy aktualnej ilości i krotności"_qs);
    QSignalSpy triggered(&menu, &QMenu::triggered);
    auto* button = new TXiButton(host_.get());
    button->setText(u"Przelicz"_qs);
    button->setGeometry(10, 10, 74, 24);
    button->setPopupMenu(&menu);
    button->setPopUpGo(true);
    button->show();
    QSignalSpy clicked(button, &TXiButton::clicked);

    focusAndWait(button);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(20, 12));
    QVERIFY(!menu.isVisible());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 12));
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.pos(), button->mapToGlobal(QPoint(20, 12)));
    QTest::keyClick(&menu, Qt::Key_Escape);
    QTRY_VERIFY(!menu.isVisible());
    QCOMPARE(triggered.count(), 0);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(40, 5));
    QTRY_VERIFY(menu.isVisible());
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(quantity).center());
    QTRY_COMPARE(triggered.count(), 1);
    QCOMPARE(triggered.at(0).at(0).value<QAction*>(), quantity);
    QCOMPARE(clicked.count(), 1);
}

void TestWidgets::buttonGlyphOnEitherSide()
{
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            glyph.setPixelColor(x, y, QColor(0, 160, 0));

    auto* button = new TXiButton(host_.get());
    button->setText(u"Przelicz"_qs);
    button->setGeometry(10, 10, 100, 24);
    button->setGlyph(glyph);
    button->show();
    QCOMPARE(button->glyphRect().right() + 1 + 4, button->captionRect().left());
    const QImage left = button->grab().toImage();
    QCOMPARE(left.pixelColor(button->glyphRect().center()), QColor(0, 160, 0));
    const QColor corner = left.pixelColor(button->glyphRect().topLeft());
    QVERIFY(corner != QColor(255, 0, 255));
    QCOMPARE(corner, left.pixelColor(button->glyphRect().topLeft() - QPoint(1, 0)));
    saveLook(*button, u"button-glyph-left"_qs);

    button->setGlyphLayout(TButtonLayout::blGlyphRight);
    QCOMPARE(button->captionRect().right() + 1 + 4, button->glyphRect().left());
    QCOMPARE(button->grab().toImage().pixelColor(button->glyphRect().center()), QColor(0, 160, 0));
    saveLook(*button, u"button-glyph-right"_qs);
}

void TestWidgets::buttonHotTrackingAndFocusRect()
{
    auto* button = new TXiButton(host_.get());
    button->setText(u"OK"_qs);
    button->setGeometry(100, 100, 105, 30);
    auto* other = new TXiButton(host_.get());
    other->setGeometry(300, 100, 30, 24);
    button->show();
    other->show();
    const QPoint face(8, 8);
    const QColor cold = button->grab().toImage().pixelColor(face);

    QTest::mouseMove(host_->windowHandle(), button->geometry().center());
    QTRY_VERIFY(button->isHot());
    QVERIFY(button->grab().toImage().pixelColor(face) != cold);
    QTest::mouseMove(host_->windowHandle(), other->geometry().center());
    QTRY_VERIFY(!button->isHot());
    QCOMPARE(button->grab().toImage().pixelColor(face), cold);

    focusAndWait(button);
    const QImage withoutRect = button->grab().toImage();
    button->setDrawFocusRect(true);
    const QImage withRect = button->grab().toImage();
    QVERIFY(withRect != withoutRect);
    saveLook(*button, u"button-focus"_qs);
    other->setFocus();
    QTRY_VERIFY(!button->hasFocus());
    QCOMPARE(button->grab().toImage(), withoutRect);
}

void TestWidgets::buttonSchemesDiffer()
{
    QList<QColor> faces;
    for (const TColorScheme scheme : {TColorScheme::csNeoSky, TColorScheme::csNeoDesert, TColorScheme::csNeoRose}) {
        TXiButton button;
        button.resize(30, 24);
        button.setText(u"..."_qs);
        button.setColorScheme(scheme);
        const QImage image = button.grab().toImage();
        QVERIFY(image.pixelColor(15, 3).lightness() > image.pixelColor(15, 20).lightness());
        QVERIFY(!faces.contains(image.pixelColor(15, 20)));
        faces << image.pixelColor(15, 20);
    }
}

void TestWidgets::shapeOutlinesItsRectangle()
{
    auto* shape = new TShape(host_.get());
    shape->setGeometry(10, 10, 365, 95);
    shape->show();
    const QImage image = shape->grab().toImage();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(364, 94), QColor(Qt::black));
    QCOMPARE(image.pixelColor(364, 40), QColor(Qt::black));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
    QCOMPARE(image.pixelColor(363, 93), QColor(Qt::white));
}

void TestErrorHandler::errorInClickHandlerIsReported_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("report");
    QTest::newRow("floating-point division by zero") << 0 << u"Dzielenie zmiennoprzecinkowe przez zero."_qs;
    QTest::newRow("invalid floating-point operation") << 1 << u"Nieprawidłowa operacja zmiennoprzecinkowa."_qs;
    QTest::newRow("standard exception, Polish text") << 2 << u"Zły format liczby."_qs;
    QTest::newRow("message ending in an exclamation mark") << 3 << u"Uwaga!"_qs;
    QTest::newRow("not an exception object") << 4 << u"Nieznany błąd."_qs;
}

void TestErrorHandler::errorInClickHandlerIsReported()
{
    QFETCH(int, kind);
    QFETCH(QString, report);
    MessageRecorder messages;
    QWidget window;
    auto* button = new TXiButton(&window);
    button->setGeometry(0, 0, 74, 24);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList steps;
    QObject::connect(button, &TXiButton::clicked, button, [&] {
        steps << u"started"_qs;
        switch (kind) {
        case 0:
            throw EZeroDivide();
        case 1:
            throw EInvalidOp();
        case 2:
            throw std::runtime_error("Zły format liczby");
        case 3:
            throw std::logic_error("Uwaga!");
        default:
            throw 42;
        }
        steps << u"finished"_qs;
    });

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(messages.texts, QStringList{report});
    QCOMPARE(steps, QStringList{u"started"_qs});
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(messages.texts.size(), 2);
    QCOMPARE(steps.size(), 2);
    QVERIFY(!button->isDown());
}

void TestErrorHandler::errorInChangeHandlerKeepsTheFieldWorking()
{
    MessageRecorder messages;
    QWidget window;
    auto* edit = new TSpinEdit(&window);
    edit->setRange(1, 9999999);
    edit->setValue(2);
    edit->setGeometry(0, 0, 77, 24);
    window.show();
    focusAndWait(edit);
    int divisions = 0;
    QObject::connect(edit, &TSpinEdit::changed, edit, [&] {
        ++divisions;
        if (edit->value() == 0)
            throw EZeroDivide();
    });

    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_0);
    QCOMPARE(edit->text(), u"0"_qs);
    QCOMPARE(messages.texts, QStringList{u"Dzielenie zmiennoprzecinkowe przez zero."_qs});
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_4);
    QCOMPARE(edit->text(), u"4"_qs);
    QCOMPARE(divisions, 4);
    QCOMPARE(messages.texts.size(), 1);
}

void TestErrorHandler::realBoxShowsTheTextUntilOk()
{
    QApplication::setApplicationDisplayName(u"Kalkulator OEE"_qs);
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        text = box->text();
        QTest::keyClick(box, Qt::Key_Enter);
    });
    ShowMessageBox(u"Dzielenie przez zero."_qs);
    QCOMPARE(text, u"Dzielenie przez zero."_qs);
    QVERIFY(title.startsWith(u"Kalkulator OEE"_qs));
}
