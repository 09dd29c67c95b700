// The file formats' text at 446,000 points (1,000 sections of 446, 2 m apart), in memory:
// the profile file written and read, the text export with the options of a new settings file
// and with every column. The disk is left out; the window's benchmarks include it.
#include "files/profile_file.h"
#include "files/text_export.h"
#include "support/route_builder.h"

#include <benchmark/benchmark.h>

namespace {

const Profile& Route() {
    static const Profile route = [] {
        Profile p = Tour(1000, MaxPunkte, 0.002f);
        p.Abschnitte[1].Beschreibung = "Über den Paß";
        p.Abschnitte[2].Punkte[5].Stuetzpunkt = 1;
        return p;
    }();
    return route;
}

void BM_ProfilDateiInhalt(benchmark::State& state) {
    size_t bytes = 0;
    for (auto _ : state)
        bytes = ProfilDateiInhalt(Route()).size();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_ProfilDateiInhalt)->Unit(benchmark::kMillisecond);

void BM_ProfilDateiLesen(benchmark::State& state) {
    const std::string text = ProfilDateiInhalt(Route());
    for (auto _ : state) {
        Profile p;
        int32_t zeile = 0;
        if (!ProfilDateiLesen(text, 0, p, zeile)) state.SkipWithError("not read");
        benchmark::DoNotOptimize(p.Abschnitte.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ProfilDateiLesen)->Unit(benchmark::kMillisecond);

// Export with the default options, or with header, sections, vertices and smoothing.
void BM_ExportInhalt(benchmark::State& state) {
    TExportOptions o;
    if (state.range(0) != 0) o.Header = o.Abschnitte = o.Stuetzpunkte = o.Glaettung = true;
    size_t bytes = 0;
    for (auto _ : state)
        bytes = ExportInhalt(Route(), o).size();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_ExportInhalt)->ArgName("all")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
