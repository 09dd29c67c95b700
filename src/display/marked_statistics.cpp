#include "display/marked_statistics.h"

#include <algorithm>
#include <cstdint>

namespace {

// Held at the 32-bit maximum, as the totals row holds the profile's ascents and descents: a
// profile file may hold any 32-bit heights, and the marked row must not wrap round where the
// totals row shows that maximum.
void Addieren(int32_t& summe, int32_t wert) {
    summe = static_cast<int32_t>(std::min<int64_t>(int64_t{summe} + wert, INT32_MAX));
}

} // namespace

void MarkierteStatistikBerechnen(Profile& profil) {
    profil.StreckeMarkiert = 0.0f;
    profil.HoehenmeterPlusMarkiert = 0;
    profil.HoehenmeterMinusMarkiert = 0;
    profil.HoeheMaxMarkiert = HoeheMaxLeer;
    profil.HoeheMinMarkiert = HoeheMinLeer;
    const bool glatt = profil.GlaettungEinAus;
    for (const ProfileSection& a : profil.Abschnitte) {
        if (!a.Markiert) continue;
        profil.StreckeMarkiert += a.Strecke;
        Addieren(profil.HoehenmeterPlusMarkiert,
                 glatt ? a.HoehenmeterPlusGeglaettet : a.HoehenmeterPlus);
        Addieren(profil.HoehenmeterMinusMarkiert,
                 glatt ? a.HoehenmeterMinusGeglaettet : a.HoehenmeterMinus);
        profil.HoeheMaxMarkiert =
            std::max(profil.HoeheMaxMarkiert, glatt ? a.HoeheMaxGeglaettet : a.HoeheMax);
        profil.HoeheMinMarkiert =
            std::min(profil.HoeheMinMarkiert, glatt ? a.HoeheMinGeglaettet : a.HoeheMin);
    }
}
