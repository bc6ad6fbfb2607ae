// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one applied drag move: the handler, the re-cut and the pending
// events it lets run (the repaint included), on the offscreen platform.
#include "FakePlatform.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {
constexpr int kLeft = 1;

struct ShownWindow {
    FakePlatform platform;
    Form1 form{platform};
    ShownWindow() {
        form.Form_Load();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form)) qFatal("the window was never shown");
    }
};

// Moves back and forth by one pixel so that every move is applied.
void dragBackAndForth(benchmark::State& state, Form1& form, int index, float x, float y) {
    form.Command1_MouseDown(index, kLeft, 0, x, y);
    float step = 15;
    for (auto _ : state) {
        x += step;
        step = -step;
        form.Command1_MouseMove(index, kLeft, 0, x, y);
    }
    form.Command1_MouseUp(index, kLeft, 0, x, y);
}

void BM_DragOnePiece(benchmark::State& state) {
    ShownWindow window;
    Form1& form = window.form;
    const float x = float(form.M.PieceCentre[4][1]);
    const float y = float(form.M.PieceCentre[4][2]);
    dragBackAndForth(state, form, 4, x, y);
}
BENCHMARK(BM_DragOnePiece)->Unit(benchmark::kMicrosecond);

// The band's right edge (board twips) decides the members: 1100 gathers the
// two pieces on the left edge of the start layout, 6450 all seven.
void BM_DragGroupOutline(benchmark::State& state) {
    ShownWindow window;
    Form1& form = window.form;
    form.Label1_MouseDown(0, kLeft, 0, 30, 3000);
    form.Label1_MouseUp(0, kLeft, 0, float(state.range(0)), 6480);
    if (!form.GroupSelected) {
        state.SkipWithError("no group was made");
        return;
    }
    state.counters["members"] = form.ReshapeCount;
    const int first = form.ReshapeList[1];
    dragBackAndForth(state, form, 7, float(form.M.PieceVertex[first][1][1] * 15),
                     float(form.M.PieceVertex[first][1][2] * 15));
}
BENCHMARK(BM_DragGroupOutline)->Arg(1100)->Arg(6450)->Unit(benchmark::kMicrosecond);
} // namespace
