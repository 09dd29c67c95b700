#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

// The route view is a widget: its benchmarks run in a QApplication on the offscreen platform,
// as the tests do, so that they measure drawing and not a display server.
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication anwendung(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
