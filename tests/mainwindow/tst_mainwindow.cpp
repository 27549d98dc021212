#include "chart/UOEEChart.h"
#include "model/UEfektOEE.h"
#include "platform/Errors.h"
#include "platform/Message.h"
#include "platform/Shell.h"
#include "platform/gui/AdvSpinEdit.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ErrorHandler.h"
#include "platform/gui/HTMLComboBox.h"
#include "platform/gui/HTMLabel.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/OfficeStatusBar.h"
#include "platform/gui/PictureControl.h"
#include "platform/gui/SmoothGauge.h"
#include "platform/gui/SpinEdit.h"
#include "platform/gui/XiButton.h"
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

using platform::TColor;

namespace {

constexpr TColor white = 0xFFFFFF;
constexpr TColor black = 0x000000;
const QString untouched = QStringLiteral("untouched");
const QString defaultsLine = QStringLiteral("Czas nieozanczony (czas zamówiony - pozostałe czasy) :  01:00:00");

using Rows = std::vector<std::pair<int, int>>;

// Selects the whole text of a field and types over it, as a user does.
void retype(QWidget* field, const QString& text)
{
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void leaveWithTab(QWidget* field)
{
    QTest::keyClick(field, Qt::Key_Tab);
}

// The runs of non-white pixels down one column of the picture, below the clearing line.
Rows paintedRows(const QImage& picture, int x)
{
    Rows rows;
    for (int y = 2; y < picture.height(); ++y) {
        if ((picture.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF)
            continue;
        if (!rows.empty() && rows.back().second == y - 1)
            rows.back().second = y;
        else
            rows.emplace_back(y, y);
    }
    return rows;
}

QString rowsText(const Rows& rows)
{
    QStringList parts;
    for (const auto& [top, bottom] : rows)
        parts << QStringLiteral("%1-%2").arg(top).arg(bottom);
    return parts.join(u',');
}

// The calculation of the window's defaults, made here from the numbers the user sees.
std::unique_ptr<TEfektOEE> defaultCalculation()
{
    auto oee = std::make_unique<TEfektOEE>();
    oee->dWe.CzasZamowiony = 480 * 60;
    oee->dWe.CPracy = 300 * 60;
    oee->dWe.CSPostojuP = 35 * 60;
    oee->dWe.CSPostojuNP = 10 * 60;
    oee->dWe.CSAwarii = 45 * 60;
    oee->dWe.CSPrzezbrajania = 30 * 60;
    oee->dWe.OptymalnyCzas_P = 15 * 60;
    oee->TrybStratyPrzezbrajania = 2;
    oee->dWe.Braki = 200;
    oee->dWe.Wykonane = 9000;
    oee->policz();
    return oee;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstActivationShowsDefaults();
    void reactivationDoesNotRecalculate();
    void consistencyLine_data();
    void consistencyLine();
    void emptiedFieldGuard_data();
    void emptiedFieldGuard();
    void cycleTimeWaitsForAnotherChange();
    void classificationRecalculates();
    void breakdownCountReadAsZero_data();
    void breakdownCountReadAsZero();
    void errorBoxKeepsTheTypedCount();
    void mttrTiesToEven_data();
    void mttrTiesToEven();
    void checkBoxSwitchesChartRows();
    void rangeAppliedOnFocusLoss_data();
    void rangeAppliedOnFocusLoss();
    void popupOnLeftPressOnly();
    void linksOpenTheMakersPages();
    void controlGeometry_data();
    void controlGeometry();
    void tabOrder();
    void captionAndTitle();

private:
    bool showAndActivate(QWidget* window);
    QImage picture() const { return form->Image1->Picture()->image(); }
    QString output(const QString& name) const;

    std::unique_ptr<platform::ScopedMessageHandler> recorder;
    std::unique_ptr<platform::ScopedShellOpenHandler> opener;
    std::unique_ptr<TForm1> form;
    QStringList messages;
    QList<QUrl> opened;
    QStringList modalsSeen;
    bool modalsExpected = false;
    QTimer watchdog;
};

void TestMainWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    // A modal box that appears is noted and closed, so a test that does not expect one fails
    // instead of hanging.
    watchdog.setInterval(50);
    connect(&watchdog, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            modalsSeen << QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(": ")
                    + (box ? box->text() : modal->windowTitle());
            modal->close();
        }
    });
    watchdog.start();
}

