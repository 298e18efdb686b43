#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // The registration sets the platform too; this keeps a plain run and the test listing
    // off any display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
