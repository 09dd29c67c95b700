#pragma once

#include "model/profile.h"

#include <cstdint>
#include <vector>

// The height line of the overall profile reduced to the pixel columns of a view: what a fill
// below the line needs, in one value range per column instead of half a million points.

struct RoutenSpalte {
    bool Belegt = false;   // the line passes through the column
    double HoeheMin = 0.0; // m, lowest height of the line within the column
    double HoeheMax = 0.0; // m, highest
    double Steigung = 0.0; // %, mean gradient of the points in it (interpolated between two
                           // points when the column holds none)
};

// Splits the km range [von, bis) into `spalten` equal columns and reduces the line to them:
// the smoothed heights with `geglaettet`, else the plain ones, joined point to point in route
// order, with the positions of the statistics pass. A column that the line crosses between two
// points gets the heights at its edges; columns before the first or after the last point of
// the profile stay empty. Costs one step per point in the range plus one per column. No
// columns for spalten <= 0; all empty for an empty profile or a range that is not ascending.
std::vector<RoutenSpalte> SpaltenReduzieren(const Profile& profil, double von, double bis,
                                            int32_t spalten, bool geglaettet);
