#include "model/stretch_statistics.h"

#include "model/climbs.h"
#include "model/route_points.h"

#include <algorithm>
#include <cmath>
#include <optional>

StreckenWerte StreckeAuswerten(const Profile& profil, double von, double bis, bool geglaettet) {
    if (bis < von) std::swap(von, bis);
    StreckenWerte w;
    const auto hoehe = [geglaettet](const ProfilePoint& p) {
        return geglaettet ? p.HoeheGeglaettet : p.Hoehe;
    };
    int32_t erste = 0;
    int32_t letzte = 0;
    std::optional<PunktStelle> vorher;
    SteilsteSteigung steilste;
    const std::optional<PunktStelle> start = ErsterPunktAb(profil, von);
    if (start)
        PunkteAb(profil, *start, [&](PunktStelle s, const ProfilePoint& p) {
            if (p.Strecke > bis) return false;
            if (p.Strecke < von) return true; // a damaged profile's positions need not ascend
            if (w.Punkte == 0) {
                w.Von = p.Strecke;
                erste = hoehe(p);
            } else if (vorher && vorher->Abschnitt == s.Abschnitt) {
                const int64_t d = int64_t{hoehe(p)} - hoehe(PunktAn(profil, *vorher));
                const int32_t betrag =
                    static_cast<int32_t>(std::min<int64_t>(std::llabs(d), INT32_MAX));
                HoehenmeterAddieren(d > 0 ? w.HoehenmeterPlus : w.HoehenmeterMinus, betrag);
            }
            w.Bis = p.Strecke;
            letzte = hoehe(p);
            steilste.Punkt(p.Strecke, letzte);
            vorher = s;
            ++w.Punkte;
            return true;
        });
    w.Laenge = w.Bis - w.Von;
    if (steilste.Ergebnis()) w.SteilsteSteigung = static_cast<float>(*steilste.Ergebnis());
    if (w.Punkte >= 2 && w.Laenge > 0.0f && std::isfinite(w.Laenge))
        w.MittlereSteigung = static_cast<float>(static_cast<double>(int64_t{letzte} - erste) /
                                                (static_cast<double>(w.Laenge) * 1000.0) * 100.0);
    return w;
}
