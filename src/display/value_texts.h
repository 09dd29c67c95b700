#pragma once

#include "model/profile.h"

#include <string>

// The five texts of one row of value fields (UTF-8).
struct WerteTexte {
    std::string Strecke;          // km, "%3.2f" with a decimal point
    std::string HoeheMin;         // m
    std::string HoeheMax;         // m
    std::string HoehenmeterPlus;  // m, "%ld"
    std::string HoehenmeterMinus; // m, "%ld"
};

// Row of the current profile (E_AktuellStrecke ...): plain totals, every field filled, also 0
// and the sentinels -9000 and 9000.
WerteTexte WerteAktuell(const Profile& aktuell);

// Totals row "Gesamt" of the overall profile: smoothed heights and ascents when GlaettungEinAus
// is set, else plain ones; an ascent or descent of 0 and a height still at its sentinel show as
// the empty text; the length always shows.
WerteTexte WerteGesamt(const Profile& gesamt);

// Row "Markierung": the marked statistics as MarkierteStatistikBerechnen left them, with the
// same empty-text rule as the totals row.
WerteTexte WerteMarkiert(const Profile& gesamt);
