#include "evaluation/profile_building.h"

#include <algorithm>

void HoehenBerechnen(TAuswertung& a, const TLayout& layout) {
    const int32_t x0 = layout.SpalteErste;
    const int32_t x1 = layout.SpalteLetzte;
    a.SpaltenAnzahl = layout.Spaltenanzahl();
    const int64_t zeilen = int64_t{a.KurveYUnten} - a.KurveYOben;
    const int64_t spanne = int64_t{a.HoeheMaxSkala} - a.HoeheMinSkala;
    for (int32_t x = x0; x <= x1; ++x) {
        const auto i = static_cast<std::size_t>(x);
        // The viewer scales its graph so that the highest curve row shows the maximum-height
        // label and the lowest the minimum-height label. Multiply before dividing, truncating
        // toward zero; 64 bits so that no label value can overflow the product. A flat curve
        // (one row) has no scale: it stands at the minimum height.
        const int64_t hoehe =
            zeilen == 0
                ? a.HoeheMinSkala
                : (a.KurveYUnten - int64_t{a.KurveY[i]}) * spanne / zeilen + a.HoeheMinSkala;
        a.SpaltenHoehe[i] = static_cast<int32_t>(hoehe);
    }
    // N column intervals span the route: the first column is at 0 m, the last at StreckeMeter.
    const int64_t intervalle = x1 - x0;
    for (int32_t x = x0; x <= x1; ++x)
        a.SpaltenStrecke[static_cast<std::size_t>(x)] =
            static_cast<int32_t>(int64_t{x - x0} * a.StreckeMeter / intervalle);
    a.SpaltenStuetzpunkt.fill(0);
    for (int32_t x : a.Stuetzpunktspalten)
        if (x >= x0 && x <= x1) a.SpaltenStuetzpunkt[static_cast<std::size_t>(x)] = 1;
}

void ProfilAufbauen(const TAuswertung& a, const TLayout& layout, Profile& aktuell) {
    aktuell.Abschnitte.clear();
    ProfileSection& s = aktuell.Abschnitte.emplace_back();
    // The first graph column becomes no point: it is only where the first distance step starts.
    s.Punktanzahl = std::clamp(std::min(a.SpaltenAnzahl, layout.Spaltenanzahl()) - 1, 0, MaxPunkte);
    for (int32_t k = 0; k < s.Punktanzahl; ++k) {
        const auto x = static_cast<std::size_t>(layout.SpalteErste + 1 + k);
        ProfilePoint& p = s.Punkte[static_cast<std::size_t>(k)];
        p.Hoehe = a.SpaltenHoehe[x];
        // Whole metres to km in extended precision, then stored as float32.
        p.Abstand = static_cast<float>(
            static_cast<long double>(a.SpaltenStrecke[x] - a.SpaltenStrecke[x - 1]) * 0.001L);
        p.Stuetzpunkt = a.SpaltenStuetzpunkt[x];
    }
    s.Beschreibung.clear();
    // The whole new profile is marked, ready to be transferred into the overall profile.
    s.Markiert = 1;
    StatistikUngeglaettet(aktuell);
}
