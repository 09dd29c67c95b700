#include "support/temp_dir.h"

#include <cstdlib>
#include <gtest/gtest.h>

// Widget tests need a QApplication; the drawing and the command-line tool's tests need no more
// than Qt Gui, and so do not link Qt Widgets.
#ifdef HOPREX_TEST_WIDGETS
#include <QApplication>
using TestAnwendung = QApplication;
#else
#include <QGuiApplication>
using TestAnwendung = QGuiApplication;
#endif

// Tests never open a real window: the offscreen platform is chosen before the application
// object exists, also when the binary runs outside ctest (gtest discovery, a developer's shell).
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TestAnwendung app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    // Writes in place keep the old bytes in the state folder: the test's own, not the user's.
    const TempDir zustand;
    setenv("XDG_STATE_HOME", zustand.Pfad().c_str(), 1);
    return RUN_ALL_TESTS();
}
