#pragma once

#include "model/route_points.h"

#include <cstdint>
#include <optional>

// Reading the overall profile at a position along the route, as the route view's crosshair
// does: the point nearest to it, with the section it belongs to.
struct Ablesung {
    PunktStelle Stelle;   // section and point index
    float Strecke = 0.0f; // km, the point's position
    int32_t Hoehe = 0;    // m
    int32_t HoeheGeglaettet = 0;
    float Steigung = 0.0f; // %
};

// The point whose position is nearest to `km` (the earlier one of two equally near);
// std::nullopt for a profile without points or a position that is no number. Positions before
// the first point read the first point, those after the last one the last.
std::optional<Ablesung> AblesungBei(const Profile& profil, double km);
