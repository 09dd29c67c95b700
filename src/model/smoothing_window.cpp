#include "model/smoothing_window.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

int64_t GanzeMeter(float abstand) {
    if (abstand == 0.0f) return 0; // -0 too: 0 + -0 is +0
    if (!(abstand > 0.0f)) return -1;
    // Exact: 24 significant bits times 1000 fit the 64 of long double.
    const long double x = static_cast<long double>(abstand) * 1000.0L;
    const long double m = std::nearbyint(x);
    if (m < 1.0L || m > static_cast<long double>(GanzeMeterGrenze)) return -1;
    // Why one test at N = m covers every sum N = d + m up to 2^24: x >= 0.5 m means
    // Abstand >= 2^-11 km, so x and the error e = x - m are multiples of 2^-31 and N + e needs
    // at most 56 bits: the long double sum is exact, and only the rounding to float32 acts. It
    // gives N when e lies strictly inside half the gaps from N to its float32 neighbours, and
    // those half gaps only grow with N. An e right on a half gap would depend on the parity of
    // N, so it counts as not whole.
    const float mf = static_cast<float>(m);
    const long double e = x - m;
    const long double unten = (m - static_cast<long double>(std::nextafter(mf, 0.0f))) / 2.0L;
    const long double oben =
        (static_cast<long double>(std::nextafter(mf, std::numeric_limits<float>::infinity())) - m) /
        2.0L;
    return (-unten < e && e < oben) ? static_cast<int64_t>(m) : -1;
}

Wegsummen WegsummenBilden(const Profile& profil) {
    int64_t punkte = 0;
    for (const ProfileSection& a : profil.Abschnitte)
        punkte += a.Punktanzahl;
    Wegsummen w;
    w.meter.resize(static_cast<size_t>(punkte) + 1);

    // Routes repeat one step for long runs: test each new step once.
    uint32_t letzterSchritt = std::bit_cast<uint32_t>(0.0f);
    int64_t letzteMeter = 0;
    size_t i = 0;
    for (const ProfileSection& a : profil.Abschnitte) {
        for (int32_t j = 0; j < a.Punktanzahl; ++j, ++i) {
            const uint32_t schritt = std::bit_cast<uint32_t>(a.Punkte[j].Abstand);
            if (schritt != letzterSchritt) {
                letzterSchritt = schritt;
                letzteMeter = GanzeMeter(a.Punkte[j].Abstand);
                if (letzteMeter < 0) letzteMeter = UngenauerSchritt;
            }
            w.meter[i + 1] = w.meter[i] + letzteMeter;
        }
    }
    return w;
}

Fensterlauf::Fensterlauf(const Wegsummen& wege, int32_t laenge)
    : meter_(wege.meter.data()), laenge_(laenge), punkte_(wege.Punkte()) {}

// First index i > unter with meter_[i] >= ziel, punkte_ + 1 when there is none; meter_[unter] is
// below ziel. Searches in doubling strides, so a target a few points on costs a few steps.
int64_t Fensterlauf::ErsterAb(int64_t unter, int64_t ziel) const {
    int64_t schritt = 1;
    while (unter + schritt <= punkte_ && meter_[unter + schritt] < ziel) {
        unter += schritt;
        schritt *= 2;
    }
    const int64_t ueber = std::min(unter + schritt, punkte_ + 1);
    return std::lower_bound(meter_ + unter + 1, meter_ + ueber, ziel) - meter_;
}
