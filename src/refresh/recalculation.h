#pragma once

#include "model/profile.h"
#include "refresh/smoothing_passes.h"
#include "refresh/smoothing_window.h"

#include <cstdint>
#include <vector>

// The refresh of a route: brings its derived values (smoothed heights, gradients, point
// positions, section and route statistics) up to date for smoothing and gradient windows of L
// and G m, doing again only what changed since its last call. The results are those of
// GesamtNeuBerechnen (model/smoothing.h) bit for bit. Each owner of a route (the window, the
// command-line tool, the fuzzer, a benchmark) keeps one Nachrechnung for it and calls Rechnen
// after every change of the route or of the windows; a fresh object takes the whole chain.
//
// It keeps what its last chain computed (every point's inputs and results in route order, each
// section's place and statistics) and compares the edited route with it from the front and from
// the back. A point before the first difference or after the last keeps its smoothed height
// while its smoothing window does not reach a changed point, and its gradient while its gradient
// window does not reach a changed height or position; a section whose points all kept theirs
// keeps its statistics. What is kept is taken from the record, not from the route: a section
// copied into another slot keeps the results of the slot's former section.
//
// Only a route whose steps are all whole metres, at most GanzeMeterGrenze in all, is done in
// parts: every window is then exact and depends on its own points alone. Any other route, the
// first chain and a new smoothing window take the whole chain; a new gradient window keeps the
// smoothed heights and statistics.
class Nachrechnung {
public:
    void Rechnen(Profile& profil, int32_t L, int32_t G);

private:
    struct Abschnittsaufzeichnung {
        int64_t anfang; // index of its first point in the route
        int32_t punktanzahl;
        Abschnittsstatistik statistik;
    };
    // The chain for the points an edit can have changed, on a table with the new positions;
    // with `alleSteigungen` (a new gradient window) every gradient.
    void Teilweise(Profile& profil, const Wegtabelle& tabelle, const std::vector<int64_t>& anfang,
                   int32_t L, int32_t G, bool alleSteigungen);
    // The statistics of the sections not walked for their heights (`glatt`, which holds the
    // points [glattVon, glattBis) whose heights changed).
    void AbschnittsstatistikTeilweise(Profile& profil, const std::vector<int64_t>& anfang,
                                      const Abschnittsbereich& glatt, int64_t glattVon,
                                      int64_t glattBis, int64_t verschiebung);
    // The record of every section.
    void AbschnitteAufzeichnen(const Profile& profil, const std::vector<int64_t>& anfang);

    bool gueltig_ = false;
    int32_t L_ = 0;
    int32_t G_ = 0;
    // The table of the last chain: its memory stays for the next one, so that a refresh does not
    // fault in ten megabytes of fresh pages each time.
    Wegtabelle tabelle_;
    std::vector<PunktAufzeichnung> punkte_;
    std::vector<Abschnittsaufzeichnung> abschnitte_;
};
