// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for long runs outside the test suite: any bytes as the
// catalogue, read by a window that shows every figure and runs the hints.
#include "FakePlatform.h"
#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static int argc = 1;
    static char name[] = "fuzz_catalogue";
    static char* argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    static FakePlatform platform;
    static Form1 form(platform);
    Q_UNUSED(offscreen);
    platform.writeCatalogue(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    form.M.AppFolder = platform.folder + QLatin1Char('/');
    if (!form.LoadCatalogue()) return 0;
    for (int row = 0; row < form.List1->count() && row < 64; ++row) {
        form.selectFigure(row);
        form.MnuFicha->trigger();
        form.MnuSolucion->trigger();
    }
    return 0;
}
