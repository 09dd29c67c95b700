#include "refresh/recalculation.h"

#include "refresh/window_rule.h"

#include <algorithm>
#include <bit>

namespace {

uint32_t Bits(float x) {
    return std::bit_cast<uint32_t>(x);
}

// f(von, bis) returns the first index in [von, bis) where something differs, or bis. This runs
// it over [von, bis), a long range in two halves on two threads, and returns the first
// difference. f must write only to what belongs to the indices of its own range.
template <typename F> int64_t ErsterUnterschied(int64_t von, int64_t bis, const F& f) {
    if (bis - von < ParallelAb) return f(von, bis);
    const int64_t mitte = von + (bis - von) / 2;
    int64_t erste = mitte;
    int64_t danach = bis;
    Nebeneinander([&] { erste = f(von, mitte); }, [&] { danach = f(mitte, bis); });
    return erste < mitte ? erste : danach;
}

// Moves the entries from `an` on by `um` places, as the points behind a change move.
template <typename T> void Verschieben(std::vector<T>& v, int64_t an, int64_t um) {
    if (um > 0)
        v.insert(v.begin() + an, static_cast<size_t>(um), T{});
    else if (um < 0)
        v.erase(v.begin() + an, v.begin() + an - um);
}

// The sections holding the points [von, bis) of the route, given the index of each section's
// first point (one entry more than sections).
Abschnittsbereich AbschnitteUeber(const std::vector<int64_t>& anfang, int64_t von, int64_t bis) {
    const auto erster = std::upper_bound(anfang.begin(), anfang.end() - 1, von) - 1;
    const auto letzter = std::lower_bound(erster, anfang.end(), bis);
    return {static_cast<int32_t>(erster - anfang.begin()),
            static_cast<int32_t>(letzter - anfang.begin()), *erster};
}

// The points of the unchanged run [von, bis) of the route that keep their smoothed height
// wherever the run stands: those whose window lies within it. Such a window starts inside (the
// steps back to the run's start reach half the length) and ends inside (the steps on from the
// point's own step to the run's end reach the length), so it is found from the run's own steps
// and heights alone. Returns [erster, letzter).
std::pair<int64_t, int64_t> Behalten(const int64_t* M, int64_t von, int64_t bis, int32_t laenge) {
    const int64_t erster =
        std::partition_point(M + von, M + bis,
                             [&](int64_t m) { return FensterZurueckWeiter(m - M[von], laenge); }) -
        M;
    const int64_t letzter =
        std::partition_point(M + erster + 1, M + bis + 1,
                             [&](int64_t m) { return !FensterVorWeiter(0, M[bis] - m, laenge); }) -
        M - 1;
    return {erster, std::max(erster, letzter)};
}

} // namespace

void Nachrechnung::Rechnen(Profile& profil, int32_t L, int32_t G) {
    if (profil.Abschnitte.empty()) {
        Statistik(profil);
        gueltig_ = false;
        return;
    }
    tabelle_.Fuellen(profil, true);
    const Wegtabelle& tabelle = tabelle_;
    const int64_t n = tabelle.Anzahl();
    std::vector<int64_t> anfang(profil.Abschnitte.size() + 1, 0);
    for (size_t s = 0; s < profil.Abschnitte.size(); ++s)
        anfang[s + 1] = anfang[s] + profil.Abschnitte[s].Punktanzahl;
    // A new gradient window leaves the smoothed heights: only the gradients are all new.
    if (gueltig_ && L == L_ && tabelle.meter[n] <= GanzeMeterGrenze) {
        Teilweise(profil, tabelle, anfang, L, G, G != G_);
    } else {
        punkte_.resize(static_cast<size_t>(n));
        GanzNeuBerechnen(profil, tabelle, L, G, punkte_.data());
    }
    AbschnitteAufzeichnen(profil, anfang);
    L_ = L;
    G_ = G;
    gueltig_ = true;
}

