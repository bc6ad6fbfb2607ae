#include "ui/DesktopPlatform.h"
#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DesktopPlatform platform;
    Form1 window(platform);
    if (!window.Form_Load()) return 1;
    window.show();
    return app.exec();
}
