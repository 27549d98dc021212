#include "platform/Errors.h"
#include "platform/Message.h"
#include "platform/gui/AdvSpinEdit.h"
#include "platform/gui/ErrorHandler.h"
#include "platform/gui/HTMLabel.h"
#include "platform/gui/SpinEdit.h"
#include "platform/gui/XiButton.h"
#include "ui/AbGradient.h"
#include "ui/UKP_DLL_D_TIMEC1.h"
#include "ui/Unit1.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

using platform::TSpinEdit;
using platform::TXiButton;

namespace {

// Acts on the time dialog from inside its modal loop: waits until it is the active modal
// window, runs the action once, and rejects a dialog the action left open, so that a
// faulty dialog fails the test instead of hanging it.
class DialogDriver {
public:
    using Action = std::function<void(TKP_DLL_D_TIMEC1&)>;

    explicit DialogDriver(Action action) : action_(std::move(action))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(5);
        clock_.start();
    }

    bool ran() const { return ran_; }
    bool leftOpen() const { return leftOpen_; }

private:
    void poll()
    {
        auto* dialog = qobject_cast<TKP_DLL_D_TIMEC1*>(QApplication::activeModalWidget());
        if (!ran_) {
            if (dialog) {
                ran_ = true;
                clock_.restart();
                action_(*dialog);
            } else if (clock_.hasExpired(5000)) {
                timer_.stop();
            }
            return;
        }
        if (!dialog) {
            timer_.stop();
        } else if (clock_.hasExpired(2000)) {
            leftOpen_ = true;
            dialog->reject();
        }
    }

    Action action_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool ran_ = false;
    bool leftOpen_ = false;
};

struct Split {
    int days = -1;
    int hours = -1;
    int minutes = -1;
    bool operator==(const Split&) const = default;
};

Split shownIn(const TKP_DLL_D_TIMEC1& d)
{
    return {d.SpinEdit1->value(), d.SpinEdit2->value(), d.SpinEdit3->value()};
}

char* toString(const Split& s)
{
    return QTest::toString(QStringLiteral("%1 d %2 h %3 min").arg(s.days).arg(s.hours).arg(s.minutes));
}

void typeOver(QWidget* field, const QString& text)
{
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void clickAt(QWidget* w)
{
    QCursor::setPos(w->mapToGlobal(w->rect().center()));
    QTest::mouseClick(w, Qt::LeftButton);
}

// A dialog field's entry in a table row: the text to type, or this marker to leave it.
const QString keep = QStringLiteral("keep");

enum class Solver { WorkingTime, Quantity, CycleTime };

} // namespace

Q_DECLARE_METATYPE(Solver)
Q_DECLARE_METATYPE(Split)

class TestTimeDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void dialogLayout_data();
    void dialogLayout();
    void dialogLooks();
    void opensFromEachButton_data();
    void opensFromEachButton();
    void editsTheTime_data();
    void editsTheTime();
    void closingOtherwiseGivesZero_data();
    void closingOtherwiseGivesZero();
    void clearKeepsTheDialogOpen();
    void solvers_data();
    void solvers();
    void solverDivisionErrors_data();
    void solverDivisionErrors();

private:
    // Marks a result label, so that a later recalculation shows by overwriting the mark.
    void markResults();
    bool recalculated() const;
    // Every input field's text, in a fixed order.
    QStringList inputs() const;
    TSpinEdit* field(const QString& name) const;
    // Starts a solver as the user does: a click, or the menu dropped by the lower button.
    bool runSolver(Solver solver);

    std::unique_ptr<TForm1> form_;
    QStringList messages_;
    std::optional<platform::ScopedMessageHandler> recorder_;
};

void TestTimeDialog::init()
{
    messages_.clear();
    recorder_.emplace([this](const QString& text) { messages_ << text; });
    form_ = std::make_unique<TForm1>();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QVERIFY(form_->isFirstActivationDone());
}

void TestTimeDialog::cleanup()
{
    form_.reset();
    recorder_.reset();
    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(u'|')));
}

void TestTimeDialog::markResults()
{
    form_->HTMLabel1->setHtmlText(QStringLiteral("mark"));
}

