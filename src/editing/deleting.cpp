#include "editing/deleting.h"

#include "editing/section_copy.h"

#include <algorithm>

void GesamtWerteLoeschen(HoprexDaten& daten) {
    Profile& gesamt = daten.Gesamt;
    int32_t w = 0;
    for (int32_t j = 0; j < gesamt.AnzahlAbschnitte(); ++j) {
        if (gesamt.Abschnitte[j].Markiert) continue;
        if (j != w) AbschnittKopieren(gesamt, j, w);
        ++w;
    }
    // Every deleted section counts, also those that stood behind the mark.
    const int32_t geloescht = gesamt.AnzahlAbschnitte() - w;
    daten.Einfuegemarke = std::clamp(daten.Einfuegemarke - geloescht, 0, w);
    gesamt.Abschnitte.resize(static_cast<size_t>(w));
}
