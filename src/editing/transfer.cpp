#include "editing/transfer.h"

#include "editing/section_copy.h"

#include <algorithm>
#include <string>

std::optional<MarkierterBlock> UebertragungsBlock(const HoprexDaten& daten, Meldungen& meldungen) {
    if (daten.Aktuell.Abschnitte.empty()) return std::nullopt;
    MarkierterBlock block;
    if (!MarkierterBlockSuchen(daten.Aktuell, block, meldungen) || block.Anzahl == 0)
        return std::nullopt;
    if (block.Anzahl > MaxAbschnitte - daten.Gesamt.AnzahlAbschnitte()) {
        meldungen.Meldung("Fehler", "Der Höhenverlauf kann höchstens " +
                                        std::to_string(MaxAbschnitte) + " Abschnitte aufnehmen");
        return std::nullopt;
    }
    return block;
}

int32_t BlockUebernehmen(HoprexDaten& daten, const MarkierterBlock& block) {
    const Profile& aktuell = daten.Aktuell;
    Profile& gesamt = daten.Gesamt;
    const int32_t n = block.Anzahl;
    const int32_t alt = gesamt.AnzahlAbschnitte();
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
    return m;
}

bool WerteUebernehmen(HoprexDaten& daten, Meldungen& meldungen) {
    const std::optional<MarkierterBlock> block = UebertragungsBlock(daten, meldungen);
    if (!block) return false;
    BlockUebernehmen(daten, *block);
    return true;
}
