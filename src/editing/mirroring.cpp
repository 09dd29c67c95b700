#include "editing/mirroring.h"

#include "editing/section_copy.h"

#include <utility>

void PunkteUmkehren(ProfileSection& abschnitt) {
    for (int32_t j = 0, k = abschnitt.Punktanzahl - 1; j < k; ++j, --k) {
        ProfilePoint& a = abschnitt.Punkte[j];
        ProfilePoint& b = abschnitt.Punkte[k];
        std::swap(a.Hoehe, b.Hoehe);
        std::swap(a.Abstand, b.Abstand);
        std::swap(a.Stuetzpunkt, b.Stuetzpunkt);
    }
}

void BlockSpiegeln(Profile& gesamt, const MarkierterBlock& block) {
    const int32_t erster = block.Erster;
    const int32_t letzter = block.Letzter;
    for (int32_t i = erster; i <= letzter; ++i)
        PunkteUmkehren(gesamt.Abschnitte[i]);
    if (block.Anzahl > 1) {
        const int32_t frei = gesamt.AnzahlAbschnitte();
        gesamt.Abschnitte.resize(static_cast<size_t>(frei + 1));
        for (int32_t k = erster; k <= erster + (letzter - erster) / 2; ++k) {
            const int32_t gegenueber = letzter + erster - k;
            AbschnittKopieren(gesamt, k, frei);
            AbschnittKopieren(gesamt, gegenueber, k);
            AbschnittKopieren(gesamt, frei, gegenueber);
        }
        gesamt.Abschnitte.resize(static_cast<size_t>(frei));
        // The slot copies cleared the marks of the block.
        for (int32_t i = erster; i <= letzter; ++i)
            gesamt.Abschnitte[i].Markiert = 1;
    }
}
