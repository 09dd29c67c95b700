// Drawing of the overall graph and the gradient strip for long routes: every point is visited
// (its float32 position decides its column), at most one segment and one bar per column drawn.
#include "display/current_graph.h"
#include "display/overall_graph.h"
#include "model/marked_statistics.h"
#include "model/smoothing.h"

#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// `abschnitte` sections of 446 points, 20 m apart, rolling hills; every third section marked;
// smoothed and with gradients, as after the refresh chain.
Profile Route(int32_t abschnitte) {
    Profile p;
    int64_t k = 0;
    for (int32_t i = 0; i < abschnitte; ++i) {
        ProfileSection a;
        a.Punktanzahl = MaxPunkte;
        for (int32_t j = 0; j < MaxPunkte; ++j, ++k) {
            a.Punkte[j].Hoehe = 800 + static_cast<int32_t>(300.0 * std::sin(k * 0.02 / 0.7));
            a.Punkte[j].Abstand = 0.02f;
        }
        a.Markiert = i % 3 == 0;
        p.Abschnitte.push_back(a);
    }
    Glaettungslauf(p, 450, 100);
    Statistik(p);
    p.SteigungMax = 30;
    return p;
}

void BM_GraphGesamt(benchmark::State& state) {
    Profile p = Route(static_cast<int32_t>(state.range(0)));
    p.GlaettungEinAus = state.range(1) != 0;
    const Hoehenskala skala = HoehenskalaFuer(p, false, 0, 0);
    QImage graph(GraphBreite, GraphGesamtHoehe, QImage::Format_RGB32);
    QImage streifen(GraphBreite, SteigungsStreifenHoehe, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter g(&graph);
        QPainter s(&streifen);
        benchmark::DoNotOptimize(GraphGesamtZeichnen(g, s, p, skala, p.AnzahlAbschnitte() / 2));
        MarkierteStatistikBerechnen(p);
    }
    state.counters["points"] = static_cast<double>(p.Punktanzahl);
}

// sections of 446 points, smoothing on or off
BENCHMARK(BM_GraphGesamt)
    ->ArgNames({"sections", "smoothed"})
    ->Args({1, 1})
    ->Args({100, 1})
    ->Args({1000, 1})
    ->Args({1000, 0})
    ->Unit(benchmark::kMillisecond);

void BM_GraphAktuell(benchmark::State& state) {
    HoprexDaten d;
    d.Aktuell = Route(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphAktuellBild(d));
}
BENCHMARK(BM_GraphAktuell)->Unit(benchmark::kMicrosecond);

} // namespace
