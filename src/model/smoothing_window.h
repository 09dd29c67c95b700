#pragma once

#include "model/profile.h"

#include <algorithm>
#include <cstdint>
#include <vector>

// Finding the ends of the smoothing and gradient windows in one step per point.
//
// The window accumulator adds each step as float32(d + Abstand * 1000), rounded after every
// addition. Steps of whole metres (k/1000 km as float32, what the screenshot evaluation and the
// profile file produce) mostly add up exactly, so the accumulator holds the whole-metre sum of
// the steps it has passed, and the window ends follow from prefix sums. Where that is not proven
// for a window, the window is reported as not exact and the caller walks it point by point.

// float32 holds every whole number of metres up to here; beyond it the accumulator rounds.
inline constexpr int64_t GanzeMeterGrenze = int64_t{1} << 24;

// The step of a point in whole metres, m >= 0, when adding it to the accumulator gives exactly
// d + m for every whole d >= 0 with d + m <= GanzeMeterGrenze; -1 for every other step (not a
// whole number of metres, one whose float32 sums round, negative, not a number).
int64_t GanzeMeter(float abstand);

// A step that is not whole counts as this many metres: longer than any window the accumulator
// can measure exactly, so every window that adds it is reported as not exact.
inline constexpr int64_t UngenauerSchritt = GanzeMeterGrenze + 1;

// The steps of the overall profile in route order over all sections, as prefix sums: meter[i] is
// the sum of the whole metres of the steps of points 0 .. i-1 (index i counts the points of all
// sections, empty ones are passed over). A step that is not whole counts UngenauerSchritt.
struct Wegsummen {
    std::vector<int64_t> meter;

    int64_t Punkte() const { return static_cast<int64_t>(meter.size()) - 1; }
};

Wegsummen WegsummenBilden(const Profile& profil);

// The window of one point: indices in route order, both ends inclusive.
struct Fenster {
    int64_t anfang;
    int64_t ende;
    // The ends are those of the point-by-point walk. False when the steps the walk adds (all in
    // the window but the point's own) sum up beyond GanzeMeterGrenze, which they do when one of
    // them is not whole; the window must then be walked.
    bool genau;
};

// The windows of a length in metres for the points 0, 1, 2, ... in turn. Reaches back until
// twice the passed steps are at least the length, then on until all passed steps are at least
// the length; both phases stop at the ends of the profile. Amortised constant time per point.
class Fensterlauf {
public:
    Fensterlauf(const Wegsummen& wege, int32_t laenge);

    // Window of the next point; call once per point, at most Punkte() times. Inlined into the
    // passes so that the cursors stay in registers: it runs twice for every point of a route.
    [[gnu::always_inline]] Fenster Naechstes() {
        const int64_t p = punkt_++;
        // Backward: the walk adds the steps of anfang .. p-1 and stops once twice their sum
        // reaches the length. As p moves on that sum only grows, so the start only moves forward.
        while (anfang_ < p && 2 * (meter_[p] - meter_[anfang_ + 1]) >= laenge_)
            ++anfang_;

        // Forward: the walk goes on adding the steps of p+1 .. ende until all added steps reach
        // the length: meter_[ende + 1] - meter_[anfang] - (step of p) >= laenge. Without the step
        // of p the target only grows from point to point, so one cursor follows it forward, and
        // the search for the real target starts there.
        const int64_t ohneEigenen = meter_[anfang_] + laenge_;
        while (voll_ <= punkte_ && meter_[voll_] < ohneEigenen)
            ++voll_;
        const int64_t eigener = meter_[p + 1] - meter_[p];
        const int64_t ziel = ohneEigenen + eigener;
        int64_t erster = voll_; // first prefix index reaching ziel
        if (erster <= punkte_ && meter_[erster] < ziel) {
            ++erster;
            if (erster <= punkte_ && meter_[erster] < ziel) erster = ErsterAb(erster, ziel);
        }
        const int64_t ende = std::clamp(erster - 1, p, punkte_ - 1);
        const int64_t gegangen = meter_[ende + 1] - meter_[anfang_] - eigener;
        return {anfang_, ende, gegangen <= GanzeMeterGrenze};
    }

private:
    int64_t ErsterAb(int64_t unter, int64_t ziel) const;

    const int64_t* meter_;
    const int64_t laenge_;
    const int64_t punkte_;
    int64_t punkt_ = 0;
    int64_t anfang_ = 0;
    // First prefix index whose sum reaches meter_[anfang_] + laenge_; only moves forward.
    int64_t voll_ = 0;
};