bool TestMainWindow::showAndActivate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void TestMainWindow::init()
{
    messages.clear();
    opened.clear();
    modalsSeen.clear();
    modalsExpected = false;
    recorder = std::make_unique<platform::ScopedMessageHandler>([this](const QString& text) { messages << text; });
    opener = std::make_unique<platform::ScopedShellOpenHandler>([this](const QUrl& url) {
        opened << url;
        return true;
    });
    form = std::make_unique<TForm1>();
    QVERIFY(showAndActivate(form.get()));
}

void TestMainWindow::cleanup()
{
    form.reset();
    opener.reset();
    recorder.reset();
    QVERIFY2(modalsExpected || modalsSeen.isEmpty(), qPrintable(QStringLiteral("modal box: ") + modalsSeen.join(u',')));
    QVERIFY2(messages.isEmpty(), qPrintable(QStringLiteral("unexpected report: ") + messages.join(u',')));
}

QString TestMainWindow::output(const QString& name) const
{
    if (const auto* html = form->findChild<platform::THTMLabel*>(name))
        return html->htmlText();
    if (const auto* label = form->findChild<QLabel*>(name))
        return label->text();
    return QStringLiteral("no output named ") + name;
}

void TestMainWindow::firstActivationShowsDefaults()
{
    {
        TForm1 fresh;
        QVERIFY(!fresh.isFirstActivationDone());
        QCOMPARE(fresh.Label12->text(), QStringLiteral("--------"));
        QCOMPARE(fresh.AdvSmoothGauge1->value(), 0.0);
        QVERIFY(fresh.Image1->Picture() == nullptr);
        QVERIFY(fresh.SpinEdit1->toolTip().isEmpty());
    }

    QVERIFY(form->isFirstActivationDone());
    QCOMPARE(form->Label12->text(), defaultsLine);
    QVERIFY(form->HTMLabel2->htmlText().contains(QStringLiteral("<b>MTTR:</b> 00:22:30<br>")));
    QVERIFY(form->HTMLabel2->htmlText().endsWith(QStringLiteral("<b>MTBF:</b> 04:00:00")));
    QVERIFY(form->HTMLabel4->htmlText().endsWith(
        QStringLiteral("Czas odtworzenia braków:<ind=\"250\"><font color=\"clred\">00:06:40")));

    const auto oee = defaultCalculation();
    QCOMPARE(form->HTMLabel1->htmlText(), oee->info.CzasOperacyjnySkladnikiHTML + QStringLiteral("<br>")
                                              + oee->info.DostepnoscSkladnikiHTML + QStringLiteral("<br>")
                                              + oee->info.WykorzystanieSkladnikiHTML + QStringLiteral("<br>"));
    QCOMPARE(form->AdvSmoothGauge1->value(), double{oee->dWy.OEE});
    QCOMPARE(form->AdvSmoothGauge1->valueText(), QStringLiteral("068,22"));

    QCOMPARE(form->SpinEdit1->toolTip(), QStringLiteral("08:00:00"));
    QCOMPARE(form->SpinEdit9->toolTip(), QStringLiteral("00:15:00"));
    QVERIFY(form->SpinEdit4->toolTip().isEmpty());

    // The picture is cleared to white with a black line along x = 1 and y = 1.
    const QImage shown = picture();
    QCOMPARE(shown.size(), QSize(943, 316));
    QCOMPARE(shown.pixel(0, 200) & 0xFFFFFF, white);
    QCOMPARE(shown.pixel(1, 200) & 0xFFFFFF, black);
    QCOMPARE(shown.pixel(2, 200) & 0xFFFFFF, white);
    QCOMPARE(shown.pixel(800, 0) & 0xFFFFFF, white);
    QCOMPARE(shown.pixel(800, 1) & 0xFFFFFF, black);
    QCOMPARE(shown.pixel(942, 315) & 0xFFFFFF, white);
    QCOMPARE(rowsText(paintedRows(shown, 30)), QStringLiteral("10-26,30-54,58-82,86-110,114-138"));

    // The same chart drawn apart, with the time-base label of the ordered time.
    platform::TBitmap reference;
    reference.SetSize(943, 316);
    reference.Canvas().Rectangle(1, 1, 1300, 1300);
    TOEEChart chart;
    chart.bar_width = 650;
    chart.bar_height = 25;
    chart.bar_o = 3;
    chart.draw_oee_label = false;
    chart.full_name = true;
    chart.SetValues(oee->dWy.CzasOperacyjnyProcent, oee->dWy.DostepnoscProcent, oee->dWy.WykorzystanieProcent,
                    oee->dWy.JakoscProcent, oee->dWy.OEE);
    chart.z_label = QStringLiteral("czas zamówiony 08:00:00");
    chart.DrawOEE(reference.Canvas(), 20, 10);
    QVERIFY(shown == reference.image());

    // And the control shows its picture on screen.
    QTRY_VERIFY(form->Image1->grab().toImage().convertToFormat(shown.format()) == shown);
}