bool TestTimeDialog::recalculated() const
{
    return form_->HTMLabel1->htmlText() != QStringLiteral("mark");
}

QStringList TestTimeDialog::inputs() const
{
    QStringList texts;
    for (const TSpinEdit* s : {form_->SpinEdit1, form_->SpinEdit2, form_->SpinEdit3, form_->SpinEdit4,
                               form_->SpinEdit5, form_->SpinEdit6, form_->SpinEdit7, form_->SpinEdit8,
                               form_->SpinEdit9, form_->SpinEdit10, form_->SpinEdit11})
        texts << s->objectName() + u'=' + s->text();
    texts << QStringLiteral("AdvSpinEdit1=") + form_->AdvSpinEdit1->text();
    return texts;
}

TSpinEdit* TestTimeDialog::field(const QString& name) const
{
    return form_->findChild<TSpinEdit*>(name);
}

bool TestTimeDialog::runSolver(Solver solver)
{
    if (solver == Solver::WorkingTime) {
        clickAt(form_->XiButton2);
        return true;
    }
    QMenu* menu = form_->PopupMenu1;
    QCursor::setPos(form_->XiButton11->mapToGlobal(QPoint(10, 10)));
    QTest::mousePress(form_->XiButton11, Qt::LeftButton, {}, QPoint(10, 10));
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return false;
    QAction* item = solver == Solver::Quantity ? form_->Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1
                                               : form_->Czaspracynaczascykluprzyaktualnejilociikrotnoci1;
    const QPoint at = menu->actionGeometry(item).center();
    QTest::mouseMove(menu, at);
    QTest::mouseClick(menu, Qt::LeftButton, {}, at);
    QTest::mouseRelease(form_->XiButton11, Qt::LeftButton, {}, QPoint(10, 10));
    return QTest::qWaitFor([menu] { return !menu->isVisible(); });
}

void TestTimeDialog::dialogLayout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("gradient fills the client area less the frame") << "AbGradient1" << QRect(2, 2, 230, 106);
    QTest::newRow("days") << "SpinEdit1" << QRect(8, 24, 65, 26);
    QTest::newRow("hours") << "SpinEdit2" << QRect(80, 24, 65, 26);
    QTest::newRow("minutes") << "SpinEdit3" << QRect(152, 24, 65, 26);
    QTest::newRow("OK") << "XiButton1" << QRect(8, 70, 105, 30);
    QTest::newRow("clear") << "XiButton2" << QRect(200, 70, 17, 17);
}

void TestTimeDialog::dialogLayout()
{
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    TKP_DLL_D_TIMEC1 dialog(form_.get());
    const auto* control = dialog.findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), rect);
}

