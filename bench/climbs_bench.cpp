// Finding the climbs of a route of 1,000 sections of 446 points, as the route view does at
// every update, on the smoothed and on the plain heights.
#include "model/climbs.h"
#include "support/route_builder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_AnstiegeFinden(benchmark::State& state) {
    const Profile p = Tour(1000);
    const bool geglaettet = state.range(0) != 0;
    size_t anzahl = 0;
    for (auto _ : state) {
        const std::vector<Anstieg> a = AnstiegeFinden(p, geglaettet);
        anzahl = a.size();
        benchmark::DoNotOptimize(a.data());
    }
    state.counters["points"] = p.Punktanzahl;
    state.counters["climbs"] = static_cast<double>(anzahl);
}
BENCHMARK(BM_AnstiegeFinden)->ArgName("smoothed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
