// The refresh chain that runs after every edit of the overall profile and on every click of a
// window-length spin button, in full: smoothing pass (with its statistics and gradient passes),
// then the statistics pass. The point-by-point walk runs beside it on the same routes for
// comparison.
#include "model/smoothing.h"
#include "refresh/recalculation.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// A route of `punkte` points in sections of 446, rolling hills, every step `meter` metres,
// stored in km the way the screenshot evaluation and the profile file store it.
Profile Strecke(int64_t punkte, int meter) {
    Profile p;
    const float abstand = static_cast<float>(meter * 0.001L);
    int64_t k = 0;
    while (k < punkte) {
        ProfileSection a;
        a.Punktanzahl = static_cast<int32_t>(std::min<int64_t>(MaxPunkte, punkte - k));
        for (int32_t j = 0; j < a.Punktanzahl; ++j, ++k) {
            a.Punkte[j].Hoehe =
                800 + static_cast<int32_t>(300.0 * std::sin(k * 0.001 * meter / 700.0));
            a.Punkte[j].Abstand = abstand;
        }
        p.Abschnitte.push_back(a);
    }
    return p;
}

using Kette = void (*)(Profile&, int32_t, int32_t);

// The refresh of one owner; its smoothing window alternates between L and L + 1 m, so that
// every run takes the whole chain, as a click on the spin button does.
void Schnell(Profile& p, int32_t L, int32_t G) {
    static Nachrechnung nachrechnung;
    static bool laenger = false;
    laenger = !laenger;
    nachrechnung.Rechnen(p, laenger ? L + 1 : L, G);
}

void Referenz(Profile& p, int32_t L, int32_t G) {
    GesamtNeuBerechnen(p, L, G);
}

void BM_RefreshChain(benchmark::State& state, Kette kette) {
    const int64_t punkte = state.range(0);
    const int meter = static_cast<int>(state.range(1));
    const int32_t L = static_cast<int32_t>(state.range(2));
    const int32_t G = static_cast<int32_t>(state.range(3));
    Profile p = Strecke(punkte, meter);
    for (auto _ : state) {
        kette(p, L, G);
        benchmark::DoNotOptimize(p.HoeheMaxGeglaettet);
    }
    state.counters["points"] = static_cast<double>(punkte);
}

// points, step in m, smoothing window in m, gradient window in m. The walk on the longest
// windows takes seconds per run; Google Benchmark then stops after one iteration by itself.
void Groessen(benchmark::internal::Benchmark* b) {
    b->ArgNames({"points", "step_m", "L", "G"})
        ->Args({10000, 20, 450, 100})
        ->Args({10000, 2, 3277, 999})
        ->Args({100000, 20, 450, 100})
        ->Args({100000, 2, 3277, 999})
        ->Args({446000, 20, 450, 100})
        ->Args({446000, 2, 450, 100})
        ->Args({446000, 20, 3277, 999})
        ->Args({446000, 2, 3277, 999})
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_RefreshChain, fast, &Schnell)->Apply(Groessen);
BENCHMARK_CAPTURE(BM_RefreshChain, reference, &Referenz)->Apply(Groessen);

// The statistics pass alone: it runs twice in every chain.
void BM_Statistik(benchmark::State& state) {
    Profile p = Strecke(state.range(0), 2);
    for (auto _ : state) {
        Statistik(p);
        benchmark::DoNotOptimize(p.HoeheMaxGeglaettet);
    }
}
BENCHMARK(BM_Statistik)->ArgName("points")->Arg(446000)->Unit(benchmark::kMillisecond);

} // namespace