void TestMainWindow::reactivationDoesNotRecalculate()
{
    // The field being typed in keeps its text while the user is in another window.
    retype(form->SpinEdit7, QStringLiteral("-5"));
    form->Label12->setText(untouched);
    QWidget other;
    other.resize(200, 100);
    QVERIFY(showAndActivate(&other));
    QVERIFY(!form->isActiveWindow());
    QVERIFY(showAndActivate(form.get()));
    QCOMPARE(form->Label12->text(), untouched);
    QVERIFY(form->isFirstActivationDone());
    QCOMPARE(form->SpinEdit7->text(), QStringLiteral("-5"));
    QVERIFY(form->SpinEdit7->hasFocus());
}

void TestMainWindow::consistencyLine_data()
{
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("line");
    QTest::newRow("working 300 min: an hour unaccounted") << "300" << defaultsLine;
    QTest::newRow("working 360 min: times add up") << "360" << "----";
    QTest::newRow("working 361 min: sum beyond ordered time")
        << "361" << "Niespójność danych\r\nsuma czasów [ 08:01:00 ] > czasu zamówionego [ 08:00:00 ] !";
}

void TestMainWindow::consistencyLine()
{
    QFETCH(QString, working);
    QFETCH(QString, line);
    retype(form->SpinEdit7, working);
    QCOMPARE(form->Label12->text(), line);
    QCOMPARE(form->SpinEdit7->toolTip(), QTime(0, 0).addSecs(working.toInt() * 60).toString(u"HH:mm:ss"));
    // The label shows every line of its text in full.
    const QFontMetrics metrics(form->Label12->font());
    QCOMPARE(form->Label12->height(), metrics.height() * (line.count(u'\n') + 1));
    for (const QString& part : line.split(QStringLiteral("\r\n")))
        QVERIFY(form->Label12->width() >= metrics.horizontalAdvance(part));
}

void TestMainWindow::emptiedFieldGuard_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("guarded");
    for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "SpinEdit5", "SpinEdit6", "SpinEdit7",
                             "SpinEdit8", "SpinEdit9", "SpinEdit11"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    QTest::newRow("SpinEdit10 (pieces per cycle)") << "SpinEdit10" << false;
}

void TestMainWindow::emptiedFieldGuard()
{
    QFETCH(QString, field);
    QFETCH(bool, guarded);
    auto* edit = form->findChild<platform::TSpinEdit*>(field);
    QVERIFY(edit);
    form->Label12->setText(untouched);
    form->HTMLabel2->setHtmlText(untouched);
    form->SpinEdit9->setHint(untouched);
    const QImage before = picture();

    retype(edit, QString());
    QCOMPARE(edit->text(), QString());
    if (guarded) {
        QCOMPARE(form->Label12->text(), untouched);
        QCOMPARE(form->HTMLabel2->htmlText(), untouched);
        QCOMPARE(form->SpinEdit9->toolTip(), untouched);
        QVERIFY(picture() == before);
        QTest::keyClicks(edit, QStringLiteral("5"));
        QVERIFY(form->Label12->text() != untouched);
    } else {
        QCOMPARE(form->Label12->text(), defaultsLine);
    }
    QVERIFY(form->HTMLabel2->htmlText() != untouched);
    QVERIFY(form->SpinEdit9->toolTip() != untouched);
}

