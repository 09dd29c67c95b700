#pragma once

#include "model/profile.h"

#include <cstdint>

// The smoothing and gradient windows walked point by point: a cursor steps from the point to its
// neighbours across section borders and a float32 accumulator adds each neighbour's step in
// metres. This is the definition of both windows. The refresh (refresh/recalculation.h) finds
// the same windows in one step per point and must agree with these functions bit for bit; the
// tests and the benchmark compare the two, and the refresh falls back to the single-point walks
// below where it cannot prove that it finds the same window.

// Smoothed height of point `punkt` of section `abschnitt`, in m: the integer mean, truncated
// toward zero, of Hoehe over the window of L m (about L/2 m back, L m in all). Reads only Hoehe
// and Abstand. L <= 0 gives the point's own Hoehe.
int32_t GeglaetteteHoeheReferenz(const Profile& profil, int32_t abschnitt, int32_t punkt,
                                 int32_t L);

// Gradient at point `punkt` of section `abschnitt`, in percent, over the window of G m: the
// slope of HoeheGeglaettet between the window's two ends (see SteigungZwischen). Reads
// HoeheGeglaettet, Strecke and Abstand.
float SteigungReferenz(const Profile& profil, int32_t abschnitt, int32_t punkt, int32_t G);

// Slope in percent of HoeheGeglaettet from `anfang` to `ende` over the distance of their
// positions Strecke (km), taken in extended precision and stored as float32. Two points at the
// same position have no slope: 0.
float SteigungZwischen(const ProfilePoint& anfang, const ProfilePoint& ende);
