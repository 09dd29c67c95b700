#pragma once

#include <array>
#include <cstdint>

// Gradient classes of the route view's fill: the steepness of a stretch in five steps, ascents
// and descents apart. Class 1 holds gradients up to 3 %, class 2 up to 6 %, 3 up to 9 %, 4 up
// to 12 %, class 5 anything steeper; the sign tells an ascent (+1 .. +5) from a descent (-1 ..
// -5). A gradient of exactly 0 % counts as a gentle ascent, one that is no number as flat.
inline constexpr int32_t AnzahlSteigungsKlassen = 5;
inline constexpr std::array<float, AnzahlSteigungsKlassen - 1> SteigungsKlassenGrenzen{3.0f, 6.0f,
                                                                                       9.0f, 12.0f};

// The class of `prozent`, -5 .. -1 or 1 .. 5; a bound belongs to the gentler class.
int32_t SteigungsKlasse(double prozent);
