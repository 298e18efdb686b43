#include <QApplication>

#include "ui/platform/desktop_setup.h"
#include "ui/platform/german_dialogs.h"
#include "ui/platform/qt_platform.h"
#include "ui/window/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto germanDialogs = zrv::installGermanDialogs();
    zrv::QtPlatform platform;
    zrv::MainWindow window(zrv::desktopSetup(QCoreApplication::arguments()), platform);
    platform.setParent(&window);
    window.show();
    return QApplication::exec();
}
