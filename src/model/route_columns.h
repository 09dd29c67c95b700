#pragma once

#include "model/profile.h"

#include <cstdint>
#include <vector>

// The height line of the overall profile reduced to the pixel columns of a view: what a fill
// below the line and the line itself need, a few values per column instead of half a million
// points.

struct RoutenSpalte {
    bool Belegt = false;   // the line passes through the column
    double HoeheMin = 0.0; // m, lowest height of the line within the column
    double HoeheMax = 0.0; // m, highest
    double Steigung = 0.0; // %, mean gradient of the points in it (interpolated between two
                           // points when the column holds none)
};

// A point of the line: position (km) and height (m).
struct RoutenLinienPunkt {
    double Km = 0.0;
    double Hoehe = 0.0;
    bool operator==(const RoutenLinienPunkt&) const = default;
};

struct RoutenReduktion {
    std::vector<RoutenSpalte> Spalten; // one per column, left to right
    // The line as the columns can show it: in each column its lowest and highest point in route
    // order (its one point where it holds one), between the last point before the range and the
    // first one after it, so that the line runs on to the edges.
    std::vector<RoutenLinienPunkt> Linie;
    // The same of the plain heights, when asked for beside the smoothed ones.
    std::vector<RoutenLinienPunkt> RoheLinie;
};

// Splits the km range [von, bis) into `spalten` equal columns and reduces the line to them:
// the smoothed heights with `geglaettet`, else the plain ones, joined point to point in route
// order, with the positions of the statistics pass; with `geglaettet` and `roheLinie` also the
// line of the plain heights, in the same walk. A column that the line crosses between two
// points gets the heights at its edges; columns before the first or after the last point of
// the profile stay empty. Costs one step per point in the range plus one per column. No
// columns for spalten <= 0; all empty and no line for an empty profile or a range that is not
// ascending.
RoutenReduktion SpaltenReduzieren(const Profile& profil, double von, double bis, int32_t spalten,
                                  bool geglaettet, bool roheLinie = false);
