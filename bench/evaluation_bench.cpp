// One press of "Aus Ablage" without the window: the whole evaluation of a viewer screenshot,
// from the clipboard bitmap (copied in each round, as the window hands it over) to the new
// current profile.
#include "evaluation/evaluation_driver.h"
#include "support/screenshot_builder.h"

#include <benchmark/benchmark.h>

namespace {

class Stumm : public Meldungen {
public:
    void Meldung(const std::string&, const std::string&) override {}
};

TScreenshot Bildschirmfoto(int32_t layout) {
    TScreenshot s;
    s.Layout = layout;
    if (layout == 1) {
        s.Strecke = "12 km";
        s.Kurve = KurveAusStrecken(1, 60, {{120, 1}, {60, -1}, {80, 0}, {60, -1}, {100, 1}});
        s.Stuetzpunkte = {100, 200, 300, 350, 450};
        s.Kreuze = {Kreuzposition::Ausgangslage};
    } else {
        s.Strecke = "4100 m";
        s.Kurve = KurveAusStrecken(
            2, 200,
            {{50, -2}, {60, 1}, {40, -1}, {30, 2}, {80, -1}, {20, 0}, {60, 1}, {50, -1}, {20, 2}});
        s.Stuetzpunkte = {140, 200, 330, 420, 480};
        s.Horizontallinien = {90, 190};
        s.Kreuze = {Kreuzposition::GanzRechts};
    }
    s.Dicke = 3;
    s.Kantenglaettung = true;
    return s;
}

void BM_Auswertung(benchmark::State& state) {
    const TBitmap bild = ScreenshotBauen(Bildschirmfoto(static_cast<int32_t>(state.range(0))));
    TAuswertung auswertung;
    Profile aktuell;
    Stumm meldungen;
    for (auto _ : state) {
        const AuswertungsErgebnis e =
            BitmapAuswerten(bild, auswertung, aktuell, meldungen, [](int32_t) {});
        if (e != AuswertungsErgebnis::Ausgewertet) state.SkipWithError("not evaluated");
        benchmark::DoNotOptimize(aktuell.Strecke);
    }
}

BENCHMARK(BM_Auswertung)->ArgName("layout")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