void TestMainWindow::cycleTimeWaitsForAnotherChange()
{
    form->Label12->setText(untouched);
    retype(form->AdvSpinEdit1, QStringLiteral("3"));
    leaveWithTab(form->AdvSpinEdit1);
    QCOMPARE(form->AdvSpinEdit1->value(), 3.0);
    QCOMPARE(form->Label12->text(), untouched);
    QVERIFY(form->HTMLabel4->htmlText().endsWith(QStringLiteral("00:06:40")));

    // Pieces per cycle feeds no result, but its change recalculates with the new cycle.
    retype(form->SpinEdit10, QStringLiteral("4"));
    QCOMPARE(form->Label12->text(), defaultsLine);
    QVERIFY(form->HTMLabel4->htmlText().endsWith(QStringLiteral("00:10:00")));
}

void TestMainWindow::classificationRecalculates()
{
    const QString aboveNorm = form->HTMLabel1->htmlText();
    QVERIFY(aboveNorm.contains(QStringLiteral("PonadNormatywny")));
    form->HTMLComboBox1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form->HTMLComboBox1, Qt::Key_Up);
    QCOMPARE(form->HTMLComboBox1->itemIndex(), 1);
    QVERIFY(form->HTMLabel1->htmlText() != aboveNorm);
    QVERIFY(!form->HTMLabel1->htmlText().contains(QStringLiteral("PonadNormatywny")));
}

void TestMainWindow::breakdownCountReadAsZero_data()
{
    QTest::addColumn<QString>("breakdownMinutes");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("mttrAtOne");
    QTest::newRow("breakdown time 45 min: division by zero")
        << "45" << platform::TApplication::reportText(platform::EZeroDivide()) << "00:45:00";
    QTest::newRow("no breakdown time: invalid operation")
        << "0" << platform::TApplication::reportText(platform::EInvalidOp()) << "00:00:00";
}

void TestMainWindow::breakdownCountReadAsZero()
{
    QFETCH(QString, breakdownMinutes);
    QFETCH(QString, report);
    QFETCH(QString, mttrAtOne);
    retype(form->SpinEdit6, breakdownMinutes);
    retype(form->SpinEdit11, QString());

    for (platform::THTMLabel* l : {form->HTMLabel1, form->HTMLabel2, form->HTMLabel4})
        l->setHtmlText(untouched);
    form->Label12->setText(untouched);
    form->AdvSmoothGauge1->setValue(-5);
    form->Image1->Canvas().SetPixels(30, 15, 0x123456);

    QTest::keyClicks(form->SpinEdit11, QStringLiteral("0"));
    QCOMPARE(messages, QStringList{report});
    messages.clear();
    QVERIFY(form->Label12->text().startsWith(QStringLiteral("Czas nieozanczony")));
    QVERIFY(form->HTMLabel1->htmlText() != untouched);
    QVERIFY(form->AdvSmoothGauge1->value() > 0);
    QVERIFY(form->Image1->Canvas().Pixels(30, 15) != 0x123456);
    QCOMPARE(form->HTMLabel2->htmlText(), untouched);
    QCOMPARE(form->HTMLabel4->htmlText(), untouched);

    // Leaving the field applies its minimum of 1, and that change recalculates.
    leaveWithTab(form->SpinEdit11);
    QCOMPARE(form->SpinEdit11->text(), QStringLiteral("1"));
    QCOMPARE(form->HTMLabel2->htmlText(), QStringLiteral("średni czas awarii:<br>  <b>MTTR:</b> ") + mttrAtOne
                                              + QStringLiteral("<br><br>średni czas między awariami:<br>  <b>MTBF:</b> 08:00:00"));
    QVERIFY(form->HTMLabel4->htmlText().startsWith(QStringLiteral("Czas Operacyjny:")));
}

