#pragma once

#include "model/profile.h"

#include <cstdint>
#include <optional>

// Figures of a stretch of the overall profile that the user selects in the route view.
struct StreckenWerte {
    int32_t Punkte = 0;            // points of the profile inside the stretch
    float Von = 0.0f;              // km, position of the first of them
    float Bis = 0.0f;              // km, of the last
    float Laenge = 0.0f;           // km, Bis - Von
    int32_t HoehenmeterPlus = 0;   // m, ascent between them
    int32_t HoehenmeterMinus = 0;  // m, descent, positive
    float MittlereSteigung = 0.0f; // %, height difference of the ends over the length
    // %, the steepest over 100 m; none in a shorter stretch
    std::optional<float> SteilsteSteigung;
};

// The points whose positions lie within [von, bis] (either order) and the steps between them,
// on the smoothed heights with `geglaettet`, else the plain ones. As in the profile's totals,
// a step from the last point of one section to the first of the next counts in no ascent or
// descent, so a stretch over the whole route shows the totals of the header; the sums are held
// at INT32_MAX. A stretch of fewer than two points, or of length 0, has a mean gradient of 0.
// The steepest gradient over 100 m runs on across section borders, as the climbs do.
StreckenWerte StreckeAuswerten(const Profile& profil, double von, double bis, bool geglaettet);
