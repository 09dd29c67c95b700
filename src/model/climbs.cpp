#include "model/climbs.h"

#include "model/route_points.h"

#include <algorithm>
#include <cmath>

namespace {

// Positions are float32 sums of the steps: a stretch built as exactly 300 m or 3 % may come out
// a hair short of it. These margins lie far below anything a screenshot can show.
constexpr double LaengenSpielraum = 1e-4;   // km
constexpr double SteigungsSpielraum = 1e-3; // %

// The route as one line: the position and the height of every point in route order, gathered
// once so that the walks below index it directly.
struct Linie {
    std::vector<float> km;
    std::vector<int32_t> hoehe;
};

Linie LinieVon(const Profile& profil, bool geglaettet) {
    Linie l;
    size_t anzahl = 0;
    for (const ProfileSection& a : profil.Abschnitte)
        anzahl += static_cast<size_t>(PunkteIn(a));
    l.km.reserve(anzahl);
    l.hoehe.reserve(anzahl);
    for (const ProfileSection& a : profil.Abschnitte) {
        const int32_t n = PunkteIn(a);
        for (int32_t j = 0; j < n; ++j) {
            l.km.push_back(a.Punkte[j].Strecke);
            l.hoehe.push_back(geglaettet ? a.Punkte[j].HoeheGeglaettet : a.Punkte[j].Hoehe);
        }
    }
    return l;
}

double LaengeKm(const Linie& l, size_t von, size_t bis) {
    return static_cast<double>(l.km[bis]) - static_cast<double>(l.km[von]);
}

int64_t Gewinn(const Linie& l, size_t von, size_t bis) {
    return int64_t{l.hoehe[bis]} - l.hoehe[von];
}

// Whether the stretch from `von` to `bis` climbs at 3 % or more on the mean.
bool SteilGenug(const Linie& l, size_t von, size_t bis) {
    const double laenge = LaengeKm(l, von, bis);
    if (!(laenge > 0.0)) return false;
    const double steigung = static_cast<double>(Gewinn(l, von, bis)) / (laenge * 1000.0) * 100.0;
    return steigung >= AnstiegMindestSteigung - SteigungsSpielraum;
}

struct Stueck {
    size_t von;
    size_t bis;
};

// The part of the rise from the low point `fuss` to the high point `gipfel` that counts as the
// climb: the whole rise when it is steep enough on the mean; else the longer of the steep parts
// that keep one of its ends, starting at a later low point (one below every point after it) or
// ending at an earlier high point (one above every point before it). None when no part is
// steep enough.
std::optional<Stueck> SteilerTeil(const Linie& l, size_t fuss, size_t gipfel) {
    if (SteilGenug(l, fuss, gipfel)) return Stueck{fuss, gipfel};
    std::optional<size_t> anfang;
    int32_t tiefste = l.hoehe[gipfel];
    for (size_t k = gipfel; k-- > fuss;) {
        if (l.hoehe[k] >= tiefste) continue;
        tiefste = l.hoehe[k];
        if (SteilGenug(l, k, gipfel)) anfang = k;
    }
    std::optional<size_t> ende;
    int32_t hoechste = l.hoehe[fuss];
    for (size_t k = fuss + 1; k <= gipfel; ++k) {
        if (l.hoehe[k] <= hoechste) continue;
        hoechste = l.hoehe[k];
        if (SteilGenug(l, fuss, k)) ende = k;
    }
    if (anfang && (!ende || Gewinn(l, *anfang, gipfel) >= Gewinn(l, fuss, *ende)))
        return Stueck{*anfang, gipfel};
    if (ende) return Stueck{fuss, *ende};
    return std::nullopt;
}

int32_t Gehalten(int64_t wert) {
    return static_cast<int32_t>(std::clamp<int64_t>(wert, INT32_MIN, INT32_MAX));
}

// The figures of the climb `teil`; none when it is too short or too easy to be listed.
std::optional<Anstieg> Anstiegswerte(const Linie& l, Stueck teil) {
    const double laenge = LaengeKm(l, teil.von, teil.bis);
    if (!(laenge >= AnstiegMindestLaenge - LaengenSpielraum) || !std::isfinite(laenge))
        return std::nullopt;
    const int64_t gewinn = Gewinn(l, teil.von, teil.bis);
    Anstieg a;
    a.Von = l.km[teil.von];
    a.Bis = l.km[teil.bis];
    a.Laenge = laenge;
    a.HoeheAnfang = l.hoehe[teil.von];
    a.HoeheGipfel = l.hoehe[teil.bis];
    a.Hoehenmeter = Gehalten(gewinn);
    const double meter = laenge * 1000.0;
    a.Steigung = static_cast<double>(gewinn) / meter * 100.0;
    // Length times mean gradient is 100 times the height gain; taken so, a climb of whole
    // metres lies on the same side of every bound whatever the rounding of its length.
    a.Wertung = 100.0 * static_cast<double>(gewinn);
    a.Kategorie = KategorieFuer(a.Wertung);
    if (a.Kategorie == AnstiegsKategorie::Keine) return std::nullopt;
    SteilsteSteigung steilste;
    for (size_t k = teil.von; k <= teil.bis; ++k)
        steilste.Punkt(l.km[k], l.hoehe[k]);
    a.MaxSteigung = steilste.Ergebnis().value_or(a.Steigung);
    const double h = static_cast<double>(gewinn);
    a.Fiets = h * h / (10.0 * meter);
    if (a.HoeheGipfel > 1000) a.Fiets += (a.HoeheGipfel - 1000.0) / 1000.0;
    return a;
}

// A rise that a long level or gentle piece joins may hold more than one climb: once its
// steepest part is taken, the rest before it (from the foot to its highest point) and after it
// (from its lowest point to the top) are looked at in turn, as long as each part taken is
// listed. Each look walks the rest once; a rise gives at most this many, which keeps the whole
// search linear even on a route of nothing but gentle rises.
constexpr int MaxTeileJeAnstieg = 64;

size_t HoechsterIn(const Linie& l, size_t von, size_t bis) {
    size_t h = von;
    for (size_t k = von + 1; k <= bis; ++k)
        if (l.hoehe[k] > l.hoehe[h]) h = k;
    return h;
}

size_t TiefsterIn(const Linie& l, size_t von, size_t bis) {
    size_t t = bis;
    for (size_t k = bis; k-- > von;)
        if (l.hoehe[k] < l.hoehe[t]) t = k;
    return t;
}

// The climbs of the rise from the low point `fuss` to the high point `gipfel`, appended in
// route order.
void Bewerten(const Linie& l, size_t fuss, size_t gipfel, std::vector<Anstieg>& liste) {
    // No part of a rise gains more than the rise: most rises, a few metres of noise, end here.
    if (KategorieFuer(100.0 * static_cast<double>(Gewinn(l, fuss, gipfel))) ==
        AnstiegsKategorie::Keine)
        return;
    const size_t vorher = liste.size();
    std::vector<Stueck> offen{{fuss, gipfel}};
    for (int runde = 0; !offen.empty() && runde < MaxTeileJeAnstieg; ++runde) {
        const Stueck s = offen.back();
        offen.pop_back();
        const std::optional<Stueck> teil = SteilerTeil(l, s.von, s.bis);
        if (!teil) continue;
        const std::optional<Anstieg> a = Anstiegswerte(l, *teil);
        if (!a) continue;
        liste.push_back(*a);
        // A rest that gains too little for a listed climb is not searched.
        const auto merken = [&](Stueck rest) {
            if (KategorieFuer(100.0 * static_cast<double>(Gewinn(l, rest.von, rest.bis))) !=
                AnstiegsKategorie::Keine)
                offen.push_back(rest);
        };
        if (teil->von > s.von) merken({s.von, HoechsterIn(l, s.von, teil->von)});
        if (teil->bis < s.bis) merken({TiefsterIn(l, teil->bis, s.bis), s.bis});
    }
    std::sort(liste.begin() + static_cast<std::ptrdiff_t>(vorher), liste.end(),
              [](const Anstieg& a, const Anstieg& b) { return a.Von < b.Von; });
}

} // namespace

