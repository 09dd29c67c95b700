// The track and course exports of a route of 1,000 sections (446,000 points, 2 m apart), in
// memory: the geodesic per point, the numbers and the times. The disk is left out.
#include "files/format_streams.h"
#include "files/route_formats.h"
#include "support/route_builder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Streckenexport(benchmark::State& state, const char* name) {
    static const Profile route = Tour(1000, MaxPunkte, 0.002f);
    const Routenformat& format = *FormatNamens(name);
    size_t bytes = 0;
    for (auto _ : state)
        bytes = RoutenInhalt(format, route).size();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK_CAPTURE(BM_Streckenexport, gpx, "gpx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Streckenexport, tcx, "tcx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Streckenexport, fit, "fit")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Streckenexport, crs, "crs")->Unit(benchmark::kMillisecond);

} // namespace