// The program's real box: while it is up the field keeps the 0 the user typed, so the
// texts the failed run left alone stay as they were.
void TestMainWindow::errorBoxKeepsTheTypedCount()
{
    modalsExpected = true;
    const platform::ScopedMessageHandler realBox(platform::ShowMessageBox);
    retype(form->SpinEdit11, QString());
    form->HTMLabel2->setHtmlText(untouched);
    QTest::keyClicks(form->SpinEdit11, QStringLiteral("0"));
    QCOMPARE(modalsSeen, QStringList{QStringLiteral("QMessageBox: ")
                                     + platform::TApplication::reportText(platform::EZeroDivide())});
    QCOMPARE(form->SpinEdit11->text(), QStringLiteral("0"));
    QCOMPARE(form->HTMLabel2->htmlText(), untouched);
}

void TestMainWindow::mttrTiesToEven_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("mttr");
    QTest::addColumn<QString>("mtbf");
    QTest::newRow("60 s / 8 = 7.5 s rounds up to even 8") << "8" << "00:00:08" << "01:00:00";
    QTest::newRow("60 s / 24 = 2.5 s rounds down to even 2") << "24" << "00:00:02" << "00:20:00";
    QTest::newRow("60 s / 40 = 1.5 s rounds up to even 2") << "40" << "00:00:02" << "00:12:00";
    QTest::newRow("60 s / 120 = 0.5 s rounds down to 0") << "120" << "00:00:00" << "00:04:00";
}

void TestMainWindow::mttrTiesToEven()
{
    QFETCH(QString, count);
    QFETCH(QString, mttr);
    QFETCH(QString, mtbf);
    retype(form->SpinEdit6, QStringLiteral("1"));
    retype(form->SpinEdit11, count);
    QVERIFY2(form->HTMLabel2->htmlText().contains(QStringLiteral("<b>MTTR:</b> ") + mttr + QStringLiteral("<br>")),
             qPrintable(form->HTMLabel2->htmlText()));
    QVERIFY(form->HTMLabel2->htmlText().endsWith(QStringLiteral("<b>MTBF:</b> ") + mtbf));
}

void TestMainWindow::checkBoxSwitchesChartRows()
{
    const QString fiveRows = QStringLiteral("10-26,30-54,58-82,86-110,114-138");
    QCOMPARE(rowsText(paintedRows(picture(), 30)), fiveRows);

    QTest::mouseClick(form->CheckBox1, Qt::LeftButton, {}, QPoint(40, 8));
    QVERIFY(form->CheckBox1->isChecked());
    QCOMPARE(rowsText(paintedRows(picture(), 30)), QStringLiteral("10-39,45-74,80-109"));
    // The availability row starts at full length: its background reaches x = 20 + 650.
    QVERIFY((picture().pixel(669, 25) & 0xFFFFFF) != white);

    QTest::mouseClick(form->CheckBox1, Qt::LeftButton, {}, QPoint(40, 8));
    QVERIFY(!form->CheckBox1->isChecked());
    QCOMPARE(rowsText(paintedRows(picture(), 30)), fiveRows);
}

void TestMainWindow::rangeAppliedOnFocusLoss_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clamped");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("whileTyped");
    QTest::addColumn<QString>("afterLeaving");
    QTest::newRow("rejects above the maximum")
        << "SpinEdit8" << "99999999" << "9999999" << "HTMLabel4" << "2314D 19:33:18" << "231D 11:33:18";
    QTest::newRow("working time below the minimum")
        << "SpinEdit7" << "-5" << "0" << "Label12" << "06:05:00" << "06:00:00";
}

void TestMainWindow::rangeAppliedOnFocusLoss()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, clamped);
    QFETCH(QString, output);
    QFETCH(QString, whileTyped);
    QFETCH(QString, afterLeaving);
    auto* edit = form->findChild<platform::TSpinEdit*>(field);
    QVERIFY(edit);
    retype(edit, typed);
    QCOMPARE(edit->text(), typed);
    QVERIFY2(this->output(output).endsWith(whileTyped), qPrintable(this->output(output)));

    leaveWithTab(edit);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), clamped);
    QVERIFY2(this->output(output).endsWith(afterLeaving), qPrintable(this->output(output)));
}