void TestTimeDialog::dialogLooks()
{
    TKP_DLL_D_TIMEC1 d(form_.get());
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));

    QCOMPARE(d.windowTitle(), QStringLiteral("KP_DLL_D_TIMEC1"));
    QCOMPARE(d.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(d.size(), QSize(234, 110));
    QCOMPARE(d.font().family(), QStringLiteral("Arial"));
    QCOMPARE(d.font().pixelSize(), 12);
    QCOMPARE(d.start, 0);
    QCOMPARE(d.wynik, 0);

    const struct {
        TSpinEdit* field;
        int maximum;
    } ranges[] = {{d.SpinEdit1, 99999}, {d.SpinEdit2, 9999}, {d.SpinEdit3, 9999}};
    for (const auto& r : ranges) {
        QCOMPARE(r.field->minValue(), 0);
        QCOMPARE(r.field->maxValue(), r.maximum);
        QCOMPARE(r.field->text(), QStringLiteral("0"));
        QVERIFY(r.field->isFlat());
        QCOMPARE(r.field->font().pixelSize(), 13);
    }

    QCOMPARE(d.Label1->text(), QStringLiteral("Dni") + QString(18, u' ') + QStringLiteral("Godzin")
                                   + QString(11, u' ') + QStringLiteral("Minut"));
    QCOMPARE(d.Label1->pos(), QPoint(8, 52));
    QVERIFY(!d.Label1->autoFillBackground());

    QCOMPARE(d.XiButton1->text(), QStringLiteral("OK"));
    QCOMPARE(d.XiButton1->font().pixelSize(), 15);
    QCOMPARE(d.XiButton1->colorScheme(), platform::TColorScheme::csNeoDesert);
    QVERIFY(d.XiButton1->drawFocusRect());
    QCOMPARE(d.XiButton2->text(), QStringLiteral("x"));
    QCOMPARE(d.XiButton2->colorScheme(), platform::TColorScheme::csNeoRose);
    for (const TXiButton* b : {d.XiButton1, d.XiButton2})
        QVERIFY2(!(b->focusPolicy() & Qt::TabFocus), qPrintable(b->objectName()));
    // Tab goes round the three fields only.
    d.SpinEdit1->setFocus();
    QTRY_VERIFY(d.SpinEdit1->hasFocus());
    for (TSpinEdit* next : {d.SpinEdit2, d.SpinEdit3, d.SpinEdit1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY2(next->hasFocus(), qPrintable(next->objectName()));
    }

    // The glyph: a green check mark on a white square.
    const QImage glyph = d.XiButton1->glyph();
    QCOMPARE(glyph.size(), QSize(16, 16));
    int white = 0;
    int green = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = glyph.pixelColor(x, y);
            white += c == Qt::white;
            green += c.alpha() == 255 && c.green() > 2 * c.red() && c.green() > 2 * c.blue();
        }
    QVERIFY2(white > 40, qPrintable(QString::number(white)));
    QVERIFY2(green > 10, qPrintable(QString::number(green)));

    QCOMPARE(d.AbGradient1->style(), TGradientStyle::gsHorizontal1);
    const QImage shot = d.grab().toImage();
    QCOMPARE(shot.size(), QSize(234, 110));
    for (const QPoint frame : {QPoint(0, 0), QPoint(1, 1), QPoint(233, 109), QPoint(232, 108), QPoint(1, 60),
                               QPoint(232, 60), QPoint(120, 1), QPoint(120, 108)})
        QCOMPARE(shot.pixelColor(frame), QColor(Qt::black));
    for (int x : {2, 120, 231}) {
        QCOMPARE(shot.pixelColor(x, 2), QColor(0xFF, 0xFF, 0x80));
        // The last step is #D2D200 within the library's truncation.
        const QColor bottom = shot.pixelColor(x, 107);
        QVERIFY2(std::abs(bottom.red() - 0xD2) <= 1 && std::abs(bottom.green() - 0xD2) <= 1 && bottom.blue() <= 1,
                 qPrintable(bottom.name()));
    }
}

void TestTimeDialog::opensFromEachButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fieldName");
    QTest::newRow("ordered time") << "XiButton1" << "SpinEdit1";
    QTest::newRow("planned stoppages") << "XiButton3" << "SpinEdit2";
    QTest::newRow("changeover") << "XiButton4" << "SpinEdit3";
    QTest::newRow("unplanned stoppages") << "XiButton6" << "SpinEdit5";
    QTest::newRow("breakdowns") << "XiButton7" << "SpinEdit6";
    QTest::newRow("effective working time") << "XiButton8" << "SpinEdit7";
    QTest::newRow("normative changeover") << "XiButton10" << "SpinEdit9";
}

void TestTimeDialog::opensFromEachButton()
{
    QFETCH(QString, button);
    QFETCH(QString, fieldName);
    TSpinEdit* s = field(fieldName);
    auto* b = form_->findChild<TXiButton*>(button);
    QVERIFY(s && b);
    s->setValue(125);
    QStringList expected = inputs();
    expected.replaceInStrings(fieldName + QStringLiteral("=125"), fieldName + QStringLiteral("=185"));
    markResults();

    Split shown;
    QPoint openedAt;
    bool modal = false;
    QPointer<TKP_DLL_D_TIMEC1> seen;
    DialogDriver driver([&](TKP_DLL_D_TIMEC1& d) {
        seen = &d;
        shown = shownIn(d);
        openedAt = d.pos();
        modal = d.isModal();
        typeOver(d.SpinEdit2, QStringLiteral("3"));
        clickAt(d.XiButton1);
    });
    const QPoint pointer = b->mapToGlobal(b->rect().center());
    clickAt(b);

    QVERIFY(driver.ran());
    QVERIFY(!driver.leftOpen());
    QCOMPARE(shown, (Split{0, 2, 5}));
    QCOMPARE(openedAt, pointer);
    QVERIFY(modal);
    QVERIFY2(seen.isNull(), "the dialog outlives its use");
    QCOMPARE(inputs(), expected);
    QVERIFY(recalculated());
}

