#pragma once

#include "model/profile.h"
#include "model/smoothing.h"

#include <cstdint>
#include <vector>

struct Abschnittsbereich;
struct Wegtabelle;

// The refresh chain after an edit of the overall profile, doing again only what the edit can
// have changed: the results are those of GesamtNeuBerechnen bit for bit.
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
    struct Abschnittswerte {
        int64_t anfang; // index of its first point in the route
        int32_t punktanzahl;
        float strecke;
        int32_t hoeheMax, hoeheMin, hoeheMaxGeglaettet, hoeheMinGeglaettet;
        int32_t plus, minus, plusGeglaettet, minusGeglaettet;
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
    static Abschnittswerte Werte(const ProfileSection& a, int64_t anfang);
    static void WerteSetzen(ProfileSection& a, const Abschnittswerte& w);

    bool gueltig_ = false;
    int32_t L_ = 0;
    int32_t G_ = 0;
    std::vector<PunktAufzeichnung> punkte_;
    std::vector<Abschnittswerte> abschnitte_;
};
