#include "model/UEfektOEE.h"
#include "platform/NumberFormat.h"
#include "util/TmyStr.h"

#include <benchmark/benchmark.h>

// One calculation as the main window runs it on every keystroke.
static void BM_policz(benchmark::State& state)
{
    for (auto _ : state) {
        TEfektOEE e;
        e.dWe.CzasZamowiony = 28800;
        e.dWe.CSPostojuP = 2100;
        e.dWe.CSPrzezbrajania = 1800;
        e.dWe.CSPostojuNP = 600;
        e.dWe.CSAwarii = 2700;
        e.dWe.CPracy = 18000;
        e.dWe.OptymalnyCzas_P = 900;
        e.dWe.Braki = 200;
        e.dWe.Wykonane = 9000;
        e.TrybStratyPrzezbrajania = 2;
        e.policz();
        benchmark::DoNotOptimize(e.dWy.OEE);
    }
}
BENCHMARK(BM_policz);

static void BM_FormatFloat(benchmark::State& state)
{
    const QString pattern = QStringLiteral("#00.00%");
    const auto settings = platform::FormatSettings::c();
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::FormatFloat(pattern, 89.583336f, settings));
}
BENCHMARK(BM_FormatFloat);

static void BM_MyStringReplace(benchmark::State& state)
{
    const QString text = QStringLiteral("<font color=\"clblue\" ><b>Cz.Operacyjny</b></font> $$1 =$$i <font color=\"clblue\" >"
                                        "<b>Cz.Zamówiony</b></font> $$2 - <font color=\"clred\" ><b>Cz.P. Planowanego</b></font>");
    for (auto _ : state)
        benchmark::DoNotOptimize(TmyStr::MyStringReplace(text, QStringLiteral("$$1"), QStringLiteral("[07:10:00]")));
}
BENCHMARK(BM_MyStringReplace);

BENCHMARK_MAIN();
