// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Centring.h"
#include "ui/DesktopPlatform.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    DesktopPlatform::nameProgram();
    QApplication app(argc, argv);

    // The whole interface speaks Spanish, so Qt's own buttons ("Aceptar",
    // "Cancelar") do too, whatever the desktop's language.
    QTranslator qtSpanish;
    if (qtSpanish.load(QStringLiteral("qtbase_es"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtSpanish);

    DesktopPlatform platform;
    Form1 window(platform);
    if (!window.Form_Load()) return 1;
    centreOnPointerScreen(&window);
    window.show();
    return app.exec();
}
