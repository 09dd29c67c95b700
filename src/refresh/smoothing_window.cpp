#include "refresh/smoothing_window.h"

#include <bit>

int64_t GanzeMeter(float abstand) {
    if (abstand == 0.0f) return 0; // -0 too: 0 + -0 is +0
    // Exact: 24 significant bits times 1000 need 34 of the 53 of double.
    const double x = static_cast<double>(abstand) * 1000.0;
    // Also turns away negative steps and NaN.
    if (!(x >= 0.5 && x <= static_cast<double>(GanzeMeterGrenze))) return -1;
    const auto m = static_cast<int64_t>(x + 0.5); // x + 0.5 is exact as well
    const double e = x - static_cast<double>(m);
    // Why one test at N = m covers every sum N = d + m up to 2^24: the window adds d + x in
    // long double, where N + e needs at most 56 bits of the 64 (x >= 0.5 means Abstand >=
    // 2^-11 km, so x and e are multiples of 2^-31); so only the rounding to float32 acts. It
    // gives N when e lies strictly inside half the gaps from N to its float32 neighbours, and
    // those half gaps only grow with N. For m in [2^k, 2^(k+1)) the gap above m is 2^(k-23); the
    // gap below is the same but halves at m = 2^k. An e right on a half gap would depend on the
    // rounding of ties, so it counts as not whole.
    const int k = std::bit_width(static_cast<uint64_t>(m)) - 1;
    const double oben =
        std::bit_cast<double>(static_cast<uint64_t>(1023 + k - 24) << 52); // 2^(k-24)
    const double unten = m == (int64_t{1} << k) ? oben / 2.0 : oben;
    return (-unten < e && e < oben) ? m : -1;
}

void Wegtabelle::Fuellen(Profile& profil, bool positionen) {
    int64_t n = 0;
    for (const ProfileSection& a : profil.Abschnitte)
        n += a.Punktanzahl;
    punkte.resize(static_cast<size_t>(n));
    meter.resize(static_cast<size_t>(n) + 1);
    hoehen.resize(static_cast<size_t>(n) + 1);
    // Two running sums over the same points: on a long route the second runs on a thread of
    // its own.
    const auto Meter = [&] {
        // One memory of steps for the whole route: a screenshot's steps take two values.
        Schrittmeter schrittmeter;
        int64_t i = 0;
        int64_t m = 0;
        float position = 0.0f;
        meter[0] = 0;
        for (ProfileSection& a : profil.Abschnitte) {
            for (int32_t j = 0; j < a.Punktanzahl; ++j, ++i) {
                ProfilePoint& p = a.Punkte[j];
                punkte[i] = &p;
                m += schrittmeter(p.Abstand);
                meter[i + 1] = m;
                if (positionen) {
                    position += p.Abstand;
                    // Stored only when it moved: after an edit most positions stay, and their
                    // pages stay clean.
                    if (std::bit_cast<uint32_t>(p.Strecke) != std::bit_cast<uint32_t>(position))
                        p.Strecke = position;
                }
            }
        }
    };
    const auto Hoehen = [&] {
        int64_t i = 0;
        int64_t h = 0;
        hoehen[0] = 0;
        for (const ProfileSection& a : profil.Abschnitte)
            for (int32_t j = 0; j < a.Punktanzahl; ++j)
                hoehen[++i] = h += a.Punkte[j].Hoehe;
    };
    if (n < ParallelAb) {
        Meter();
        Hoehen();
        return;
    }
    Nebeneinander(Hoehen, Meter);
}
