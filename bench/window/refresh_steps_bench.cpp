// The steps that the window's actions are made of, each on its own, on the window with a route
// of 1,000 sections of 446 points 2 m apart, smoothed, half of it marked: where an action's
// time goes. The handlers run some of them more than once (see the README's performance
// section).
#include "app/graph_surface.h"
#include "app/section_list.h"
#include "app/window_fixture.h"
#include "display/list_lines.h"
#include "display/overall_graph.h"
#include "editing/marking.h"
#include "editing/mirroring.h"
#include "editing/moving.h"
#include "refresh/recalculation.h"
#include "support/message_log.h"
#include "support/route_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <benchmark/benchmark.h>

namespace {

struct Fenster {
    FensterUmgebung u;
    THoprex& f;
    Profile& gesamt;
    MeldungsProtokoll meldungen;
    Fenster() : f(u.Starten()), gesamt(f.Daten.Gesamt) {
        ProfilLaden(u, "route.hpx", Tour(1000, MaxPunkte, 0.002f), true);
        f.CB_Glaettung->setChecked(true);
        MarkierenMausDruck(gesamt, 200, false, false);
        MarkierenMausDruck(gesamt, 699, true, false);
        QApplication::processEvents();
    }
};

std::vector<QString> QZeilen(const Profile& p) {
    std::vector<QString> zeilen;
    for (const std::string& z : ListenZeilenGesamt(p))
        zeilen.push_back(QString::fromStdString(z));
    return zeilen;
}

// With the windows the keystroke benchmarks type: 450 or 451 m, gradients over 100 m. The
// smoothing window alternates with one a metre longer, so that every run takes the whole chain,
// as a keystroke does.
void BM_Schritt_Glaettungslauf(benchmark::State& state) {
    Fenster w;
    Nachrechnung nachrechnung;
    const auto L = static_cast<int32_t>(state.range(0));
    int32_t lauf = 0;
    for (auto _ : state)
        nachrechnung.Rechnen(w.gesamt, L + lauf++ % 2, 100);
}
BENCHMARK(BM_Schritt_Glaettungslauf)
    ->ArgName("metres")
    ->Arg(450)
    ->Arg(451)
    ->Unit(benchmark::kMillisecond);

void BM_Schritt_Statistik(benchmark::State& state) {
    Fenster w;
    for (auto _ : state)
        Statistik(w.gesamt);
}
BENCHMARK(BM_Schritt_Statistik)->Unit(benchmark::kMillisecond);

void BM_Schritt_ListenZeilen(benchmark::State& state) {
    Fenster w;
    for (auto _ : state)
        benchmark::DoNotOptimize(QZeilen(w.gesamt));
}
BENCHMARK(BM_Schritt_ListenZeilen)->Unit(benchmark::kMillisecond);

// The list's lines replaced (all 1,000 items anew), then painted.
void BM_Schritt_ZeilenSetzen(benchmark::State& state) {
    Fenster w;
    const std::vector<QString> zeilen = QZeilen(w.gesamt);
    for (auto _ : state) {
        w.f.LB_HAbschnitteGesamt->ZeilenSetzen(zeilen);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_Schritt_ZeilenSetzen)->Unit(benchmark::kMillisecond);

// The list's selection set item by item: half the route, or one section.
void BM_Schritt_AuswahlSetzen(benchmark::State& state) {
    Fenster w;
    if (state.range(0) == 0) MarkierenMausDruck(w.gesamt, 500, false, false);
    const std::vector<bool> auswahl = ListenAuswahl(w.gesamt);
    const std::vector<bool> keine(auswahl.size(), false);
    for (auto _ : state) {
        state.PauseTiming();
        w.f.LB_HAbschnitteGesamt->AuswahlSetzen(keine);
        state.ResumeTiming();
        w.f.LB_HAbschnitteGesamt->AuswahlSetzen(auswahl);
    }
}
BENCHMARK(BM_Schritt_AuswahlSetzen)->ArgName("half")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The overall graph and strip drawn into their images, and shown (painted).
void BM_Schritt_Graph(benchmark::State& state) {
    Fenster w;
    for (auto _ : state) {
        const GesamtBilder bilder = GraphGesamtBilder(w.f.Daten);
        if (state.range(0) != 0) {
            w.f.Image_Gesamt->BildSetzen(bilder.Graph);
            w.f.Image_Hoehenverlauf->BildSetzen(bilder.Streifen);
            QApplication::processEvents();
        }
    }
}
BENCHMARK(BM_Schritt_Graph)->ArgName("shown")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Moving the marked half of the route one place right and back, and mirroring it.
void BM_Schritt_Verschieben(benchmark::State& state) {
    Fenster w;
    if (state.range(0) == 0) MarkierenMausDruck(w.gesamt, 500, false, false);
    bool rechts = false;
    for (auto _ : state) {
        const Richtung r = (rechts = !rechts) ? Richtung::Rechts : Richtung::Links;
        if (const auto v = VerschiebungPlanen(w.gesamt, r, w.meldungen))
            BlockVerschieben(w.gesamt, *v);
    }
}
BENCHMARK(BM_Schritt_Verschieben)->ArgName("half")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Schritt_Spiegeln(benchmark::State& state) {
    Fenster w;
    for (auto _ : state) {
        MarkierterBlock block;
        if (MarkierterBlockSuchen(w.gesamt, block, w.meldungen)) BlockSpiegeln(w.gesamt, block);
    }
}
BENCHMARK(BM_Schritt_Spiegeln)->Unit(benchmark::kMillisecond);

} // namespace
