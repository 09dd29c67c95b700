#pragma once

#include "model/profile.h"
#include "model/smoothing_reference.h"

#include <cstdint>

// The two divisions of the smoothing and gradient passes, once per point each, done in double
// arithmetic, which the processor pipelines, instead of 64-bit integer and x87 extended
// division, which it does not. Both give exactly the results of the plain divisions.

// Integer mean of `anzahl` heights that sum to `summe`, truncated toward zero like the 64-bit
// division. Exact for |summe| < 2^53: a mean that is not whole lies at least 1/anzahl from the
// next whole number, and the quotient's rounding error, |summe| / anzahl * 2^-53, stays below
// that, so truncation lands on the same number.
inline int32_t Mittelwert(int64_t summe, int64_t anzahl) {
    constexpr int64_t grenze = int64_t{1} << 53;
    if (summe >= grenze || summe <= -grenze) return static_cast<int32_t>(summe / anzahl);
    return static_cast<int32_t>(static_cast<double>(summe) / static_cast<double>(anzahl));
}

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