void TestTimeDialog::editsTheTime_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<Split>("shown");
    QTest::addColumn<QStringList>("typed"); // days, hours, minutes
    QTest::addColumn<int>("written");

    const QStringList none{keep, keep, keep};
    QTest::newRow("480 shows 8 hours and stays") << 480 << Split{0, 8, 0} << none << 480;
    QTest::newRow("1440 is one day") << 1440 << Split{1, 0, 0} << none << 1440;
    QTest::newRow("1439 is 23 hours 59 minutes") << 1439 << Split{0, 23, 59} << none << 1439;
    QTest::newRow("0 shows nothing") << 0 << Split{0, 0, 0} << none << 0;
    QTest::newRow("the maximum shows and stays") << 9999999 << Split{6944, 10, 39} << none << 9999999;
    QTest::newRow("1 day 2 hours 3 minutes") << 0 << Split{0, 0, 0} << QStringList{"1", "2", "3"} << 1563;
    QTest::newRow("30 hours and 90 minutes are summed") << 480 << Split{0, 8, 0} << QStringList{keep, "30", "90"}
                                                        << 1890;
    QTest::newRow("a cleared field reads as 0") << 1563 << Split{1, 2, 3} << QStringList{"", keep, keep} << 123;
    QTest::newRow("a total above the maximum writes the maximum")
        << 480 << Split{0, 8, 0} << QStringList{"7000", keep, keep} << 9999999;
    // 24856 days pass 2^31 seconds; a wrapped sum would be negative and write 0.
    QTest::newRow("24856 days saturate instead of turning negative")
        << 0 << Split{0, 0, 0} << QStringList{"24856", keep, keep} << 9999999;
    // 49711 days and 8 hours wrap to 91904 seconds, which would write 1532.
    QTest::newRow("49711 days saturate instead of wrapping to a day")
        << 480 << Split{0, 8, 0} << QStringList{"49711", keep, keep} << 9999999;
    QTest::newRow("the largest entry saturates")
        << 0 << Split{0, 0, 0} << QStringList{"99999", "9999", "9999"} << 9999999;
}

void TestTimeDialog::editsTheTime()
{
    QFETCH(int, initial);
    QFETCH(Split, shown);
    QFETCH(QStringList, typed);
    QFETCH(int, written);
    form_->SpinEdit1->setValue(initial);
    markResults();
    QSignalSpy changes(form_->SpinEdit1, &TSpinEdit::changed);

    Split seen;
    DialogDriver driver([&](TKP_DLL_D_TIMEC1& d) {
        seen = shownIn(d);
        TSpinEdit* fields[] = {d.SpinEdit1, d.SpinEdit2, d.SpinEdit3};
        for (int i = 0; i < 3; ++i)
            if (typed[i] != keep)
                typeOver(fields[i], typed[i]);
        clickAt(d.XiButton1);
    });
    clickAt(form_->XiButton1);

    QVERIFY(driver.ran());
    QVERIFY(!driver.leftOpen());
    QCOMPARE(seen, shown);
    QCOMPARE(form_->SpinEdit1->text(), QString::number(written));
    QCOMPARE(changes.count(), written == initial ? 0 : 1);
    QCOMPARE(recalculated(), written != initial);
}

void TestTimeDialog::closingOtherwiseGivesZero_data()
{
    QTest::addColumn<bool>("escape");
    QTest::addColumn<int>("initial");
    QTest::newRow("close command") << false << 480;
    QTest::newRow("Escape key") << true << 480;
    QTest::newRow("close command on 0 recalculates nothing") << false << 0;
}