void TestMainWindow::popupOnLeftPressOnly()
{
    form->Label12->setText(untouched);
    QStringList fields;
    for (const auto* edit : form->findChildren<platform::SpinEditBase*>())
        fields << edit->text();
    const auto unchanged = [&] {
        QStringList now;
        for (const auto* edit : form->findChildren<platform::SpinEditBase*>())
            now << edit->text();
        return now == fields && form->Label12->text() == untouched;
    };
    platform::TXiButton* button = form->XiButton11;

    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(10, 12));
    form->XiButton11->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(!form->PopupMenu1->isVisible());
    QVERIFY(QApplication::activePopupWidget() == nullptr);

    // A click: the press drops the menu at the pointer, the release over the menu's corner
    // chooses nothing.
    const QPoint at(10, 12);
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
    QTRY_VERIFY(form->PopupMenu1->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), form->PopupMenu1);
    QCOMPARE(form->PopupMenu1->geometry().topLeft(), button->mapToGlobal(at));
    QCOMPARE(form->PopupMenu1->actions().size(), 2);
    QCOMPARE(form->PopupMenu1->actions().at(0)->text(),
             QStringLiteral("Czas pracy na ilość przy aktualnej krotności i czasie cyklu"));
    QCOMPARE(form->PopupMenu1->actions().at(1)->text(),
             QStringLiteral("Czas pracy na czas cyklu przy aktualnej ilości i krotności"));

    QTest::keyClick(form->PopupMenu1, Qt::Key_Escape);
    QTRY_VERIFY(!form->PopupMenu1->isVisible());
    QVERIFY(unchanged());
}

void TestMainWindow::linksOpenTheMakersPages()
{
    const auto linkPoint = [](const platform::markup::Layout& layout) {
        for (const auto& fragment : layout.fragments) {
            if (!fragment.href.isEmpty())
                return fragment.rect.center();
        }
        return QPoint(-1, -1);
    };
    QTest::mouseClick(form->HTMLabel3, Qt::LeftButton, {}, linkPoint(form->HTMLabel3->textLayout()));
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.at(0).toString().endsWith(QStringLiteral("/pliki/oee.pdf")));
    QVERIFY(opened.at(0).scheme().startsWith(QStringLiteral("http")));

    const QRect site = form->AdvOfficeStatusBar1->panelRect(3);
    QPoint onLink;
    for (int x = site.left(); x < site.right() && onLink.isNull(); ++x) {
        if (!form->AdvOfficeStatusBar1->linkAt({x, site.center().y()}).isEmpty())
            onLink = {x + 2, site.center().y()};
    }
    QVERIFY(!onLink.isNull());
    QTest::mouseClick(form->AdvOfficeStatusBar1, Qt::LeftButton, {}, onLink);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.at(1).host(), opened.at(0).host());
}