void Nachrechnung::Teilweise(Profile& profil, const Wegtabelle& tabelle,
                             const std::vector<int64_t>& anfang, int32_t L, int32_t G,
                             bool alleSteigungen) {
    profil.GlaettungMittelungUeber = L;
    profil.SteigungMittelungUeber = G;
    const int64_t n = tabelle.Anzahl();
    const int64_t* const M = tabelle.meter.data();
    ProfilePoint* const* const neu = tabelle.punkte.data();
    const auto alt = static_cast<int64_t>(punkte_.size());
    const int64_t gemeinsam = std::min(n, alt);

    // The route differs from the last one in the points [vorn, ende) at most (the old points
    // [vorn, alt - hinten)). Equal points take their results from the record as they are
    // compared.
    const auto GleichBis = [&](int64_t von, int64_t bis, auto neuIndex, auto altIndex) {
        for (int64_t k = von; k < bis; ++k) {
            ProfilePoint& p = *neu[neuIndex(k)];
            const PunktAufzeichnung& a = punkte_[altIndex(k)];
            if (p.Hoehe != a.hoehe || Bits(p.Abstand) != Bits(a.abstand)) return k;
            // Stored only where they differ: the pages of an unchanged stretch stay clean.
            if (p.HoeheGeglaettet != a.hoeheGeglaettet) p.HoeheGeglaettet = a.hoeheGeglaettet;
            if (Bits(p.Steigung) != Bits(a.steigung)) p.Steigung = a.steigung;
        }
        return bis;
    };
    const auto Selbst = [](int64_t k) { return k; };
    const int64_t vorn = ErsterUnterschied(0, gemeinsam, [&](int64_t von, int64_t bis) {
        return GleichBis(von, bis, Selbst, Selbst);
    });
    // Counted from the ends. Points of the change that the second half compares by mistake take
    // results that the walks below replace.
    const int64_t hinten = ErsterUnterschied(0, gemeinsam - vorn, [&](int64_t von, int64_t bis) {
        return GleichBis(
            von, bis, [&](int64_t k) { return n - 1 - k; }, [&](int64_t k) { return alt - 1 - k; });
    });
    const int64_t ende = n - hinten;
    const int64_t verschiebung = n - alt; // new index of a point behind the change - old index

    // A move of sections turns the changed stretch around: its new points are its old ones from
    // some section on, then those before that section. `naht` is where the second run starts
    // (-1: no turn). The candidates are the old sections starting inside the stretch with the
    // stretch's new first point as their first and its new last point before them; the runs are
    // then compared in full, which takes their results from the record.
    int64_t naht = -1;
    if (verschiebung == 0 && ende - vorn > 1) {
        const auto Gleich = [&](int64_t k, int64_t altK) {
            return neu[k]->Hoehe == punkte_[altK].hoehe &&
                   Bits(neu[k]->Abstand) == Bits(punkte_[altK].abstand);
        };
        auto it = std::upper_bound(
            abschnitte_.begin(), abschnitte_.end(), vorn,
            [](int64_t x, const Abschnittsaufzeichnung& w) { return x < w.anfang; });
        for (int versuche = 0; it != abschnitte_.end() && it->anfang < ende && versuche < 3; ++it) {
            const int64_t dreh = it->anfang - vorn;
            if (it->punktanzahl == 0 || !Gleich(vorn, it->anfang) ||
                !Gleich(ende - 1, it->anfang - 1))
                continue;
            ++versuche;
            const int64_t zweite = ende - dreh;
            const auto Vorn = [&](int64_t von, int64_t bis) {
                return GleichBis(von, bis, Selbst, [dreh](int64_t k) { return k + dreh; });
            };
            const auto Hinten = [&](int64_t von, int64_t bis) {
                return GleichBis(von, bis, Selbst, [&](int64_t k) { return k - (zweite - vorn); });
            };
            if (ErsterUnterschied(vorn, zweite, Vorn) == zweite &&
                ErsterUnterschied(zweite, ende, Hinten) == ende) {
                naht = zweite;
                break;
            }
        }
    }

    // Smoothed heights to do again: [glattVon, glattBis). A point before the change keeps its
    // height when its window ends before it: the end's running metres stay below the point's
    // own (with its step) plus L. A point behind keeps it when its window starts behind the
    // change: half the window back lies within the unchanged points.
    const auto VorAnfang = [&](int64_t vor, int32_t laenge) {
        return std::partition_point(
                   M + 1, M + vor + 1,
                   [&](int64_t m) { return !FensterVorWeiter(0, M[vor] - m, laenge); }) -
               (M + 1);
    };
    const auto HinterEnde = [&](int64_t hinter, int32_t laenge) {
        return std::partition_point(
                   M + hinter, M + n,
                   [&](int64_t m) { return FensterZurueckWeiter(m - M[hinter], laenge); }) -
               M;
    };
    const int64_t glattVon = VorAnfang(vorn, L);
    const int64_t glattBis = HinterEnde(ende, L);
    // Positions behind the change are the old ones when the position in front of them is.
    const float vorNeu = ende > 0 ? neu[ende - 1]->Strecke : 0.0f;
    const float vorAlt = ende - verschiebung > 0 ? punkte_[ende - verschiebung - 1].strecke : 0.0f;
    const bool gleichePositionen = Bits(vorNeu) == Bits(vorAlt);
    // Gradients to do again, by the same rule around the changed heights and positions.
    const int64_t steigungVon = alleSteigungen ? 0 : VorAnfang(glattVon, G);
    const int64_t steigungBis = gleichePositionen && !alleSteigungen ? HinterEnde(glattBis, G) : n;

    // The record follows: the points behind the change move to their new places, unless their
    // positions moved, and the gradients' walk records every point it passes. That walk holds
    // every point done again (whole sections of them): the changed ones, the heights' sections,
    // and all behind the change when their positions moved.
    if (gleichePositionen)
        Verschieben(punkte_, vorn, verschiebung);
    else
        punkte_.resize(static_cast<size_t>(n));
    // The heights' sections take their statistics in the gradients' walk, while their points
    // are at hand.
    Abschnittsbereich glatt{0, 0, 0};
    if (glattVon < glattBis) {
        glatt = AbschnitteUeber(anfang, glattVon, glattBis);
        // A turned stretch keeps the heights inside each of its two runs.
        std::vector<std::pair<int64_t, int64_t>> neu{{glattVon, glattBis}};
        if (naht >= 0) {
            const auto [von1, bis1] = Behalten(M, vorn, naht, L);
            const auto [von2, bis2] = Behalten(M, naht, ende, L);
            neu = {{glattVon, von1}, {bis1, von2}, {bis2, glattBis}};
        }
        for (const auto& [von, bis] : neu)
            if (von < bis) GlaettenIn(profil, tabelle, L, AbschnitteUeber(anfang, von, bis));
    }
    if (steigungVon < steigungBis)
        SteigungenIn(profil, tabelle, G, AbschnitteUeber(anfang, steigungVon, steigungBis),
                     glatt.von, glatt.bis, punkte_.data());
    AbschnittsstatistikTeilweise(profil, anfang, glatt, glattVon, glattBis, verschiebung);
    StatistikSummen(profil);
}