const char* KategorieText(AnstiegsKategorie kategorie) {
    switch (kategorie) {
    case AnstiegsKategorie::Keine:
        return "";
    case AnstiegsKategorie::Vier:
        return "4";
    case AnstiegsKategorie::Drei:
        return "3";
    case AnstiegsKategorie::Zwei:
        return "2";
    case AnstiegsKategorie::Eins:
        return "1";
    case AnstiegsKategorie::HC:
        return "HC";
    }
    return "";
}

AnstiegsKategorie KategorieFuer(double wertung) {
    if (wertung > 80000.0) return AnstiegsKategorie::HC;
    if (wertung > 64000.0) return AnstiegsKategorie::Eins;
    if (wertung > 32000.0) return AnstiegsKategorie::Zwei;
    if (wertung > 16000.0) return AnstiegsKategorie::Drei;
    if (wertung > 8000.0) return AnstiegsKategorie::Vier;
    return AnstiegsKategorie::Keine;
}

std::vector<Anstieg> AnstiegeFinden(const Profile& profil, bool geglaettet) {
    const Linie l = LinieVon(profil, geglaettet);
    std::vector<Anstieg> liste;
    if (l.km.empty()) return liste;
    size_t fuss = 0;
    size_t gipfel = 0;
    for (size_t i = 1; i < l.km.size(); ++i) {
        if (l.hoehe[i] > l.hoehe[gipfel]) {
            gipfel = i;
            continue;
        }
        // A level or lower point: a dip that the climb survives, or its end. Before the climb
        // has gained anything, every such point is a new low point to start from.
        const int64_t verlust = Gewinn(l, i, gipfel);
        const int64_t gewinn = Gewinn(l, fuss, gipfel);
        if (verlust < DelleMaxVerlust && verlust * DelleAnteil < gewinn) continue;
        Bewerten(l, fuss, gipfel, liste);
        fuss = gipfel = i;
    }
    Bewerten(l, fuss, gipfel, liste);
    return liste;
}

