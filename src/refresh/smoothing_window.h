#pragma once

#include "model/profile.h"
#include "model/route_halves.h"
#include "refresh/window_rule.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

// Finding the ends of the smoothing and gradient windows in about one step per point.
//
// The window accumulator adds each step as float32(d + Abstand * 1000), rounded after every
// addition. Steps of whole metres (k/1000 km as float32, what the screenshot evaluation and the
// profile file produce) nearly always add up exactly, so the accumulator holds the whole-metre
// sum of the steps it has passed, and the window of one point follows from the window of the
// point before by moving its ends. Where that is not proven for a window, the window is reported
// as not exact and the caller walks it point by point.

// float32 holds every whole number of metres up to here; beyond it the accumulator rounds.
inline constexpr int64_t GanzeMeterGrenze = int64_t{1} << 24;

// The step of a point in whole metres, m >= 0, when adding it to the accumulator gives exactly
// d + m for every whole d >= 0 with d + m <= GanzeMeterGrenze; -1 for every other step (not a
// whole number of metres, one whose float32 sums round, negative, not a number).
int64_t GanzeMeter(float abstand);

// A step that is not whole counts as this many metres: longer than any window the accumulator
// can measure exactly, so every window whose walk adds it is reported as not exact.
inline constexpr int64_t UngenauerSchritt = GanzeMeterGrenze + 1;

// GanzeMeter for a run of points, with UngenauerSchritt for a step that is not whole. The steps
// of a screenshot take two values (1000 m over 446 columns: 2 m and 3 m), so the last two
// answers are kept.
class Schrittmeter {
public:
    int64_t operator()(float abstand) {
        const uint32_t schritt = std::bit_cast<uint32_t>(abstand);
        if (schritt == schritt_[0]) return meter_[0];
        if (schritt == schritt_[1]) return meter_[1];
        const int64_t m = GanzeMeter(abstand);
        schritt_[1] = schritt_[0];
        meter_[1] = meter_[0];
        schritt_[0] = schritt;
        meter_[0] = m < 0 ? UngenauerSchritt : m;
        return meter_[0];
    }

private:
    uint32_t schritt_[2] = {0, 0}; // the bits of +0.0f, which is 0 m
    int64_t meter_[2] = {0, 0};
};

// The points of the overall profile in route order, sections without points passed over, with
// running sums of their steps in whole metres and of their heights. The steps and the height
// sum of any run of points are two differences, so a window's ends follow from the window of
// the point before by moving two indices, without walking across section borders.
struct Wegtabelle {
    std::vector<ProfilePoint*> punkte;
    // meter[i]: the steps of points 0 .. i-1 (UngenauerSchritt for one that is not whole);
    // hoehen[i]: their Hoehe. One entry more than points.
    std::vector<int64_t> meter;
    std::vector<int64_t> hoehen;

    int64_t Anzahl() const { return static_cast<int64_t>(punkte.size()); }
    // Fills the table for `profil`, keeping the memory of the last filling; with `positionen`
    // also sets every point's Strecke as the statistics pass does.
    void Fuellen(Profile& profil, bool positionen);
};

// The window of one point, both ends inclusive.
struct Fenster {
    const ProfilePoint& anfang;
    const ProfilePoint& ende;
    int64_t punkte;      // points in the window
    int64_t hoehenSumme; // m, sum of their Hoehe
    // The ends are those of the point-by-point walk. False when the steps the walk adds (all in
    // the window but the point's own) sum up beyond GanzeMeterGrenze, which they do when one of
    // them is not whole; the window must then be walked.
    bool genau;
    int64_t index; // of the point itself in the table
};

