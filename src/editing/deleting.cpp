#include "editing/deleting.h"

#include "editing/section_copy.h"

#include <algorithm>
#include <utility>

std::vector<EntnommenerAbschnitt> GesamtWerteLoeschen(HoprexDaten& daten) {
    Profile& gesamt = daten.Gesamt;
    std::vector<EntnommenerAbschnitt> geloescht;
    int32_t w = 0;
    for (int32_t j = 0; j < gesamt.AnzahlAbschnitte(); ++j) {
        if (gesamt.Abschnitte[j].Markiert) {
            // Taken before a later section's slot copy overwrites the slot.
            geloescht.push_back({j, std::move(gesamt.Abschnitte[j])});
            continue;
        }
        if (j != w) AbschnittKopieren(gesamt, j, w);
        ++w;
    }
    // Every deleted section counts, also those that stood behind the mark.
    daten.Einfuegemarke =
        std::clamp(daten.Einfuegemarke - static_cast<int32_t>(geloescht.size()), 0, w);
    gesamt.Abschnitte.resize(static_cast<size_t>(w));
    return geloescht;
}
