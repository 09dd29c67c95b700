#include "editing/transfer.h"

#include "editing/marked_block.h"
#include "editing/section_copy.h"

#include <algorithm>
#include <string>

bool WerteUebernehmen(HoprexDaten& daten, Meldungen& meldungen) {
    const Profile& aktuell = daten.Aktuell;
    Profile& gesamt = daten.Gesamt;
    if (aktuell.Abschnitte.empty()) return false;
    MarkierterBlock block;
    if (!MarkierterBlockSuchen(aktuell, block, meldungen) || block.Anzahl == 0) return false;

    const int32_t n = block.Anzahl;
    const int32_t alt = gesamt.AnzahlAbschnitte();
    if (n > MaxAbschnitte - alt) {
        meldungen.Meldung("Fehler", "Der Höhenverlauf kann höchstens " +
                                        std::to_string(MaxAbschnitte) + " Abschnitte aufnehmen");
        return false;
    }
    const int32_t m = std::clamp(daten.Einfuegemarke, 0, alt);
    gesamt.Abschnitte.resize(static_cast<size_t>(alt + n));
    // From the end down, so that no section is overwritten before it has moved up.
    for (int32_t i = alt - 1; i >= m; --i)
        AbschnittKopieren(gesamt, i, i + n);
    for (ProfileSection& a : gesamt.Abschnitte)
        a.Markiert = 0;
    for (int32_t i = 0; i < n; ++i) {
        AbschnittsdatenKopieren(aktuell.Abschnitte[block.Erster + i], gesamt.Abschnitte[m + i]);
        gesamt.Abschnitte[m + i].Markiert = 1;
    }
    daten.Einfuegemarke = m + n;
    return true;
}
