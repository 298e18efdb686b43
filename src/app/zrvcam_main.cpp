#include <QApplication>

#include "ui/desktop_setup.h"
#include "ui/german_dialogs.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const auto germanDialogs = zrv::installGermanDialogs();
    zrv::QtPlatform platform;
    zrv::MainWindow window(zrv::desktopSetup(QCoreApplication::arguments()), platform);
    platform.setParent(&window);
    window.show();
    return QApplication::exec();
}
