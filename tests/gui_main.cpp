// The GUI tests' entry point: widgets need a QApplication before any test builds one.

#include <QApplication>
#include <gtest/gtest.h>

#include "platform/skin.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kestrin::platform::skin::applyTo(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
