#pragma once

#include "model/profile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Column header over both section lists; the list lines line up under it in a fixed-pitch font.
inline constexpr char ListenKopf[] = "Nr      km  Hmin  Hmax     H+     H-  Beschreibung";

// Characters of a list line in front of its description, where the header's "Beschreibung"
// starts; the window lays its description editor over the column from here.
inline constexpr int32_t BeschreibungsSpalte = 38;
static_assert(std::string_view(ListenKopf).substr(BeschreibungsSpalte) == "Beschreibung");

// One list line, "%2d  %6.2f  %4d  %4d  %5ld  %5ld  %s": section number counted from 1,
// length in km, minimum and maximum height, ascent and descent in m, description (UTF-8).
std::string ListenZeile(int32_t nummer, float strecke, int32_t hoeheMin, int32_t hoeheMax,
                        int32_t hoehenmeterPlus, int32_t hoehenmeterMinus,
                        const std::string& beschreibung);

// The lines of the current list, one per section, from the plain statistics.
std::vector<std::string> ListenZeilenAktuell(const Profile& aktuell);

// The lines of the overall list: smoothed heights and ascents when GlaettungEinAus is set,
// else plain ones.
std::vector<std::string> ListenZeilenGesamt(const Profile& gesamt);
