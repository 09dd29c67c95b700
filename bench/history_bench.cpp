// What the window's history and its recovery copy cost on a route of 1,000 sections of 446
// points (about 11 MB): the memory of 100 steps of each kind beyond the route, and how long the
// window thread is blocked when a recovery copy is taken.
#include "display/undo_commands.h"
#include "editing/marked_block.h"
#include "editing/moving.h"
#include "files/recovery_file.h"
#include "model/messages.h"
#include "support/temp_dir.h"

#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <malloc.h>

namespace {

class KeineMeldungen : public Meldungen {
public:
    void Meldung(const std::string&, const std::string&) override {}
};

ProfileSection Abschnitt446(int32_t i) {
    ProfileSection a;
    a.Punktanzahl = MaxPunkte;
    for (int32_t j = 0; j < MaxPunkte; ++j) {
        a.Punkte[j].Hoehe = 800 + (i * 7 + j) % 300;
        a.Punkte[j].Abstand = 0.02f;
    }
    a.Beschreibung = "Abschnitt " + std::to_string(i);
    return a;
}

HoprexDaten Daten(int32_t abschnitte) {
    HoprexDaten d;
    for (int32_t i = 0; i < abschnitte; ++i)
        d.Gesamt.Abschnitte.push_back(Abschnitt446(i));
    d.Aktuell.Abschnitte.push_back(Abschnitt446(0));
    d.Aktuell.Abschnitte[0].Markiert = 1;
    d.Einfuegemarke = abschnitte / 2;
    return d;
}

size_t Belegt() {
    return mallinfo2().uordblks;
}

void Markieren(Profile& p, int32_t erster, int32_t anzahl) {
    for (int32_t i = 0; i < p.AnzahlAbschnitte(); ++i)
        p.Abschnitte[i].Markiert = i >= erster && i < erster + anzahl;
}

// 100 moves of a 10-section block, 100 mirrors of it, 100 transfers of one section and 100
// description edits, as the window pushes them; the history's memory is what clearing it frees.
void BM_VerlaufSpeicher(benchmark::State& state) {
    KeineMeldungen meldungen;
    for (auto _ : state) {
        HoprexDaten d = Daten(1000);
        QUndoStack verlauf;
        for (int i = 0; i < 100; ++i) {
            Markieren(d.Gesamt, 100 + i % 50, 10);
            verlauf.push(new TVerschiebenSchritt(
                d, *VerschiebungPlanen(d.Gesamt, i % 2 ? Richtung::Links : Richtung::Rechts,
                                       meldungen)));
            MarkierterBlock block;
            MarkierterBlockSuchen(d.Gesamt, block, meldungen);
            verlauf.push(new TSpiegelnSchritt(d, block));
            verlauf.push(new TUebertragenSchritt(d, MarkierterBlock{0, 0, 1}));
            verlauf.push(new TBeschreibenSchritt(d, i, "Beschreibung " + std::to_string(i)));
        }
        const size_t mitVerlauf = Belegt();
        verlauf.clear();
        state.counters["history_MB"] = static_cast<double>(mitVerlauf - Belegt()) / 1e6;
        state.counters["steps"] = verlauf.count() + 400.0;
    }
}
BENCHMARK(BM_VerlaufSpeicher)->Iterations(1)->Unit(benchmark::kMillisecond);

// The window thread's part of a recovery write: the copy of the route and its file name that
// the worker then formats and writes.
void BM_KopieNehmen(benchmark::State& state) {
    const HoprexDaten d = Daten(1000);
    for (auto _ : state) {
        Profile route = d.Gesamt;
        std::string datei = d.GesamtDatei;
        benchmark::DoNotOptimize(route);
        benchmark::DoNotOptimize(datei);
    }
}
BENCHMARK(BM_KopieNehmen)->Unit(benchmark::kMillisecond);

// The worker's part: formatting the copy and replacing the file (with its flush to disk).
void BM_KopieSchreiben(benchmark::State& state) {
    const HoprexDaten d = Daten(1000);
    TempDir t;
    Kopienablage ablage(t.Datei("hoprex"));
    for (auto _ : state)
        ablage.Schreiben(KopieInhalt(d.Gesamt, "/home/a/route.hpx"));
    ablage.Entfernen();
}
BENCHMARK(BM_KopieSchreiben)->Unit(benchmark::kMillisecond);

} // namespace
