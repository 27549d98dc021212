#include "chart/UOEEChart.h"
#include "model/UEfektOEE.h"
#include "platform/gui/AdvSpinEdit.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/HTMLComboBox.h"
#include "platform/gui/HTMLabel.h"
#include "platform/gui/PictureControl.h"
#include "platform/gui/SmoothGauge.h"
#include "platform/gui/SpinEdit.h"
#include "ui/Recalculation.h"
#include "ui/Unit1.h"

#include <QCheckBox>
#include <QLabel>
#include <memory>

using namespace recalculation;

void TForm1::Przelicz()
{
    // While the user has cleared a field to type a new number, nothing is recalculated.
    for (const platform::TSpinEdit* s :
         {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit4, SpinEdit5, SpinEdit6, SpinEdit7, SpinEdit8, SpinEdit9, SpinEdit11}) {
        if (s->text().isEmpty())
            return;
    }

    for (platform::TSpinEdit* s : {SpinEdit1, SpinEdit2, SpinEdit3, SpinEdit5, SpinEdit6, SpinEdit7, SpinEdit9})
        SpinHint(s);

    Times t;
    t.ordered = minutesToSeconds(SpinEdit1->value());
    t.planned = minutesToSeconds(SpinEdit2->value());
    t.changeover = minutesToSeconds(SpinEdit3->value());
    t.unplanned = minutesToSeconds(SpinEdit5->value());
    t.breakdowns = minutesToSeconds(SpinEdit6->value());
    t.working = minutesToSeconds(SpinEdit7->value());
    const std::int32_t rejects = SpinEdit8->value();

    Label12->setText(consistencyLine(t));
    Label12->adjustSize();

    const auto oee = std::make_unique<TEfektOEE>();
    oee->dWe.CzasZamowiony = t.ordered;
    oee->dWe.CPracy = t.working;
    oee->dWe.CSPostojuP = t.planned;
    oee->dWe.CSPostojuNP = t.unplanned;
    oee->dWe.CSAwarii = t.breakdowns;
    oee->dWe.CSPrzezbrajania = t.changeover;
    oee->dWe.OptymalnyCzas_P = minutesToSeconds(SpinEdit9->value());
    oee->TrybStratyPrzezbrajania = HTMLComboBox1->itemIndex();
    oee->dWe.CSUstawiania = 0;
    oee->dWe.Braki = static_cast<float>(rejects);
    oee->dWe.Wykonane = static_cast<float>(SpinEdit4->value());
    oee->policz();

    AdvSmoothGauge1->setValue(oee->dWy.OEE);
    drawChart(*oee, t.ordered);
    HTMLabel1->setHtmlText(formulasText(*oee));
    // A breakdown count of 0 (while typing) raises the division error here: the texts
    // below keep what they showed.
    HTMLabel2->setHtmlText(breakdownText(t.breakdowns, t.ordered, SpinEdit11->value()));
    HTMLabel4->setHtmlText(reserveAndLossText(*oee, t.ordered, AdvSpinEdit1->value(), rejects));
}

void TForm1::drawChart(const TEfektOEE& oee, std::int32_t ordered)
{
    const bool omitTimeBase = CheckBox1->isChecked();
    TOEEChart chart;
    chart.bar_width = 650;
    chart.bar_height = 30;
    chart.bar_o = 5;
    chart.draw_oee_label = false;
    chart.full_name = true;
    chart.use_cop = !omitTimeBase;
    if (!omitTimeBase) {
        chart.bar_height = 25;
        chart.bar_o = 3;
    }
    const Tefekt_wy& r = oee.dWy;
    chart.SetValues(r.CzasOperacyjnyProcent, r.DostepnoscProcent, r.WykorzystanieProcent, r.JakoscProcent, r.OEE);
    chart.z_label = QStringLiteral("czas zamówiony ") + duration(ordered);

    // The pen and brush the chart leaves behind are the picture's initial black pen and
    // white brush, so this clears the picture to white with a line along x = 1 and y = 1.
    platform::TCanvas& canvas = Image1->Canvas();
    canvas.Rectangle(1, 1, 1300, 1300);
    chart.DrawOEE(canvas, 20, 10);
}

void TForm1::SpinHint(platform::TSpinEdit* s)
{
    s->setShowHint(true);
    s->setHint(duration(minutesToSeconds(s->value())));
}