void Nachrechnung::AbschnittsstatistikTeilweise(Profile& profil, const std::vector<int64_t>& anfang,
                                                const Abschnittsbereich& glatt, int64_t glattVon,
                                                int64_t glattBis, int64_t verschiebung) {
    // A section outside the changed heights keeps the statistics of the same points in the
    // record; one of points that were not together before has them computed.
    const auto Vorher = [&](const ProfileSection& a,
                            int64_t altAnfang) -> const Abschnittsaufzeichnung* {
        // Empty sections share the place of the next one and stand before it.
        const auto it =
            std::lower_bound(abschnitte_.begin(), abschnitte_.end(), altAnfang,
                             [](const Abschnittsaufzeichnung& w, int64_t x) {
                                 return w.anfang < x || (w.anfang == x && w.punktanzahl == 0);
                             });
        return it != abschnitte_.end() && it->anfang == altAnfang &&
                       it->punktanzahl == a.Punktanzahl
                   ? &*it
                   : nullptr;
    };
    for (int32_t s = 0; s < static_cast<int32_t>(profil.Abschnitte.size()); ++s) {
        if (glatt.von <= s && s < glatt.bis) continue;
        ProfileSection& a = profil.Abschnitte[s];
        const Abschnittsaufzeichnung* vorher = nullptr;
        if (a.Punktanzahl > 0 && anfang[s + 1] <= glattVon)
            vorher = Vorher(a, anfang[s]);
        else if (a.Punktanzahl > 0 && anfang[s] >= glattBis)
            vorher = Vorher(a, anfang[s] - verschiebung);
        if (vorher != nullptr)
            static_cast<Abschnittsstatistik&>(a) = vorher->statistik;
        else
            AbschnittStatistikGeglaettet(a);
    }
}

void Nachrechnung::AbschnitteAufzeichnen(const Profile& profil,
                                         const std::vector<int64_t>& anfang) {
    abschnitte_.resize(profil.Abschnitte.size());
    for (size_t s = 0; s < profil.Abschnitte.size(); ++s)
        abschnitte_[s] = {anfang[s], profil.Abschnitte[s].Punktanzahl, profil.Abschnitte[s]};
}
