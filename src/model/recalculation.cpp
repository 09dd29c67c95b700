#include "model/recalculation.h"

#include "model/smoothing.h"
#include "model/smoothing_window.h"

#include <algorithm>
#include <bit>

namespace {

bool GleicheEingaben(const ProfilePoint& p, const ProfilePoint& alt) {
    return p.Hoehe == alt.Hoehe &&
           std::bit_cast<uint32_t>(p.Abstand) == std::bit_cast<uint32_t>(alt.Abstand);
}

// The results of a point with the same inputs, stored only where they differ: the pages of an
// unchanged stretch stay clean.
void ErgebnisseUebernehmen(ProfilePoint& p, const ProfilePoint& alt) {
    if (p.HoeheGeglaettet != alt.HoeheGeglaettet) p.HoeheGeglaettet = alt.HoeheGeglaettet;
    if (std::bit_cast<uint32_t>(p.Steigung) != std::bit_cast<uint32_t>(alt.Steigung))
        p.Steigung = alt.Steigung;
}

// The sections holding the points [von, bis) of the route, given the index of each section's
// first point (one entry more than sections).
Abschnittsbereich AbschnitteUeber(const std::vector<int64_t>& anfang, int64_t von, int64_t bis) {
    const auto erster = std::upper_bound(anfang.begin(), anfang.end() - 1, von) - 1;
    const auto letzter = std::lower_bound(erster, anfang.end(), bis);
    return {static_cast<int32_t>(erster - anfang.begin()),
            static_cast<int32_t>(letzter - anfang.begin()), *erster};
}

} // namespace

Nachrechnung::Abschnittswerte Nachrechnung::Werte(const ProfileSection& a, int64_t anfang) {
    return {anfang,
            a.Punktanzahl,
            a.Strecke,
            a.HoeheMax,
            a.HoeheMin,
            a.HoeheMaxGeglaettet,
            a.HoeheMinGeglaettet,
            a.HoehenmeterPlus,
            a.HoehenmeterMinus,
            a.HoehenmeterPlusGeglaettet,
            a.HoehenmeterMinusGeglaettet};
}

void Nachrechnung::WerteSetzen(ProfileSection& a, const Abschnittswerte& w) {
    a.Strecke = w.strecke;
    a.HoeheMax = w.hoeheMax;
    a.HoeheMin = w.hoeheMin;
    a.HoeheMaxGeglaettet = w.hoeheMaxGeglaettet;
    a.HoeheMinGeglaettet = w.hoeheMinGeglaettet;
    a.HoehenmeterPlus = w.plus;
    a.HoehenmeterMinus = w.minus;
    a.HoehenmeterPlusGeglaettet = w.plusGeglaettet;
    a.HoehenmeterMinusGeglaettet = w.minusGeglaettet;
}