// Calls tun(punkt, abschnitt, index, fenster) for every point of sections [von, bis) of the
// overall profile in route order, the first of them at index c of the table: the point, the
// indices of its section and of the point within it, and its window of `laenge` metres. The
// window reaches back until twice the steps passed are at least the length, then on until all
// steps passed are at least the length; both phases stop at the ends of the profile. Walking
// back onto a point passes its step, walking on onto a point too. tun may change the point's
// HoeheGeglaettet and Steigung, nothing else; each walk has its own copy of it.
//
// For point c (M = meter) the walk back passes the steps M[c] - M[a] onto a, the walk on the
// steps M[e+1] - M[c+1] onto e; the start a is the last index up to c where the walk back stops
// (FensterZurueckWeiter), or 0; the end e the first index from c on where the walk on stops
// (FensterVorWeiter), or the last point. From one point to the next a only moves forward; e moves
// forward, or back after a long step of the point, and never further than across the windows of the
// point and the one before it.
template <typename Tun>
void FensterDurchlaufen(Profile& profil, const Wegtabelle& tabelle, int32_t laenge, int32_t von,
                        int32_t bis, int64_t c, Tun tun) {
    const int64_t n = tabelle.Anzahl();
    const int64_t* const M = tabelle.meter.data();
    const int64_t* const H = tabelle.hoehen.data();
    ProfilePoint* const* const punkte = tabelle.punkte.data();
    // The start of the first point's window found at once; the end follows in the loop.
    int64_t a =
        std::partition_point(M, M + c + 1,
                             [&](int64_t m) { return !FensterZurueckWeiter(M[c] - m, laenge); }) -
        M;
    a = a > 0 ? a - 1 : 0;
    int64_t e = c;
    for (int32_t s = von; s < bis; ++s) {
        const int32_t anzahl = profil.Abschnitte[s].Punktanzahl;
        for (int32_t j = 0; j < anzahl; ++j, ++c) {
            while (a < c && !FensterZurueckWeiter(M[c] - M[a + 1], laenge))
                ++a;
            const int64_t zurueck = M[c] - M[a];
            if (e < c) e = c;
            while (e + 1 < n && FensterVorWeiter(zurueck, M[e + 1] - M[c + 1], laenge))
                ++e;
            while (e > c && !FensterVorWeiter(zurueck, M[e] - M[c + 1], laenge))
                --e;
            const int64_t schritte = zurueck + (M[e + 1] - M[c + 1]);
            tun(*punkte[c], s, j,
                Fenster{*punkte[a], *punkte[e], e - a + 1, H[e + 1] - H[a],
                        schritte <= GanzeMeterGrenze, c});
        }
    }
}

// Sections [von, bis) of the overall profile, the first point of section von at index
// `erster` of the table.
struct Abschnittsbereich {
    int32_t von;
    int32_t bis;
    int64_t erster;
};

// FensterDurchlaufen over a range of sections. A long range is split at a section border near
// its middle and the second half walked on a second thread: every window is defined by the table
// alone, and tun writes only to its own point.
template <typename Tun>
void FuerJedesFenster(Profile& profil, const Wegtabelle& tabelle, int32_t laenge,
                      Abschnittsbereich bereich, const Tun& tun) {
    // Plain copies: a lambda may not capture structured bindings in every compiler we build with.
    const int32_t von = bereich.von;
    const int32_t bis = bereich.bis;
    const int64_t erster = bereich.erster;
    const Teilung teilung = Teilen(profil, von, bis);
    const int32_t mitte = teilung.abschnitt;
    if (mitte == bis) {
        FensterDurchlaufen(profil, tabelle, laenge, von, bis, erster, tun);
        return;
    }
    const int64_t c = erster + teilung.punkteDavor;
    Nebeneinander([&] { FensterDurchlaufen(profil, tabelle, laenge, von, mitte, erster, tun); },
                  [&] { FensterDurchlaufen(profil, tabelle, laenge, mitte, bis, c, tun); });
}

// FuerJedesFenster over the whole profile.
template <typename Tun>
void FuerJedesFenster(Profile& profil, const Wegtabelle& tabelle, int32_t laenge, const Tun& tun) {
    FuerJedesFenster(profil, tabelle, laenge,
                     {0, static_cast<int32_t>(profil.Abschnitte.size()), 0}, tun);
}