void TestMainWindow::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect"); // width and height 0: only the position is fixed
    const std::pair<const char*, QRect> rows[] = {
        {"SpinEdit1", {336, 23, 77, 24}},   {"XiButton1", {415, 23, 30, 24}},    {"SpinEdit2", {196, 59, 77, 24}},
        {"XiButton3", {275, 59, 30, 24}},   {"SpinEdit3", {196, 85, 77, 24}},    {"XiButton4", {275, 85, 30, 24}},
        {"SpinEdit5", {196, 119, 77, 24}},  {"XiButton6", {275, 119, 30, 24}},   {"SpinEdit6", {196, 145, 77, 24}},
        {"XiButton7", {275, 145, 30, 24}},  {"SpinEdit7", {196, 183, 77, 24}},   {"XiButton8", {275, 183, 30, 24}},
        {"SpinEdit8", {196, 213, 77, 24}},  {"CheckBox1", {14, 310, 249, 17}},   {"Image1", {14, 333, 943, 316}},
        {"HTMLComboBox1", {348, 89, 289, 22}}, {"SpinEdit9", {643, 87, 77, 24}}, {"XiButton10", {723, 87, 30, 24}},
        {"Shape2", {348, 144, 365, 95}},    {"SpinEdit4", {460, 179, 77, 24}},   {"SpinEdit10", {619, 179, 50, 24}},
        {"AdvSpinEdit1", {619, 209, 77, 24}}, {"XiButton2", {322, 174, 74, 24}}, {"XiButton11", {322, 204, 74, 24}},
        {"Shape1", {778, 67, 179, 184}},    {"SpinEdit11", {872, 75, 77, 24}},   {"AdvSmoothGauge1", {778, 422, 179, 179}},
        {"AdvOfficeStatusBar1", {0, 658, 971, 19}},
        {"Label1", {14, 8, 0, 0}},          {"Label14", {122, 10, 0, 0}},        {"Label2", {16, 32, 0, 0}},
        {"Label3", {28, 66, 150, 0}},       {"Label4", {28, 96, 150, 0}},        {"Label8", {28, 126, 150, 0}},
        {"Label9", {28, 152, 150, 0}},      {"Label10", {28, 196, 150, 0}},      {"Label11", {28, 225, 150, 0}},
        {"Label12", {16, 268, 0, 0}},       {"Label6", {348, 67, 0, 0}},         {"Label16", {356, 147, 0, 0}},
        {"Label5", {428, 188, 0, 0}},       {"Label13", {564, 188, 0, 0}},       {"Label7", {412, 217, 0, 0}},
        {"Label15", {792, 84, 0, 0}},       {"HTMLabel3", {681, 8, 0, 0}},       {"HTMLabel2", {788, 123, 0, 0}},
        {"HTMLabel4", {28, 484, 0, 0}},     {"HTMLabel1", {28, 580, 0, 0}},
    };
    for (const auto& [name, rect] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << rect;
}

void TestMainWindow::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    QCOMPARE(form->size(), QSize(971, 677));
    const QWidget* w = form->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QCOMPARE(w->pos(), rect.topLeft());
    if (rect.width() > 0)
        QCOMPARE(w->width(), rect.width());
    if (rect.height() > 0)
        QCOMPARE(w->height(), rect.height());
    // Every control lies inside the window and shows its whole text.
    QVERIFY(form->rect().contains(w->geometry()));
    if (rect.height() == 0)
        QVERIFY(w->width() >= w->sizeHint().width() && w->height() >= w->sizeHint().height());
}

void TestMainWindow::tabOrder()
{
    const QStringList expected = {
        "SpinEdit1", "XiButton1",  "XiButton2",  "SpinEdit2",    "HTMLComboBox1", "SpinEdit3",       "SpinEdit5",
        "SpinEdit6", "SpinEdit7",  "SpinEdit8",  "XiButton3",    "XiButton4",     "XiButton6",       "XiButton7",
        "XiButton8", "SpinEdit9",  "XiButton10", "XiButton11",   "SpinEdit4",     "CheckBox1",       "AdvSpinEdit1",
        "SpinEdit10", "AdvSmoothGauge1", "SpinEdit11", "SpinEdit1"};
    form->SpinEdit1->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::captionAndTitle()
{
    // "<name of two words><48 blanks><maker line>" and the same with 3 blanks.
    const QRegularExpression caption(QStringLiteral("^(\\S+ \\S+) {48}(\\S.*\\S)$"));
    const QRegularExpression title(QStringLiteral("^(\\S+ \\S+) {3}(\\S.*\\S)$"));
    const QRegularExpressionMatch c = caption.match(form->windowTitle());
    const QRegularExpressionMatch t = title.match(QGuiApplication::applicationDisplayName());
    QVERIFY2(c.hasMatch(), qPrintable(form->windowTitle()));
    QVERIFY2(t.hasMatch(), qPrintable(QGuiApplication::applicationDisplayName()));
    QCOMPARE(c.captured(1), t.captured(1));
    QCOMPARE(c.captured(2), t.captured(2));
    // The maker line is a name and a range of years.
    QVERIFY2(QRegularExpression(QStringLiteral("\\S+ \\d{4}-\\d{4}$")).match(c.captured(2)).hasMatch(),
             qPrintable(c.captured(2)));
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::TApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"