void SteilsteSteigung::Punkt(float km, int32_t hoehe) {
    while (erster_ < offen_.size()) {
        const Offen& p = offen_[erster_];
        const double meter = (static_cast<double>(km) - p.km) * 1000.0;
        if (!(meter >= SteilsteStrecke * 1000.0 - LaengenSpielraum * 1000.0)) break;
        const double prozent = static_cast<double>(int64_t{hoehe} - p.hoehe) / meter * 100.0;
        if (!steilste_ || prozent > *steilste_) steilste_ = prozent;
        ++erster_;
    }
    // The points passed are dropped once they are the larger part, so the vector holds a
    // little more than the last 100 m.
    if (erster_ > 64 && 2 * erster_ > offen_.size()) {
        offen_.erase(offen_.begin(), offen_.begin() + static_cast<std::ptrdiff_t>(erster_));
        erster_ = 0;
    }
    offen_.push_back({km, hoehe});
}

std::vector<Hoehensprung> HoehenspruengeFinden(const Profile& profil) {
    std::vector<Hoehensprung> spruenge;
    const ProfilePoint* letzter = nullptr;
    for (int32_t i = 0; i < profil.AnzahlAbschnitte(); ++i) {
        const ProfileSection& a = profil.Abschnitte[i];
        const int32_t n = PunkteIn(a);
        if (n == 0) continue;
        if (letzter != nullptr) {
            const int64_t d = int64_t{a.Punkte[0].Hoehe} - letzter->Hoehe;
            if (d > SprungSchwelle || d < -SprungSchwelle)
                spruenge.push_back({i, a.Punkte[0].Strecke, Gehalten(d)});
        }
        letzter = &a.Punkte[n - 1];
    }
    return spruenge;
}

std::vector<Hoehensprung> SpruengeIn(const std::vector<Hoehensprung>& spruenge,
                                     const Anstieg& anstieg) {
    const auto nach = [](float km, const Hoehensprung& s) { return km < s.Km; };
    const auto von = std::upper_bound(spruenge.begin(), spruenge.end(), anstieg.Von, nach);
    const auto bis = std::upper_bound(von, spruenge.end(), anstieg.Bis, nach);
    return std::vector<Hoehensprung>(von, bis);
}
