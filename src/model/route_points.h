#pragma once

#include "model/profile.h"

#include <algorithm>
#include <cstdint>
#include <optional>

// Finding points of the overall profile by their position along the route (`Strecke` of each
// point, km, as the statistics pass leaves it). The route view reads the profile this way.

// A point of the profile: its section and its index within that section.
struct PunktStelle {
    int32_t Abschnitt = 0;
    int32_t Punkt = 0;
    bool operator==(const PunktStelle&) const = default;
};

// The points of a section that are in use; a damaged count never reaches past the array.
inline int32_t PunkteIn(const ProfileSection& abschnitt) {
    return std::clamp(abschnitt.Punktanzahl, 0, MaxPunkte);
}

inline const ProfilePoint& PunktAn(const Profile& profil, PunktStelle stelle) {
    return profil.Abschnitte[stelle.Abschnitt].Punkte[stelle.Punkt];
}

// The first point in route order whose position is at or beyond `km`; std::nullopt when every
// point lies before it (or the profile has none). Positions ascend along a profile whose steps
// are not negative; for one whose are, some point near `km` is found.
std::optional<PunktStelle> ErsterPunktAb(const Profile& profil, double km);

// The point in route order before `stelle`, across section boundaries; std::nullopt at the
// start of the profile.
std::optional<PunktStelle> VorigerPunkt(const Profile& profil, PunktStelle stelle);

// Calls weiter(stelle, punkt) for the points from `start` on in route order until it returns
// false or the profile ends: the walk of the route view over half a million points, without
// looking up each next point.
template <class Weiter> void PunkteAb(const Profile& profil, PunktStelle start, Weiter&& weiter) {
    for (int32_t i = start.Abschnitt; i < profil.AnzahlAbschnitte(); ++i) {
        const ProfileSection& a = profil.Abschnitte[i];
        const int32_t anzahl = PunkteIn(a);
        for (int32_t j = i == start.Abschnitt ? start.Punkt : 0; j < anzahl; ++j)
            if (!weiter(PunktStelle{i, j}, a.Punkte[j])) return;
    }
}
