#include "ui/Unit1.h"

#include "platform/gui/AdvSpinEdit.h"
#include "platform/gui/HTMLComboBox.h"
#include "platform/gui/HTMLabel.h"
#include "platform/gui/OfficeStatusBar.h"
#include "platform/gui/PictureControl.h"
#include "platform/gui/Shape.h"
#include "platform/gui/SmoothGauge.h"
#include "platform/gui/SpinEdit.h"
#include "platform/gui/XiButton.h"
#include "ui/AppInfo.h"
#include "ui/Fonts.h"
#include "ui/Glyphs.h"
#include "ui/Guarded.h"
#include "ui/Unit1Layout.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <algorithm>
#include <vector>

using namespace platform;

namespace {

void setBackground(QWidget* w, QRgb rgb)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Base, QColor(rgb));
    p.setColor(QPalette::Button, QColor(rgb));
    w->setPalette(p);
}

TXiButton* makeButton(QWidget* parent, const char* name, const QRect& rect, const QString& caption)
{
    auto* b = new TXiButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(rect);
    b->setText(caption);
    b->setColorScheme(TColorScheme::csNeoSky);
    b->setHotTrack(true);
    b->setDrawFocusRect(false);
    b->setSpacing(4);
    return b;
}

THTMLabel* makeHtmlLabel(QWidget* parent, const char* name, QPoint pos, int pixelSize, int lineSpacing)
{
    auto* l = new THTMLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(arial(pixelSize));
    l->setLineSpacing(lineSpacing);
    l->move(pos);
    l->setHtmlText(QString::fromLatin1(name)); // placeholder until the first recalculation
    return l;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_StyledBackground, false);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setFont(arial(12));
    resize(unit1layout::clientSize);

    buildControls();
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::buildControls()
{
    // Frames first, so that the controls inside them are stacked above.
    Shape2 = new TShape(this);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(348, 144, 365, 95);
    Shape1 = new TShape(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(778, 67, 179, 184);

    Image1 = new TImage(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(14, 333, 943, 316);

    buildInputs();
    buildClassification();
    buildQuantityGroup();
    buildResults();
    buildStatusBar();
    applyTabOrder();
}

void TForm1::buildInputs()
{
    for (const auto& row : unit1layout::labelRows) {
        auto* l = new QLabel(QString::fromUtf16(row.text), this);
        l->setObjectName(QString::fromLatin1(row.name));
        l->setFont(arial(row.pixelSize, false, row.underline));
        l->adjustSize();
        if (row.width > 0) {
            l->setAlignment(Qt::AlignRight | Qt::AlignTop);
            l->setGeometry(row.pos.x(), row.pos.y(), row.width, l->height());
        } else {
            l->move(row.pos);
        }
    }

    TSpinEdit** fields[] = {&SpinEdit1, &SpinEdit2, &SpinEdit3, &SpinEdit4,  &SpinEdit5, &SpinEdit6,
                            &SpinEdit7, &SpinEdit8, &SpinEdit9, &SpinEdit10, &SpinEdit11};
    for (size_t i = 0; i < std::size(unit1layout::spinRows); ++i) {
        const auto& row = unit1layout::spinRows[i];
        auto* s = new TSpinEdit(this);
        s->setObjectName(QString::fromLatin1(row.name));
        s->setGeometry(row.rect);
        s->setFlat(true);
        s->setRange(row.minimum, unit1layout::spinMaximum);
        s->setIncrement(1);
        s->setValue(row.value);
        setBackground(s, row.rgb);
        connect(s, &TSpinEdit::changed, this, [this] { guarded([this] { SpinEdit1Change(); }); });
        *fields[i] = s;
    }

    void (TForm1::*timeHandlers[])() = {&TForm1::XiButton1Click, &TForm1::XiButton3Click, &TForm1::XiButton4Click,
                                        &TForm1::XiButton6Click, &TForm1::XiButton7Click, &TForm1::XiButton8Click,
                                        &TForm1::XiButton10Click};
    TXiButton** timeButtons[] = {&XiButton1, &XiButton3, &XiButton4, &XiButton6, &XiButton7, &XiButton8, &XiButton10};
    for (size_t i = 0; i < std::size(unit1layout::timeButtonRows); ++i) {
        const auto& row = unit1layout::timeButtonRows[i];
        TXiButton* b = makeButton(this, row.name, row.rect, QStringLiteral("..."));
        auto handler = timeHandlers[i];
        connect(b, &TXiButton::clicked, this, [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
        *timeButtons[i] = b;
    }

    Label12 = new QLabel(QStringLiteral("--------"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setFont(arial(12, true));
    QPalette red = Label12->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label12->setPalette(red);
    Label12->move(16, 268);
    Label12->adjustSize();

    CheckBox1 = new QCheckBox(QStringLiteral("Na wykresie pomiń postawę czasu"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(14, 310, 249, 17);
    connect(CheckBox1, &QCheckBox::toggled, this, [this] { guarded([this] { SpinEdit1Change(); }); });
}

void TForm1::buildClassification()
{
    HTMLComboBox1 = new THTMLComboBox(this);
    HTMLComboBox1->setObjectName(QStringLiteral("HTMLComboBox1"));
    HTMLComboBox1->setGeometry(348, 89, 289, 22);
    HTMLComboBox1->setFont(arial(13));
    HTMLComboBox1->setItems({QStringLiteral("<font color=\"clGreen\">Nie jest stratą</font>"),
                             QStringLiteral("<font color=\"clRed\">Jest stratą</font>"),
                             QStringLiteral("<font color=\"clBlue\">Jest stratą</font> powyżej czasu normatywnego:")});
    HTMLComboBox1->setItemIndex(2);
    HTMLComboBox1->setDropDownSize(289, 80);
    setBackground(HTMLComboBox1, 0xF0F8FF);
    connect(HTMLComboBox1, &THTMLComboBox::changed, this, [this] { guarded([this] { HTMLComboBox1Change(); }); });
}

void TForm1::buildQuantityGroup()
{
    AdvSpinEdit1 = new TAdvSpinEdit(this);
    AdvSpinEdit1->setObjectName(QStringLiteral("AdvSpinEdit1"));
    AdvSpinEdit1->setGeometry(619, 209, 77, 24);
    AdvSpinEdit1->setFlat(true);
    AdvSpinEdit1->setPrecision(2);
    AdvSpinEdit1->setRange(0.1, 999999.0);
    AdvSpinEdit1->setIncrement(0.1);
    AdvSpinEdit1->setValue(2.0);
    setBackground(AdvSpinEdit1, 0xFFCEB7);

    XiButton2 = makeButton(this, "XiButton2", {322, 174, 74, 24}, QStringLiteral("Przelicz"));
    XiButton2->setGlyph(glyphs::doubleChevron(true));
    XiButton2->setGlyphLayout(TButtonLayout::blGlyphLeft);
    connect(XiButton2, &TXiButton::clicked, this, [this] { guarded([this] { XiButton2Click(); }); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1 =
        PopupMenu1->addAction(QStringLiteral("Czas pracy na ilość przy aktualnej krotności i czasie cyklu"));
    Czaspracynaczascykluprzyaktualnejilociikrotnoci1 =
        PopupMenu1->addAction(QStringLiteral("Czas pracy na czas cyklu przy aktualnej ilości i krotności"));
    connect(Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1, &QAction::triggered, this,
            [this] { guarded([this] { Czaspracynailoprzyaktualnejkrotnociiczasiecyklu1Click(); }); });
    connect(Czaspracynaczascykluprzyaktualnejilociikrotnoci1, &QAction::triggered, this,
            [this] { guarded([this] { Czaspracynaczascykluprzyaktualnejilociikrotnoci1Click(); }); });

    XiButton11 = makeButton(this, "XiButton11", {322, 204, 74, 24}, QStringLiteral("Przelicz"));
    XiButton11->setGlyph(glyphs::doubleChevron(false));
    XiButton11->setGlyphLayout(TButtonLayout::blGlyphRight);
    XiButton11->setPopupMenu(PopupMenu1);
    XiButton11->setPopUpGo(true);
}

void TForm1::buildResults()
{
    HTMLabel3 = makeHtmlLabel(this, "HTMLabel3", {681, 8}, 15, 0);
    HTMLabel3->setHtmlText(QStringLiteral("Artykuł  <A href=\"") + appinfo::articleAddress
                           + QStringLiteral("\">Wskaźnik OEE - Teoria i praktyka </A>"));
    HTMLabel2 = makeHtmlLabel(this, "HTMLabel2", {788, 123}, 12, 0);

    // The labels and the dial over the chart are created after it and so drawn above it.
    AdvSmoothGauge1 = new TAdvSmoothGauge(this);
    AdvSmoothGauge1->setObjectName(QStringLiteral("AdvSmoothGauge1"));
    AdvSmoothGauge1->setGeometry(778, 422, 179, 179);
    AdvSmoothGauge1->setRange(0, 100);
    AdvSmoothGauge1->setDialText(QStringLiteral("OEE"));
    AdvSmoothGauge1->setValueFormat(QStringLiteral("000.00"));
    AdvSmoothGauge1->setThreshold(25, 100);
    AdvSmoothGauge1->setValue(0);
    AdvSmoothGauge1->setFocusPolicy(Qt::TabFocus);

    HTMLabel4 = makeHtmlLabel(this, "HTMLabel4", {28, 484}, 15, 2);
    HTMLabel1 = makeHtmlLabel(this, "HTMLabel1", {28, 580}, 12, 2);
}

void TForm1::buildStatusBar()
{
    AdvOfficeStatusBar1 = new TAdvOfficeStatusBar(this);
    AdvOfficeStatusBar1->setObjectName(QStringLiteral("AdvOfficeStatusBar1"));
    AdvOfficeStatusBar1->setBarStyle(TAdvOfficeStatusBar::Style::Obsidian);
    AdvOfficeStatusBar1->addPanel(648, QStringLiteral("Zobacz także <b>") + appinfo::otherProductName
                                           + QStringLiteral("</b> – planowanie obsady zmian produkcyjnych: <A href=\"")
                                           + appinfo::otherProductAddress + QStringLiteral("\">strona programu</A>"));
    AdvOfficeStatusBar1->addPanel(55, appinfo::version);
    AdvOfficeStatusBar1->addPanel(50);
    AdvOfficeStatusBar1->addPanel(unit1layout::clientSize.width() - 648 - 55 - 50,
                                  QStringLiteral("<A href=\"") + appinfo::webSite + QStringLiteral("\">")
                                      + appinfo::webSiteShown + QStringLiteral("</A>"));
    AdvOfficeStatusBar1->setGeometry(0, unit1layout::clientSize.height() - 19, unit1layout::clientSize.width(), 19);
}

void TForm1::applyTabOrder()
{
    std::vector<std::pair<int, QWidget*>> order;
    for (size_t i = 0; i < std::size(unit1layout::spinRows); ++i)
        order.emplace_back(unit1layout::spinRows[i].tab, findChild<TSpinEdit*>(QString::fromLatin1(unit1layout::spinRows[i].name)));
    for (const auto& row : unit1layout::timeButtonRows)
        order.emplace_back(row.tab, findChild<TXiButton*>(QString::fromLatin1(row.name)));
    order.insert(order.end(), {{2, XiButton2}, {4, HTMLComboBox1}, {17, XiButton11}, {19, CheckBox1},
                               {20, AdvSpinEdit1}, {22, AdvSmoothGauge1}});
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

QLabel* TForm1::label(const char* name) const
{
    return findChild<QLabel*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

bool TForm1::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        guarded([this] { FormActivate(); });
    return QWidget::event(e);
}

void TForm1::FormCreate()
{
    QGuiApplication::setApplicationDisplayName(appinfo::applicationTitle());
    setWindowTitle(appinfo::windowCaption());
}

void TForm1::FormActivate()
{
    if (first)
        return;
    first = true;
    Przelicz();
}

void TForm1::SpinEdit1Change() { Przelicz(); }
void TForm1::HTMLComboBox1Change() { Przelicz(); }
void TForm1::XiButton1Click() { TimeToSpin(SpinEdit1); }
void TForm1::XiButton3Click() { TimeToSpin(SpinEdit2); }
void TForm1::XiButton4Click() { TimeToSpin(SpinEdit3); }
void TForm1::XiButton6Click() { TimeToSpin(SpinEdit5); }
void TForm1::XiButton7Click() { TimeToSpin(SpinEdit6); }
void TForm1::XiButton8Click() { TimeToSpin(SpinEdit7); }
void TForm1::XiButton10Click() { TimeToSpin(SpinEdit9); }
