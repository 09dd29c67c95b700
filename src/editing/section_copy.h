#pragma once

#include "model/profile.h"

#include <cstdint>

// Copies the primary data of a section: Punktanzahl, Beschreibung, the section's Strecke,
// HoeheMax, HoeheMin, HoehenmeterPlus, HoehenmeterMinus, and Hoehe, Abstand and Stuetzpunkt of
// the points in use. Smoothed values, point positions, gradients and Markiert are left as the
// destination had them: the refresh chain recomputes them for the whole overall profile.
void AbschnittsdatenKopieren(const ProfileSection& quelle, ProfileSection& ziel);

// Section slot copy within one profile: the primary data of section `von` into slot `nach`,
// whose Markiert becomes 0. Slot `nach` may be a spare slot appended for a rearrangement; `von`
// is left as it was. Both indices must lie within the section array.
void AbschnittKopieren(Profile& profil, int32_t von, int32_t nach);
