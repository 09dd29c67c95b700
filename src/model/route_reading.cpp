#include "model/route_reading.h"

#include <cmath>

std::optional<Ablesung> AblesungBei(const Profile& profil, double km) {
    if (std::isnan(km)) return std::nullopt;
    std::optional<PunktStelle> stelle = ErsterPunktAb(profil, km);
    if (stelle) {
        const std::optional<PunktStelle> vorher = VorigerPunkt(profil, *stelle);
        if (vorher &&
            km - PunktAn(profil, *vorher).Strecke <= PunktAn(profil, *stelle).Strecke - km)
            stelle = vorher;
    } else {
        // Beyond the last point: the last point of the last section that has one.
        for (int32_t i = profil.AnzahlAbschnitte() - 1; i >= 0 && !stelle; --i)
            if (const int32_t anzahl = PunkteIn(profil.Abschnitte[i]); anzahl > 0)
                stelle = PunktStelle{i, anzahl - 1};
        if (!stelle) return std::nullopt;
    }
    const ProfilePoint& p = PunktAn(profil, *stelle);
    return Ablesung{*stelle, p.Strecke, p.Hoehe, p.HoeheGeglaettet, p.Steigung};
}
