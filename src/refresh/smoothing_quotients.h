#pragma once

#include "model/profile.h"
#include "model/smoothing_reference.h"

#include <cstdint>

// The two divisions of the smoothing and gradient passes, once per point each, done in double
// arithmetic, which the processor pipelines, instead of 64-bit integer and x87 extended
// division, which it does not, and the mean by a multiplication. Both give exactly the results
// of the plain divisions.

// Integer means of `anzahl` heights that sum to `summe`, truncated toward zero like the 64-bit
// division. Along a route the windows mostly hold the same number of points, so the reciprocal
// of the last count is kept and the mean found by a multiplication. For |summe| < 2^53 the
// product lies within |summe / anzahl| * 2^-51 < 1 of the exact quotient, so its truncation is
// the true mean or next to it, and one integer check of the remainder settles it.
class Mittelwerte {
public:
    int32_t operator()(int64_t summe, int64_t anzahl) {
        constexpr int64_t grenze = int64_t{1} << 53;
        if (summe >= grenze || summe <= -grenze) return static_cast<int32_t>(summe / anzahl);
        if (anzahl != anzahl_) {
            anzahl_ = anzahl;
            kehrwert_ = 1.0 / static_cast<double>(anzahl);
        }
        int64_t q = static_cast<int64_t>(static_cast<double>(summe) * kehrwert_);
        const int64_t rest = summe - q * anzahl; // |q * anzahl| stays near |summe| < 2^53
        if (summe >= 0) {
            if (rest < 0)
                --q;
            else if (rest >= anzahl)
                ++q;
        } else {
            if (rest > 0)
                ++q;
            else if (rest <= -anzahl)
                --q;
        }
        return static_cast<int32_t>(q);
    }

private:
    int64_t anzahl_ = 0;
    double kehrwert_ = 0.0;
};

// SteigungZwischen (percent), bit for bit. The double result and the extended one each come
// from four roundings of the exact slope, so both lie within 2^-50 of it. When everything within
// 2^-48 of the double result rounds to the same float32, the extended result rounds to it too;
// otherwise (about once in 2^23 points) the extended division decides.
inline float SteigungSchnell(const ProfilePoint& anfang, const ProfilePoint& ende) {
    const double meter =
        (static_cast<double>(ende.Strecke) - static_cast<double>(anfang.Strecke)) * 1000.0;
    if (meter == 0.0) return 0.0f; // no slope over a window of zero length
    const int64_t hoehe = int64_t{ende.HoeheGeglaettet} - anfang.HoeheGeglaettet; // exact in double
    const double steigung = static_cast<double>(hoehe) / meter * 100.0;
    const float ergebnis = static_cast<float>(steigung);
    constexpr double spielraum = 0x1p-48;
    if (static_cast<float>(steigung * (1.0 - spielraum)) == ergebnis &&
        static_cast<float>(steigung * (1.0 + spielraum)) == ergebnis)
        return ergebnis;
    return SteigungZwischen(anfang, ende);
}
