#include "model/marked_statistics.h"

#include <algorithm>
#include <cstdint>

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
        // Held like the totals row, so the marked row does not wrap round where that row shows
        // the 32-bit maximum.
        HoehenmeterAddieren(profil.HoehenmeterPlusMarkiert,
                            glatt ? a.HoehenmeterPlusGeglaettet : a.HoehenmeterPlus);
        HoehenmeterAddieren(profil.HoehenmeterMinusMarkiert,
                            glatt ? a.HoehenmeterMinusGeglaettet : a.HoehenmeterMinus);
        profil.HoeheMaxMarkiert =
            std::max(profil.HoeheMaxMarkiert, glatt ? a.HoeheMaxGeglaettet : a.HoeheMax);
        profil.HoeheMinMarkiert =
            std::min(profil.HoeheMinMarkiert, glatt ? a.HoeheMinGeglaettet : a.HoeheMin);
    }
}