void TestTimeDialog::closingOtherwiseGivesZero()
{
    QFETCH(bool, escape);
    QFETCH(int, initial);
    form_->SpinEdit6->setValue(initial);
    markResults();

    DialogDriver driver([&](TKP_DLL_D_TIMEC1& d) {
        typeOver(d.SpinEdit1, QStringLiteral("2"));
        if (escape)
            QTest::keyClick(&d, Qt::Key_Escape);
        else
            d.close();
    });
    clickAt(form_->XiButton7);

    QVERIFY(driver.ran());
    QVERIFY(!driver.leftOpen());
    QCOMPARE(form_->SpinEdit6->text(), QStringLiteral("0"));
    QCOMPARE(recalculated(), initial != 0);
}

void TestTimeDialog::clearKeepsTheDialogOpen()
{
    form_->SpinEdit3->setValue(1563);
    markResults();

    Split afterClear;
    bool stillOpen = false;
    int wynik = -1;
    DialogDriver driver([&](TKP_DLL_D_TIMEC1& d) {
        clickAt(d.XiButton2);
        QCoreApplication::processEvents();
        afterClear = shownIn(d);
        stillOpen = d.isVisible() && QApplication::activeModalWidget() == &d;
        wynik = d.wynik;
        clickAt(d.XiButton1);
    });
    clickAt(form_->XiButton4);

    QVERIFY(driver.ran());
    QVERIFY(!driver.leftOpen());
    QCOMPARE(afterClear, (Split{0, 0, 0}));
    QVERIFY(stillOpen);
    QCOMPARE(wynik, 0);
    QCOMPARE(form_->SpinEdit3->text(), QStringLiteral("0"));
    QVERIFY(recalculated());
}

void TestTimeDialog::solvers_data()
{
    QTest::addColumn<Solver>("solver");
    QTest::addColumn<int>("q");
    QTest::addColumn<int>("k");
    QTest::addColumn<double>("c");
    QTest::addColumn<int>("w");
    QTest::addColumn<double>("result");

    const auto W = Solver::WorkingTime;
    const auto Q = Solver::Quantity;
    const auto C = Solver::CycleTime;
    QTest::newRow("defaults: working time stays 300") << W << 9000 << 1 << 2.0 << 300 << 300.0;
    QTest::newRow("defaults: quantity stays 9000") << Q << 9000 << 1 << 2.0 << 300 << 9000.0;
    QTest::newRow("defaults: cycle time stays 2.00") << C << 9000 << 1 << 2.0 << 300 << 2.0;
    QTest::newRow("9000 in fours take 75 minutes") << W << 9000 << 4 << 2.0 << 300 << 75.0;
    QTest::newRow("4500.5 cycles round to 4500") << W << 9001 << 2 << 2.0 << 300 << 150.0;
    QTest::newRow("4501.5 cycles round to 4502") << W << 9003 << 2 << 2.0 << 300 << 150.0;
    QTest::newRow("2.5 minutes round to 2") << W << 150 << 1 << 1.0 << 300 << 2.0;
    QTest::newRow("1.5 minutes round to 2") << W << 90 << 1 << 1.0 << 300 << 2.0;
    QTest::newRow("10 seconds become 1 minute") << W << 10 << 1 << 1.0 << 300 << 1.0;
    QTest::newRow("no cycles become 1 minute") << W << 0 << 1 << 2.0 << 300 << 1.0;
    QTest::newRow("working time clamps at the maximum") << W << 9999999 << 1 << 999999.0 << 300 << 9999999.0;
    QTest::newRow("time per piece in single precision gives 27000") << Q << 9000 << 3 << 2.0 << 300 << 27000.0;
    QTest::newRow("quantity clamps at the maximum") << Q << 9000 << 1 << 0.1 << 9999999 << 9999999.0;
    QTest::newRow("cycles in single precision give 14.00") << C << 9000 << 7 << 2.0 << 300 << 14.0;
    QTest::newRow("a cycle below the minimum shows 0.10") << C << 9000 << 1 << 2.0 << 1 << 0.1;
    QTest::newRow("a cycle above the maximum shows 999999.00") << C << 1 << 1 << 2.0 << 9999999 << 999999.0;
}

