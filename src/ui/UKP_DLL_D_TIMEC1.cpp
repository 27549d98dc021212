#include "ui/UKP_DLL_D_TIMEC1.h"

#include "platform/gui/SpinEdit.h"
#include "platform/gui/XiButton.h"
#include "ui/AbGradient.h"
#include "ui/Fonts.h"
#include "ui/Glyphs.h"
#include "ui/Guarded.h"
#include "ui/TimeSplit.h"

#include <QCursor>
#include <QLabel>
#include <QPainter>

using namespace platform;

namespace {

TSpinEdit* makeField(QWidget* parent, const char* name, int x, std::int32_t maximum)
{
    auto* s = new TSpinEdit(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setGeometry(x, 24, 65, 26);
    s->setFont(arial(13));
    s->setRange(0, maximum);
    s->setValue(0);
    return s;
}

} // namespace

TKP_DLL_D_TIMEC1::TKP_DLL_D_TIMEC1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("KP_DLL_D_TIMEC1"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("KP_DLL_D_TIMEC1"));
    setFixedSize(234, 110);
    setFont(arial(12));

    AbGradient1 = new TAbGradient(this);
    AbGradient1->setObjectName(QStringLiteral("AbGradient1"));
    AbGradient1->setColors(0x80FFFF, 0x00D2D2); // #FFFF80 to #D2D200
    AbGradient1->setStyle(TGradientStyle::gsHorizontal1);

    SpinEdit1 = makeField(this, "SpinEdit1", 8, 99999);
    SpinEdit2 = makeField(this, "SpinEdit2", 80, 9999);
    SpinEdit3 = makeField(this, "SpinEdit3", 152, 9999);

    Label1 = new QLabel(QStringLiteral("Dni") + QString(18, u' ') + QStringLiteral("Godzin") + QString(11, u' ')
                            + QStringLiteral("Minut"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    Label1->move(8, 52);
    Label1->adjustSize();

    XiButton1 = new TXiButton(this);
    XiButton1->setObjectName(QStringLiteral("XiButton1"));
    XiButton1->setGeometry(8, 70, 105, 30);
    XiButton1->setText(QStringLiteral("OK"));
    XiButton1->setFont(arial(15));
    XiButton1->setGlyph(glyphs::checkMark());
    XiButton1->setColorScheme(TColorScheme::csNeoDesert);
    XiButton1->setDrawFocusRect(true);
    XiButton1->setFocusPolicy(Qt::ClickFocus);
    connect(XiButton1, &TXiButton::clicked, this, [this] { guarded([this] { XiButton1Click(); }); });

    XiButton2 = new TXiButton(this);
    XiButton2->setObjectName(QStringLiteral("XiButton2"));
    XiButton2->setGeometry(200, 70, 17, 17);
    XiButton2->setText(QStringLiteral("x"));
    XiButton2->setColorScheme(TColorScheme::csNeoRose);
    XiButton2->setFocusPolicy(Qt::ClickFocus);
    connect(XiButton2, &TXiButton::clicked, this, [this] { guarded([this] { XiButton2Click(); }); });

    // The gradient lies under everything else.
    AbGradient1->lower();
    FormCreate();
}

void TKP_DLL_D_TIMEC1::FormCreate()
{
    AbGradient1->setGeometry(2, 2, width() - 4, height() - 4);
    for (TSpinEdit* s : {SpinEdit1, SpinEdit2, SpinEdit3})
        s->setFlat(true);
    // The black background shows as a 2-pixel frame around the gradient.
    background_ = Qt::black;
    update();
    QPalette text = Label1->palette();
    text.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(text);
}

// The background is painted here rather than through the palette, which the fields and
// buttons would inherit.
void TKP_DLL_D_TIMEC1::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), background_);
}

void TKP_DLL_D_TIMEC1::Setup()
{
    move(QCursor::pos());
    const TimeSplit t = TimeSplit::fromSeconds(start);
    SpinEdit3->setValue(t.minutes);
    SpinEdit2->setValue(t.hours);
    SpinEdit1->setValue(t.days);
}

void TKP_DLL_D_TIMEC1::XiButton1Click()
{
    wynik = TimeSplit{SpinEdit1->value(), SpinEdit2->value(), SpinEdit3->value()}.toSeconds();
    accept();
}

void TKP_DLL_D_TIMEC1::XiButton2Click()
{
    for (TSpinEdit* s : {SpinEdit1, SpinEdit2, SpinEdit3})
        s->setValue(0);
}
