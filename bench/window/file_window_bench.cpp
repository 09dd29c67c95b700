// Saving, exporting and loading the route of 446,000 points (1,000 sections of 446, 2 m apart)
// as the user does it in the window ("Speichern", "Export", "Öffnen" with the file dialog
// answered at once) and as hoprex-cli does it (export and stats of the file, without starting
// the process). Each includes writing or reading the file on the disk.
#include "app/window_fixture.h"
#include "cli/commands.h"
#include "files/profile_file.h"
#include "files/settings_file.h"
#include "support/message_log.h"
#include "support/route_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <sstream>

namespace {

constexpr int32_t Abschnitte = 1000;

// The window with the route loaded and smoothing on.
struct Fenster {
    FensterUmgebung u;
    THoprex& f;
    Fenster() : f(u.Starten()) {
        ProfilLaden(u, "route.hpx", Tour(Abschnitte, MaxPunkte, 0.002f), true);
        f.CB_Glaettung->setChecked(true);
        QApplication::processEvents();
    }
    // The file dialog answered with `datei`; the question whether to replace it, once it
    // exists, with "Ja".
    void Klick(QPushButton* knopf, const char* datei) {
        u.Dialoge.Pfade.push_back(u.Pfad(datei));
        u.Dialoge.Antworten = {QStringLiteral("Ja")};
        MausKlick(knopf);
        QApplication::processEvents();
    }
};

void BM_FensterSpeichern(benchmark::State& state) {
    Fenster w;
    for (auto _ : state)
        w.Klick(w.f.BT_GesamtWerteSpeichern, "kopie.hpx");
    state.SetBytesProcessed(
        state.iterations() *
        static_cast<int64_t>(DateiInhalt(w.u.Ordner.Datei("kopie.hpx")).size()));
}
BENCHMARK(BM_FensterSpeichern)->Unit(benchmark::kMillisecond);

// The export with the options of a new settings file, and with every column (header,
// sections, vertices, smoothed heights and gradients).
void BM_FensterExport(benchmark::State& state) {
    Fenster w;
    if (state.range(0) != 0) {
        TExportOptions& o = w.f.Daten.ExportOptions;
        o.Header = o.Abschnitte = o.Stuetzpunkte = o.Glaettung = true;
    }
    for (auto _ : state)
        w.Klick(w.f.BT_Export, "route.txt");
    state.SetBytesProcessed(
        state.iterations() *
        static_cast<int64_t>(DateiInhalt(w.u.Ordner.Datei("route.txt")).size()));
}
BENCHMARK(BM_FensterExport)->ArgName("all")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// "Öffnen" of the saved route: reading, the refresh chain and the whole lower half redrawn.
void BM_FensterLaden(benchmark::State& state) {
    Fenster w;
    w.Klick(w.f.BT_GesamtWerteSpeichern, "kopie.hpx");
    for (auto _ : state)
        w.Klick(w.f.BT_GesamtWerteEinlesen, "kopie.hpx");
}
BENCHMARK(BM_FensterLaden)->Unit(benchmark::kMillisecond);

// hoprex-cli export -o route.txt [--header --abschnitte --stuetzpunkte --glaettung] route.hpx,
// and hoprex-cli stats route.hpx: reading the file, the refresh chain, the output.
struct CliDateien {
    TempDir ordner;
    CliAufruf aufruf;
    CliDateien() {
        DateiAnlegen(ordner.Datei("route.hpx"),
                     ProfilDateiInhalt(Tour(Abschnitte, MaxPunkte, 0.002f)));
        aufruf.Dateien = {ordner.Datei("route.hpx")};
        aufruf.Optionen = Voreinstellungen().ExportOptions;
    }
};

void BM_CliExport(benchmark::State& state) {
    CliDateien c;
    c.aufruf.Ausgabe = c.ordner.Datei("route.txt");
    if (state.range(0) != 0) {
        TExportOptions& o = c.aufruf.Optionen;
        o.Header = o.Abschnitte = o.Stuetzpunkte = o.Glaettung = true;
    }
    MeldungsProtokoll log;
    std::ostringstream aus;
    for (auto _ : state)
        if (Export(c.aufruf, aus, log) != 0) state.SkipWithError("export failed");
}
BENCHMARK(BM_CliExport)->ArgName("all")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_CliStats(benchmark::State& state) {
    CliDateien c;
    MeldungsProtokoll log;
    for (auto _ : state) {
        std::ostringstream aus;
        if (Stats(c.aufruf, aus, log) != 0) state.SkipWithError("stats failed");
    }
}
BENCHMARK(BM_CliStats)->Unit(benchmark::kMillisecond);

} // namespace
