#include "chart/UOEEChart.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/SpinEdit.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// What one keystroke in a field costs: the whole recalculation of the real window,
// including the chart redrawn on the 943 x 316 picture.
static void BM_keystrokeRecalculation(benchmark::State& state)
{
    TForm1 form;
    form.Przelicz();
    std::int32_t minutes = 45;
    for (auto _ : state) {
        minutes = minutes == 45 ? 46 : 45;
        form.SpinEdit6->setValue(minutes); // its change event runs Przelicz
    }
}
BENCHMARK(BM_keystrokeRecalculation)->Unit(benchmark::kMicrosecond);

static void BM_drawChart(benchmark::State& state)
{
    platform::TBitmap picture;
    picture.SetSize(943, 316);
    TOEEChart chart;
    chart.bar_width = 650;
    chart.bar_height = 25;
    chart.bar_o = 3;
    chart.full_name = true;
    chart.draw_oee_label = false;
    chart.SetValues(89.58f, 83.72f, 83.33f, 97.78f, 68.22f);
    for (auto _ : state) {
        picture.Canvas().Rectangle(1, 1, 1300, 1300);
        chart.DrawOEE(picture.Canvas(), 20, 10);
    }
}
BENCHMARK(BM_drawChart)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
