// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Centring.h"
#include "ui/DesktopPlatform.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv) {
    // No organisation: the player's own figures then live in
    // ~/.local/share/sietari, the folder the catalogue lookup tries first. On
    // X11 the name is also the window's class, which the desktop entry's
    // StartupWMClass names, so that docks put the window under its icon.
    QCoreApplication::setApplicationName(QStringLiteral("sietari"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0"));
    // Names the installed org.example.sietari.desktop, whose icon a Wayland desktop shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.sietari"));
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
