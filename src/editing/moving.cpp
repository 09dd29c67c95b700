#include "editing/moving.h"

#include "editing/marked_block.h"
#include "editing/section_copy.h"

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

// One step of the block to the left through the spare slot `frei`: the section before the block
// goes behind it.
void SchrittLinks(Profile& gesamt, int32_t& erster, int32_t& letzter, int32_t frei) {
    AbschnittKopieren(gesamt, erster - 1, frei);
    for (int32_t i = erster; i <= letzter; ++i)
        AbschnittKopieren(gesamt, i, i - 1);
    AbschnittKopieren(gesamt, frei, letzter);
    --erster;
    --letzter;
}

// One step to the right: the section behind the block goes before it.
void SchrittRechts(Profile& gesamt, int32_t& erster, int32_t& letzter, int32_t frei) {
    AbschnittKopieren(gesamt, letzter + 1, frei);
    for (int32_t i = letzter; i >= erster; --i)
        AbschnittKopieren(gesamt, i, i + 1);
    AbschnittKopieren(gesamt, frei, erster);
    ++erster;
    ++letzter;
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
    gesamt.Abschnitte.resize(static_cast<size_t>(n + 1));
    while (erster > v.Ziel)
        SchrittLinks(gesamt, erster, letzter, n);
    while (erster < v.Ziel)
        SchrittRechts(gesamt, erster, letzter, n);
    gesamt.Abschnitte.resize(static_cast<size_t>(n));

    for (int32_t i = 0; i < n; ++i)
        gesamt.Abschnitte[i].Markiert = i >= erster && i <= letzter;
}

Verschiebung Umkehrung(const Verschiebung& v) {
    return {v.Ziel, v.Ziel + (v.Letzter - v.Erster), v.Erster};
}
