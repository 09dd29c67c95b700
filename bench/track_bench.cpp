// Reading a track of 100,000 points (a long day's ride at one point a second) into sections, in
// memory, for each of the three formats: parsing, distances on the ellipsoid (GPX) or the
// file's own (TCX, FIT), resampling every 25 m.
#include "files/track_reading.h"
#include "support/message_log.h"
#include "support/temp_dir.h"
#include "support/track_builder.h"

#include <benchmark/benchmark.h>
#include <map>

namespace {

// The track as GPX and, through gpsbabel, TCX and FIT; made once.
const std::string& Datei(const std::string& format) {
    static const std::map<std::string, std::string> dateien = [] {
        std::map<std::string, std::string> d;
        TempDir dir;
        d["gpx"] = GpxAus(Huegelspur(100'000, 10.0));
        DateiAnlegen(dir.Datei("spur.gpx"), d["gpx"]);
        for (const char* f : {"gtrnctr", "garmin_fit"}) {
            Gpsbabel(dir.Datei("spur.gpx"), "gpx", dir.Datei(f), f);
            d[f] = DateiInhalt(dir.Datei(f));
        }
        return d;
    }();
    return dateien.at(format);
}

void BM_SpurLesen(benchmark::State& state, const std::string& format) {
    const std::string& inhalt = Datei(format);
    for (auto _ : state) {
        MeldungsProtokoll meldungen;
        const std::optional<Profile> p =
            SpurAusInhalt(Profile{}, inhalt, "spur", SpurAbstandVorgabe, meldungen);
        if (!p) state.SkipWithError("not read");
        benchmark::DoNotOptimize(p);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(inhalt.size()));
}
BENCHMARK_CAPTURE(BM_SpurLesen, gpx, "gpx")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpurLesen, tcx, "gtrnctr")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SpurLesen, fit, "garmin_fit")->Unit(benchmark::kMillisecond);

} // namespace
