#include "editing/moving.h"

#include "editing/marked_block.h"
#include "editing/section_copy.h"

#include <numeric>

void EinfuegemarkeVerschieben(HoprexDaten& daten, Richtung richtung) {
    const int32_t n = daten.Gesamt.AnzahlAbschnitte();
    int32_t& marke = daten.Einfuegemarke;
    switch (richtung) {
    case Richtung::GanzLinks:
        marke = 0;
        break;
    case Richtung::Links:
        if (marke > 0) --marke;
        break;
    case Richtung::Rechts:
        if (marke < n) ++marke;
        break;
    case Richtung::GanzRechts:
        marke = n;
        break;
    }
}

namespace {

// Rotates the sections [von, von + anzahl) left by `um` places through the spare slot `frei`:
// the section at von + um comes first. Each section is copied once, and the first of each cycle
// once more into the spare slot and out of it.
void Drehen(Profile& gesamt, int32_t von, int32_t anzahl, int32_t um, int32_t frei) {
    const int32_t zyklen = std::gcd(anzahl, um);
    for (int32_t start = 0; start < zyklen; ++start) {
        AbschnittKopieren(gesamt, von + start, frei);
        int32_t i = start;
        for (int32_t j = (i + um) % anzahl; j != start; j = (j + um) % anzahl) {
            AbschnittKopieren(gesamt, von + j, von + i);
            i = j;
        }
        AbschnittKopieren(gesamt, frei, von + i);
    }
}

} // namespace

std::optional<Verschiebung> VerschiebungPlanen(const Profile& gesamt, Richtung richtung,
                                               Meldungen& meldungen) {
    MarkierterBlock block;
    if (!MarkierterBlockSuchen(gesamt, block, meldungen) || block.Anzahl == 0) return std::nullopt;

    const int32_t n = gesamt.AnzahlAbschnitte();
    Verschiebung v{block.Erster, block.Letzter, block.Erster};
    switch (richtung) {
    case Richtung::GanzLinks:
        v.Ziel = 0;
        break;
    case Richtung::Links:
        v.Ziel = v.Erster > 0 ? v.Erster - 1 : v.Erster;
        break;
    case Richtung::Rechts:
        v.Ziel = v.Letzter < n - 1 ? v.Erster + 1 : v.Erster;
        break;
    case Richtung::GanzRechts:
        v.Ziel = n - block.Anzahl;
        break;
    }
    return v;
}

void BlockVerschieben(Profile& gesamt, const Verschiebung& v) {
    const int32_t n = gesamt.AnzahlAbschnitte();
    int32_t erster = v.Erster;
    int32_t letzter = v.Letzter;
    // The block and the sections it passes change sides in one rotation of the sections from
    // the first of them to the last: the result of moving the block one place at a time, with
    // each section copied once instead of once for every place the block passes it.
    const int32_t anzahl = letzter - erster + 1;
    gesamt.Abschnitte.resize(static_cast<size_t>(n + 1));
    if (v.Ziel < erster) Drehen(gesamt, v.Ziel, letzter + 1 - v.Ziel, erster - v.Ziel, n);
    if (v.Ziel > erster) Drehen(gesamt, erster, v.Ziel + anzahl - erster, anzahl, n);
    gesamt.Abschnitte.resize(static_cast<size_t>(n));
    erster = v.Ziel;
    letzter = v.Ziel + anzahl - 1;

    for (int32_t i = 0; i < n; ++i)
        gesamt.Abschnitte[i].Markiert = i >= erster && i <= letzter;
}

Verschiebung Umkehrung(const Verschiebung& v) {
    return {v.Ziel, v.Ziel + (v.Letzter - v.Erster), v.Erster};
}
