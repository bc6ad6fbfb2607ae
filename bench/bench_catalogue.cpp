// SPDX-License-Identifier: GPL-3.0-or-later
// Catalogues of 574, 8,264 and 200,000 generated figures: the time to read
// one and the memory it adds, a click on a name, and the start-up to a shown
// main window against the shipped catalogue's.
#include "FakePlatform.h"
#include "ui/Form1.h"

#include <QFile>
#include <QListWidget>
#include <QTest>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>

namespace {
QByteArray generatedCatalogue(int figures) {
    QByteArray bytes;
    for (int i = 1; i <= figures; ++i)
        bytes += FakePlatform::figureRecord("FIGURA" + QByteArray::number(i));
    return bytes;
}

// The shipped catalogue for 0 figures, else a generated one.
QByteArray catalogue(int figures) {
    QFile shipped(QStringLiteral(SIETARI_SOURCE_DIR "/data/Sietari.dat"));
    if (figures == 0 && shipped.open(QIODevice::ReadOnly)) return shipped.readAll();
    return generatedCatalogue(figures);
}

double heapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

void BM_LoadCatalogue(benchmark::State& state) {
    FakePlatform platform;
    platform.writeCatalogue(catalogue(int(state.range(0))));
    double added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<Form1>(platform);
        form->M.AppFolder = platform.folder + QLatin1Char('/');
        const double before = heapBytes();
        state.ResumeTiming();
        benchmark::DoNotOptimize(form->LoadCatalogue());
        state.PauseTiming();
        added = heapBytes() - before;
        form.reset();
        state.ResumeTiming();
    }
    state.counters["MB_added"] = added / 1e6;
}
BENCHMARK(BM_LoadCatalogue)->Arg(574)->Arg(8264)->Arg(200000)->Unit(benchmark::kMillisecond);

// A click shows the record of its row: the same cost in a catalogue of any size.
void BM_ClickName(benchmark::State& state) {
    const int figures = int(state.range(0));
    FakePlatform platform;
    platform.writeCatalogue(catalogue(figures));
    Form1 form(platform);
    if (!form.Form_Load()) {
        state.SkipWithError("the catalogue did not load");
        return;
    }
    form.show();
    int row = 0;
    for (auto _ : state) {
        form.selectFigure(row);
        row = (row + 7919) % figures;
    }
}
BENCHMARK(BM_ClickName)->Arg(574)->Arg(200000)->Unit(benchmark::kMicrosecond);

// From nothing to a main window on the screen; 0 is the shipped catalogue.
void BM_StartUp(benchmark::State& state) {
    FakePlatform platform;
    platform.writeCatalogue(catalogue(int(state.range(0))));
    for (auto _ : state) {
        Form1 form(platform);
        if (!form.Form_Load()) state.SkipWithError("the catalogue did not load");
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) state.SkipWithError("never shown");
    }
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(8264)->Unit(benchmark::kMillisecond);
} // namespace
