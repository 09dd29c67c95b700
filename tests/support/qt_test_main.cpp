#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

// Tests never open a real window: the offscreen platform is chosen before the QApplication
// exists, also when the binary runs outside ctest (gtest discovery, a developer's shell).
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
