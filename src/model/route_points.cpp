#include "model/route_points.h"

std::optional<PunktStelle> ErsterPunktAb(const Profile& profil, double km) {
    // The sections are walked (a thousand comparisons at most), the points of the one found
    // are bisected: a readout under the moving pointer costs microseconds.
    for (int32_t i = 0; i < profil.AnzahlAbschnitte(); ++i) {
        const ProfileSection& a = profil.Abschnitte[i];
        const int32_t anzahl = PunkteIn(a);
        if (anzahl == 0 || a.Punkte[anzahl - 1].Strecke < km) continue;
        // Bisection by hand rather than std::lower_bound: a damaged profile's positions need not
        // ascend, and the search must then still end on some point of the section.
        int32_t links = 0;
        int32_t rechts = anzahl - 1;
        while (links < rechts) {
            const int32_t mitte = links + (rechts - links) / 2;
            if (a.Punkte[mitte].Strecke < km)
                links = mitte + 1;
            else
                rechts = mitte;
        }
        return PunktStelle{i, links};
    }
    return std::nullopt;
}

std::optional<PunktStelle> VorigerPunkt(const Profile& profil, PunktStelle stelle) {
    if (stelle.Punkt > 0) return PunktStelle{stelle.Abschnitt, stelle.Punkt - 1};
    for (int32_t i = stelle.Abschnitt - 1; i >= 0; --i) {
        const int32_t anzahl = PunkteIn(profil.Abschnitte[i]);
        if (anzahl > 0) return PunktStelle{i, anzahl - 1};
    }
    return std::nullopt;
}
