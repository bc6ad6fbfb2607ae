// Cost of reading a full catalogue at start-up and of showing one figure.
#include "FakePlatform.h"
#include "ui/Form1.h"

#include <QListWidget>
#include <benchmark/benchmark.h>

namespace {
// The largest catalogue the first versions of the game could hold.
constexpr int kFigures = 574;

QByteArray largeCatalogue() {
    QByteArray bytes;
    for (int i = 1; i <= kFigures; ++i)
        bytes += FakePlatform::figureRecord("FIGURA" + QByteArray::number(i));
    return bytes;
}

void BM_LoadCatalogue(benchmark::State& state) {
    FakePlatform platform;
    platform.writeCatalogue(largeCatalogue());
    Form1 form(platform);
    form.M.AppFolder = platform.folder + QLatin1Char('/');
    for (auto _ : state)
        benchmark::DoNotOptimize(form.LoadCatalogue());
    state.counters["names"] = form.List1->count();
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

void BM_ShowFigure(benchmark::State& state) {
    FakePlatform platform;
    platform.writeCatalogue(largeCatalogue());
    Form1 form(platform);
    if (!form.Form_Load()) {
        state.SkipWithError("the catalogue did not load");
        return;
    }
    form.show();
    int row = 0;
    for (auto _ : state) {
        form.selectFigure(row);
        row = (row + 1) % kFigures;
    }
}
BENCHMARK(BM_ShowFigure)->Unit(benchmark::kMicrosecond);
} // namespace