void Nachrechnung::Rechnen(Profile& profil, int32_t L, int32_t G) {
    if (profil.Abschnitte.empty()) {
        GesamtNeuBerechnen(profil, L, G);
        gueltig_ = false;
        return;
    }
    const Wegtabelle& tabelle = WegtabelleFuer(profil, true);
    const int64_t n = tabelle.Anzahl();
    const int64_t* const M = tabelle.meter.data();
    ProfilePoint* const* const neu = tabelle.punkte.data();
    const auto abschnittszahl = static_cast<int32_t>(profil.Abschnitte.size());
    std::vector<int64_t> anfang(static_cast<size_t>(abschnittszahl) + 1, 0);
    for (int32_t s = 0; s < abschnittszahl; ++s)
        anfang[s + 1] = anfang[s] + profil.Abschnitte[s].Punktanzahl;

    int64_t kopieVon = 0;
    int64_t kopieBis = n;
    if (!gueltig_ || L != L_ || G != G_ || M[n] > GanzeMeterGrenze) {
        GesamtNeuBerechnen(profil, tabelle, L, G);
        punkte_.resize(static_cast<size_t>(n));
    } else {
        profil.GlaettungMittelungUeber = L;
        profil.SteigungMittelungUeber = G;
        const auto alt = static_cast<int64_t>(punkte_.size());
        const int64_t gemeinsam = std::min(n, alt);
        // The route differs from the last one in the points [vorn, ende) at most (the old
        // points [vorn, alt - hinten)); the others take their results from the record.
        int64_t vorn = 0;
        while (vorn < gemeinsam && GleicheEingaben(*neu[vorn], punkte_[vorn])) {
            ErgebnisseUebernehmen(*neu[vorn], punkte_[vorn]);
            ++vorn;
        }
        int64_t hinten = 0;
        while (hinten < gemeinsam - vorn &&
               GleicheEingaben(*neu[n - 1 - hinten], punkte_[alt - 1 - hinten])) {
            ErgebnisseUebernehmen(*neu[n - 1 - hinten], punkte_[alt - 1 - hinten]);
            ++hinten;
        }
        const int64_t ende = n - hinten;
        const int64_t verschiebung = n - alt; // new index of a point behind the change - old one

        // Smoothed heights to do again: [glattVon, glattBis). A point before the change keeps
        // its height when its window ends before it: the end's running metres stay below the
        // point's own (with its step) plus L. A point behind keeps it when its window starts
        // behind the change: half the window back lies within the unchanged points.
        const int64_t glattVon =
            std::partition_point(M + 1, M + vorn + 1, [&](int64_t m) { return m + L <= M[vorn]; }) -
            (M + 1);
        const int64_t glattBis =
            std::partition_point(M + ende, M + n,
                                 [&](int64_t m) { return 2 * (m - M[ende]) < L; }) -
            M;
        // Positions behind the change are the old ones when the position in front of them is.
        const float vorNeu = ende > 0 ? neu[ende - 1]->Strecke : 0.0f;
        const float vorAlt =
            ende - verschiebung > 0 ? punkte_[ende - verschiebung - 1].Strecke : 0.0f;
        const bool gleichePositionen =
            std::bit_cast<uint32_t>(vorNeu) == std::bit_cast<uint32_t>(vorAlt);
        // Gradients to do again, by the same rule around the changed heights and positions.
        const int64_t steigungVon =
            std::partition_point(M + 1, M + glattVon + 1,
                                 [&](int64_t m) { return m + G <= M[glattVon]; }) -
            (M + 1);
        const int64_t steigungBis =
            gleichePositionen
                ? std::partition_point(M + glattBis, M + n,
                                       [&](int64_t m) { return 2 * (m - M[glattBis]) < G; }) -
                      M
                : n;

        // The points walked again, whole sections of them.
        int64_t gewalztVon = n;
        int64_t gewalztBis = 0;
        const auto Walk = [&](int64_t von, int64_t bis, auto pass) {
            if (von >= bis) return;
            const Abschnittsbereich bereich = AbschnitteUeber(anfang, von, bis);
            pass(bereich);
            gewalztVon = std::min(gewalztVon, anfang[bereich.von]);
            gewalztBis = std::max(gewalztBis, anfang[bereich.bis]);
        };
        Walk(glattVon, glattBis,
             [&](const Abschnittsbereich& b) { GlaettenIn(profil, tabelle, L, b); });
        Walk(steigungVon, steigungBis,
             [&](const Abschnittsbereich& b) { SteigungenIn(profil, tabelle, G, b, false); });

        // A section outside the changed heights keeps the statistics of the same points in the
        // record; a section of points that were not together before has them computed.
        for (int32_t s = 0; s < abschnittszahl; ++s) {
            ProfileSection& a = profil.Abschnitte[s];
            const int64_t b = anfang[s];
            const bool unveraendert =
                a.Punktanzahl > 0 && (b + a.Punktanzahl <= glattVon || b >= glattBis);
            const Abschnittswerte* vorher = nullptr;
            if (unveraendert) {
                const int64_t altAnfang = b < glattVon ? b : b - verschiebung;
                const auto it = std::lower_bound(abschnitte_.begin(), abschnitte_.end(), altAnfang,
                                                 [](const Abschnittswerte& w, int64_t x) {
                                                     return w.anfang < x ||
                                                            (w.anfang == x && w.punktanzahl == 0);
                                                 });
                if (it != abschnitte_.end() && it->anfang == altAnfang &&
                    it->punktanzahl == a.Punktanzahl)
                    vorher = &*it;
            }
            if (vorher != nullptr)
                WerteSetzen(a, *vorher);
            else
                AbschnittStatistikGeglaettet(a);
        }
        StatistikSummen(profil);

        // The record follows: the points behind the change move to their new indices, and
        // those done again are copied.
        if (verschiebung > 0)
            punkte_.insert(punkte_.begin() + vorn, static_cast<size_t>(verschiebung), {});
        else if (verschiebung < 0)
            punkte_.erase(punkte_.begin() + vorn, punkte_.begin() + vorn - verschiebung);
        kopieVon = std::min(vorn, gewalztVon);
        kopieBis = std::max(ende, gewalztBis);
    }
    for (int64_t i = kopieVon; i < kopieBis; ++i)
        punkte_[i] = *neu[i];
    abschnitte_.resize(static_cast<size_t>(abschnittszahl));
    for (int32_t s = 0; s < abschnittszahl; ++s)
        abschnitte_[s] = Werte(profil.Abschnitte[s], anfang[s]);
    L_ = L;
    G_ = G;
    gueltig_ = true;
}
