#include <QApplication>
#include <gtest/gtest.h>

// Widgets need an application object; gtest_main does not make one. The test
// list is also read at build time, where no display is set.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
