// main() of the Qt test executables: a QApplication on the offscreen
// platform, then every GoogleTest test.
#include "app/ViewRegistry.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    RegisterAllViews();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