void TestTimeDialog::solvers()
{
    QFETCH(Solver, solver);
    QFETCH(int, q);
    QFETCH(int, k);
    QFETCH(double, c);
    QFETCH(int, w);
    QFETCH(double, result);
    form_->SpinEdit4->setValue(q);
    form_->SpinEdit10->setValue(k);
    form_->AdvSpinEdit1->setValue(c);
    form_->SpinEdit7->setValue(w);
    const QStringList before = inputs();
    markResults();

    QVERIFY(runSolver(solver));

    QStringList expected = before;
    bool changed = false;
    if (solver == Solver::CycleTime) {
        QCOMPARE(form_->AdvSpinEdit1->value(), result);
        changed = form_->AdvSpinEdit1->value() != c;
        expected.last() = QStringLiteral("AdvSpinEdit1=") + form_->AdvSpinEdit1->text();
    } else {
        TSpinEdit* target = solver == Solver::WorkingTime ? form_->SpinEdit7 : form_->SpinEdit4;
        QCOMPARE(target->value(), static_cast<int>(result));
        changed = target->value() != (solver == Solver::WorkingTime ? w : q);
        expected.replaceInStrings(QRegularExpression(QStringLiteral("^") + target->objectName() + QStringLiteral("=.*$")),
                                  target->objectName() + u'=' + target->text());
    }
    QCOMPARE(inputs(), expected);
    // The cycle time field has no change handler.
    QCOMPARE(recalculated(), changed && solver != Solver::CycleTime);
}

void TestTimeDialog::solverDivisionErrors_data()
{
    QTest::addColumn<Solver>("solver");
    QTest::addColumn<QString>("q");
    QTest::addColumn<QString>("k");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("w");
    QTest::addColumn<QString>("error");

    const QString zeroDivide = platform::TApplication::reportText(platform::EZeroDivide());
    const QString invalid = platform::TApplication::reportText(platform::EInvalidOp());
    QTest::newRow("no pieces per cycle stop the working-time solver")
        << Solver::WorkingTime << "9000" << "0" << "2,00" << "300" << zeroDivide;
    QTest::newRow("no pieces per cycle stop the quantity solver")
        << Solver::Quantity << "9000" << "0" << "2,00" << "300" << zeroDivide;
    QTest::newRow("no pieces per cycle stop the cycle-time solver")
        << Solver::CycleTime << "9000" << "0" << "2,00" << "300" << zeroDivide;
    QTest::newRow("no quantity stops the cycle-time solver")
        << Solver::CycleTime << "0" << "1" << "2,00" << "300" << zeroDivide;
    QTest::newRow("no quantity and no pieces per cycle stop the cycle-time solver")
        << Solver::CycleTime << "0" << "0" << "2,00" << "300" << invalid;
    QTest::newRow("a cycle time of 0 stops the quantity solver")
        << Solver::Quantity << "9000" << "1" << "0" << "300" << zeroDivide;
    QTest::newRow("an emptied cycle time stops the quantity solver")
        << Solver::Quantity << "9000" << "1" << "" << "300" << zeroDivide;
}

void TestTimeDialog::solverDivisionErrors()
{
    QFETCH(Solver, solver);
    QFETCH(QString, q);
    QFETCH(QString, k);
    QFETCH(QString, c);
    QFETCH(QString, w);
    QFETCH(QString, error);
    // Typed as the user does; the cycle time is left last, still holding the focus.
    const std::pair<QWidget*, QString> entries[] = {
        {form_->SpinEdit4, q}, {form_->SpinEdit10, k}, {form_->SpinEdit7, w}, {form_->AdvSpinEdit1, c}};
    for (const auto& [widget, text] : entries) {
        widget->setFocus();
        typeOver(widget, text);
    }
    const QStringList before = inputs();
    markResults();

    QVERIFY(runSolver(solver));

    QCOMPARE(messages_, QStringList{error});
    messages_.clear();
    QCOMPARE(inputs(), before);
    QVERIFY(!recalculated());
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::TApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    TestTimeDialog test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_timedialog.moc"
