// The main window's editing and marking actions as the user triggers them, on routes of 100
// and 1,000 sections of 446 points 2 m apart, smoothing on. Each action is one click or key
// on the real controls, followed by processing the events it posted (the repaint included);
// the figure is per action. The route view stays closed, apart from one figure with it open.
#include "app/graph_surface.h"
#include "app/section_list.h"
#include "app/window_fixture.h"
#include "display/graph_mapping.h"
#include "support/route_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

// The window with the route loaded through "Öffnen" and smoothing switched on, and one section
// of the same kind loaded into the upper half (marked, ready to be transferred).
struct Fenster {
    FensterUmgebung u;
    THoprex& f;
    explicit Fenster(int64_t abschnitte) : f(u.Starten()) {
        ProfilLaden(u, "route.hpx", Tour(static_cast<int32_t>(abschnitte), MaxPunkte, 0.002f),
                    true);
        ProfilLaden(u, "abschnitt.hpx", Tour(1, MaxPunkte, 0.002f), false);
        f.CB_Glaettung->setChecked(true);
        QApplication::processEvents();
    }
    // The overall graph's pixel column at `anteil` of its width.
    QPoint Spalte(double anteil) const {
        return {static_cast<int>(anteil * (GraphBreite - 1)), 20};
    }
    void Klick(QWidget* w) {
        MausKlick(w);
        QApplication::processEvents();
    }
    void GraphKlick(double anteil, Qt::KeyboardModifiers umschalter = {}) {
        MausKlick(f.Image_Gesamt, Spalte(anteil), umschalter);
        QApplication::processEvents();
    }
    // A plain click at `von`, a Shift click at `bis`: the sections between marked.
    void Markieren(double von, double bis) {
        GraphKlick(von);
        GraphKlick(bis, Qt::ShiftModifier);
    }
};

void Abschnitte(benchmark::internal::Benchmark* b) {
    b->ArgName("sections")->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
}

void BM_GlaettungEinAus(benchmark::State& state) {
    Fenster w(state.range(0));
    for (auto _ : state)
        w.Klick(w.f.CB_Glaettung);
}
BENCHMARK(BM_GlaettungEinAus)->Apply(Abschnitte);

// A plain click marks the one section under the pointer; two places in turn.
void BM_GraphKlick(benchmark::State& state) {
    Fenster w(state.range(0));
    bool links = false;
    for (auto _ : state)
        w.GraphKlick((links = !links) ? 0.3 : 0.6);
}
BENCHMARK(BM_GraphKlick)->Apply(Abschnitte);

// Shift click from a section at 10 % of the route: half the route marked, then one column more.
void BM_GraphShiftKlick(benchmark::State& state) {
    Fenster w(state.range(0));
    w.GraphKlick(0.1);
    bool weiter = false;
    for (auto _ : state)
        w.GraphKlick((weiter = !weiter) ? 0.6 : 0.59, Qt::ShiftModifier);
}
BENCHMARK(BM_GraphShiftKlick)->Apply(Abschnitte);

void BM_GraphStrgKlick(benchmark::State& state) {
    Fenster w(state.range(0));
    for (auto _ : state)
        w.GraphKlick(0.5, Qt::ControlModifier);
}
BENCHMARK(BM_GraphStrgKlick)->Apply(Abschnitte);

// Dragging with the left button held from 10 % of the route, over columns at 50 and 51 %.
void BM_GraphZiehen(benchmark::State& state) {
    Fenster w(state.range(0));
    MausDruck(w.f.Image_Gesamt, w.Spalte(0.1));
    bool weiter = false;
    for (auto _ : state) {
        MausZiehen(w.f.Image_Gesamt, w.Spalte((weiter = !weiter) ? 0.51 : 0.5));
        QApplication::processEvents();
    }
    MausLoslassen(w.f.Image_Gesamt, w.Spalte(0.5));
}
BENCHMARK(BM_GraphZiehen)->Apply(Abschnitte);

