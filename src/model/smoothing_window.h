#pragma once

#include "model/profile.h"

#include <bit>
#include <cstdint>

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

// A cursor over the points of the overall profile in route order across section borders,
// passing over sections without points, with the step of its point in whole metres. Stepping
// past either end of the profile is not allowed.
class Wegpunkt {
public:
    // At the first point; the profile must have one.
    Wegpunkt(const Profile& profil, Schrittmeter& schrittmeter)
        : abschnitt_(profil.Abschnitte.data()), schrittmeter_(schrittmeter) {
        while (abschnitt_->Punktanzahl == 0)
            ++abschnitt_;
        punkt_ = abschnitt_->Punkte.data();
        ende_ = punkt_ + abschnitt_->Punktanzahl;
        meter_ = schrittmeter_(punkt_->Abstand);
    }

    const ProfilePoint& Punkt() const { return *punkt_; }
    int64_t Meter() const { return meter_; }

    void Vor() {
        if (++punkt_ == ende_) {
            do
                ++abschnitt_;
            while (abschnitt_->Punktanzahl == 0);
            punkt_ = abschnitt_->Punkte.data();
            ende_ = punkt_ + abschnitt_->Punktanzahl;
        }
        meter_ = schrittmeter_(punkt_->Abstand);
    }

    void Zurueck() {
        if (punkt_ == abschnitt_->Punkte.data()) {
            do
                --abschnitt_;
            while (abschnitt_->Punktanzahl == 0);
            ende_ = abschnitt_->Punkte.data() + abschnitt_->Punktanzahl;
            punkt_ = ende_;
        }
        --punkt_;
        meter_ = schrittmeter_(punkt_->Abstand);
    }

private:
    const ProfileSection* abschnitt_;
    const ProfilePoint* punkt_;
    const ProfilePoint* ende_; // past the section's last point in use
    int64_t meter_;
    Schrittmeter& schrittmeter_;
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
};

// Calls tun(punkt, abschnitt, index, fenster) for every point of the overall profile in route
// order: the point, the indices of its section and of the point within it, and its window of
// `laenge` metres. The window reaches back until twice the steps passed are at least the
// length, then on until all steps passed are at least the length; both phases stop at the ends
// of the profile. tun may change the point's HoeheGeglaettet and Steigung, nothing else.
//
// From one point to the next the start only moves forward; the end moves forward too, or back
// after a long step. Neither moves further than across the windows of the point and the one
// before it, so a point never costs more than walking those, and on a route of similar steps it
// costs a step or two. The sums live in locals, so that they stay in registers: this runs twice
// for every point of a route.
template <typename Tun> void FuerJedesFenster(Profile& profil, int32_t laenge, Tun&& tun) {
    const ProfilePoint* letzter = nullptr;
    for (const ProfileSection& a : profil.Abschnitte)
        if (a.Punktanzahl > 0) letzter = &a.Punkte[a.Punktanzahl - 1];
    if (letzter == nullptr) return;

    // One memory of steps for all three: they pass over the same few values.
    Schrittmeter schrittmeter;
    Wegpunkt anfang(profil, schrittmeter);
    Wegpunkt ende(profil, schrittmeter);
    // Counted as the loop comes to a point, before its window is set: the first point starts
    // as if the point before it had a window ending at the first point.
    int64_t zurueckPunkte = 0;  // points from anfang to the point, without it
    int64_t vorPunkte = 0;      // points from the point to ende, without it; -1: ende is behind
    int64_t zurueck = 0;        // m, steps of anfang .. the point before
    int64_t vor = ende.Meter(); // m, steps of the point after .. ende
    int64_t hoehen = 0;         // m, Hoehe of anfang .. ende, without ende
    int64_t eigener = 0;        // m, step of the point before, then of the point
    for (int32_t s = 0; s < static_cast<int32_t>(profil.Abschnitte.size()); ++s) {
        ProfileSection& abschnitt = profil.Abschnitte[s];
        const int32_t anzahl = abschnitt.Punktanzahl;
        for (int32_t j = 0; j < anzahl; ++j) {
            ProfilePoint& punkt = abschnitt.Punkte[j];
            // The walk of this point adds the step of the one before going back, and no longer
            // its own going forward.
            zurueck += eigener;
            eigener = schrittmeter(punkt.Abstand);
            if (vorPunkte < 0) {
                hoehen += ende.Punkt().Hoehe;
                ende.Vor();
                vorPunkte = 0;
            } else {
                vor -= eigener;
            }
            // Back: drop the first step while the rest still reaches half the length.
            while (zurueckPunkte > 0 && 2 * (zurueck - anfang.Meter()) >= laenge) {
                zurueck -= anfang.Meter();
                hoehen -= anfang.Punkt().Hoehe;
                anfang.Vor();
                --zurueckPunkte;
            }
            // On: take in steps until all of them reach the length, then give back those not
            // needed for it (after a long step of the point, or zero steps at the end).
            while (zurueck + vor < laenge && &ende.Punkt() != letzter) {
                hoehen += ende.Punkt().Hoehe;
                ende.Vor();
                ++vorPunkte;
                vor += ende.Meter();
            }
            while (vorPunkte > 0 && zurueck + vor - ende.Meter() >= laenge) {
                vor -= ende.Meter();
                ende.Zurueck();
                --vorPunkte;
                hoehen -= ende.Punkt().Hoehe;
            }
            tun(punkt, s, j,
                Fenster{anfang.Punkt(), ende.Punkt(), zurueckPunkte + vorPunkte + 1,
                        hoehen + ende.Punkt().Hoehe, zurueck + vor <= GanzeMeterGrenze});
            ++zurueckPunkte;
            --vorPunkte;
        }
    }
}