// A click on the first or the third line of the list, a Shift click from the first line.
void BM_ListenKlick(benchmark::State& state) {
    Fenster w(state.range(0));
    TAbschnittListe* liste = w.f.LB_HAbschnitteGesamt;
    const Qt::KeyboardModifiers umschalter =
        state.range(1) != 0 ? Qt::ShiftModifier : Qt::NoModifier;
    MausKlick(liste->viewport(), liste->visualItemRect(liste->item(0)).center());
    bool weiter = false;
    for (auto _ : state) {
        const int zeile = (weiter = !weiter) ? 2 : 1;
        MausKlick(liste->viewport(), liste->visualItemRect(liste->item(zeile)).center(),
                  umschalter);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ListenKlick)
    ->ArgNames({"sections", "shift"})
    ->ArgsProduct({{100, 1000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The insertion mark one gap right and back.
void BM_EinfuegemarkeBewegen(benchmark::State& state) {
    Fenster w(state.range(0));
    bool rechts = false;
    for (auto _ : state)
        w.Klick((rechts = !rechts) ? w.f.B_EinfuegeMarkeR : w.f.B_EinfuegeMarkeL);
}
BENCHMARK(BM_EinfuegemarkeBewegen)->Apply(Abschnitte);

// The marked sections one place right and back: one section, or half the route (range 1).
void BM_AbschnitteBewegen(benchmark::State& state) {
    Fenster w(state.range(0));
    if (state.range(1) != 0)
        w.Markieren(0.2, 0.7);
    else
        w.GraphKlick(0.5);
    bool rechts = false;
    for (auto _ : state)
        w.Klick((rechts = !rechts) ? w.f.B_AbschnittR : w.f.B_AbschnittL);
}
BENCHMARK(BM_AbschnitteBewegen)
    ->ArgNames({"sections", "half"})
    ->ArgsProduct({{100, 1000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The marked sections to the far end and back to the start.
void BM_AbschnitteGanzBewegen(benchmark::State& state) {
    Fenster w(state.range(0));
    w.GraphKlick(0.5);
    bool rechts = false;
    for (auto _ : state)
        w.Klick((rechts = !rechts) ? w.f.B_AbschnittRR : w.f.B_AbschnittLL);
}
BENCHMARK(BM_AbschnitteGanzBewegen)->Apply(Abschnitte);

void BM_Spiegeln(benchmark::State& state) {
    Fenster w(state.range(0));
    if (state.range(1) != 0)
        w.Markieren(0.2, 0.7);
    else
        w.GraphKlick(0.5);
    for (auto _ : state)
        w.Klick(w.f.B_AbschnitteSpiegeln);
}
BENCHMARK(BM_Spiegeln)
    ->ArgNames({"sections", "half"})
    ->ArgsProduct({{100, 1000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// "Übertragen" of one section into the middle of the route, and "Löschen" of it (the copy is
// the one marked section): each measured with the other one paused.
void BM_Uebertragen(benchmark::State& state) {
    Fenster w(state.range(0));
    w.GraphKlick(0.5);
    for (auto _ : state) {
        w.Klick(w.f.BT_WerteUebernehmen);
        state.PauseTiming();
        w.Klick(w.f.BT_GesamtWerteLoeschen);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Uebertragen)->Apply(Abschnitte);

void BM_Loeschen(benchmark::State& state) {
    Fenster w(state.range(0));
    w.GraphKlick(0.5);
    for (auto _ : state) {
        state.PauseTiming();
        w.Klick(w.f.BT_WerteUebernehmen);
        state.ResumeTiming();
        w.Klick(w.f.BT_GesamtWerteLoeschen);
    }
}
BENCHMARK(BM_Loeschen)->Apply(Abschnitte);

// One keystroke in a window length or the gradient scale per figure: the last digit deleted,
// then typed anew, in turn (450, 45, 451, 45, 450 m; 30, 3, 31 %; 100, 10, 101 m). Each
// keystroke changes the text and runs the field's change handler.
void Tastendruck(benchmark::State& state, QLineEdit* THoprex::*feld, const char* start) {
    Fenster w(state.range(0));
    QLineEdit* edit = w.f.*feld;
    edit->setText(QString::fromLatin1(start));
    QApplication::processEvents();
    edit->setFocus();
    edit->end(false);
    int schritt = 0;
    for (auto _ : state) {
        switch (schritt++ % 4) {
        case 0:
        case 2: Taste(edit, Qt::Key_Backspace); break;
        case 1: Taste(edit, Qt::Key_1, {}, QStringLiteral("1")); break;
        default: Taste(edit, Qt::Key_0, {}, QStringLiteral("0")); break;
        }
        QApplication::processEvents();
    }
}
void BM_T_Schwelle(benchmark::State& state) {
    Tastendruck(state, &THoprex::T_Schwelle, "450");
}
BENCHMARK(BM_T_Schwelle)->Apply(Abschnitte);
void BM_T_Steigung(benchmark::State& state) {
    Tastendruck(state, &THoprex::T_Steigung, "30");
}
BENCHMARK(BM_T_Steigung)->Apply(Abschnitte);
void BM_T_SteigungGlaettung(benchmark::State& state) {
    Tastendruck(state, &THoprex::T_SteigungGlaettung, "100");
}
BENCHMARK(BM_T_SteigungGlaettung)->Apply(Abschnitte);

// Moving one section with the route view open: the view follows the edit at once.
void BM_AbschnittBewegenMitRoutenprofil(benchmark::State& state) {
    Fenster w(state.range(0));
    w.f.activateWindow();
    QTest::keyClick(&w.f, Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    w.GraphKlick(0.5);
    bool rechts = false;
    for (auto _ : state)
        w.Klick((rechts = !rechts) ? w.f.B_AbschnittR : w.f.B_AbschnittL);
}
BENCHMARK(BM_AbschnittBewegenMitRoutenprofil)->Apply(Abschnitte);

} // namespace
