#include "model/route_columns.h"

#include "model/route_points.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// The lowest and highest point of a column on the plain heights, for their own line beside
// the smoothed one.
struct RoheExtreme {
    int32_t Min = 0, Max = 0;
    const ProfilePoint* Tiefster = nullptr;
    const ProfilePoint* Hoechster = nullptr;
};

// One column while the points are gathered: its first, lowest, highest and last point; the line
// is drawn through the lowest and highest, the fill continues from the first and last. The
// points stay where they are in the profile: their addresses follow the route order.
struct Sammlung {
    RoutenSpalte Spalte;
    double SteigungSumme = 0.0;
    int32_t Anzahl = 0;
    const ProfilePoint* Erster = nullptr;
    const ProfilePoint* Tiefster = nullptr;
    const ProfilePoint* Hoechster = nullptr;
    const ProfilePoint* Letzter = nullptr;
    RoheExtreme Roh;

    void Hoehe(double h) {
        Spalte.HoeheMin = Spalte.Belegt ? std::min(Spalte.HoeheMin, h) : h;
        Spalte.HoeheMax = Spalte.Belegt ? std::max(Spalte.HoeheMax, h) : h;
        Spalte.Belegt = true;
    }
};

class Reduktion {
public:
    Reduktion(double von, double bis, int32_t spalten, bool geglaettet, bool roheLinie)
        : von_(von), breite_((bis - von) / spalten), proKm_(spalten / (bis - von)),
          spalten_(spalten),
          hoehe_(geglaettet ? &ProfilePoint::HoeheGeglaettet : &ProfilePoint::Hoehe),
          roheLinie_(geglaettet && roheLinie), s_(spalten) {}

    // The column of `km`, -1 left of the range, spalten right of it.
    int32_t SpalteVon(double km) const {
        const double c = (km - von_) * proKm_;
        if (!(c >= 0.0)) return -1;
        return c >= spalten_ ? spalten_ : static_cast<int32_t>(c);
    }

    // Runs for every point of the view, half a million in a full view of a long route: `h` is
    // the point's height of the line, `Roh` whether the plain line is gathered besides.
    template <bool Roh> static void Punkt(Sammlung& s, const ProfilePoint& p, double h) {
        if (s.Anzahl++ == 0) {
            s.Erster = s.Tiefster = s.Hoechster = &p;
            s.Spalte = {true, h, h, 0.0};
        } else if (h < s.Spalte.HoeheMin) {
            s.Tiefster = &p;
            s.Spalte.HoeheMin = h;
        } else if (h > s.Spalte.HoeheMax) {
            s.Hoechster = &p;
            s.Spalte.HoeheMax = h;
        }
        s.Letzter = &p;
        s.SteigungSumme += p.Steigung;
        if constexpr (!Roh) return;
        RoheExtreme& roh = s.Roh;
        if (roh.Tiefster == nullptr || p.Hoehe < roh.Min) {
            roh.Min = p.Hoehe;
            roh.Tiefster = &p;
        }
        if (roh.Hoechster == nullptr || p.Hoehe > roh.Max) {
            roh.Max = p.Hoehe;
            roh.Hoechster = &p;
        }
    }

    Sammlung& Spalte(int32_t spalte) { return s_[spalte]; }

    // Joins the gathered columns from left to right: between the last point of one occupied
    // column and the first of the next the line is straight, so the columns between take its
    // heights at their edges, and both ends take its height where it crosses their edge.
    // `links` and `rechts` are the points just outside the range, where the line enters and
    // leaves it.
    RoutenReduktion Verbinden(const ProfilePoint* links, const ProfilePoint* rechts) {
        RoutenReduktion r;
        if (links != nullptr) {
            r.Linie.push_back(Linienpunkt(*links, hoehe_));
            if (roheLinie_) r.RoheLinie.push_back(Linienpunkt(*links, &ProfilePoint::Hoehe));
        }
        const ProfilePoint* vorher = links;
        int32_t vorherSpalte = -1;
        for (int32_t c = 0; c <= spalten_; ++c) {
            const bool ende = c == spalten_;
            if (!ende && s_[c].Anzahl == 0) continue;
            const ProfilePoint* naechster = ende ? rechts : s_[c].Erster;
            if (vorher != nullptr && naechster != nullptr)
                Strecke(*vorher, vorherSpalte, *naechster, c);
            if (ende) break;
            Sammlung& s = s_[c];
            s.Spalte.Steigung = s.SteigungSumme / s.Anzahl;
            LinieAnfuegen(s.Tiefster, s.Hoechster, hoehe_, r.Linie);
            if (roheLinie_)
                LinieAnfuegen(s.Roh.Tiefster, s.Roh.Hoechster, &ProfilePoint::Hoehe, r.RoheLinie);
            vorher = s.Letzter;
            vorherSpalte = c;
        }
        if (rechts != nullptr) {
            r.Linie.push_back(Linienpunkt(*rechts, hoehe_));
            if (roheLinie_) r.RoheLinie.push_back(Linienpunkt(*rechts, &ProfilePoint::Hoehe));
        }
        r.Spalten.reserve(s_.size());
        for (const Sammlung& s : s_)
            r.Spalten.push_back(s.Spalte);
        return r;
    }

private:
    using Hoehen = int32_t ProfilePoint::*;

    static RoutenLinienPunkt Linienpunkt(const ProfilePoint& p, Hoehen hoehe) {
        return {p.Strecke, static_cast<double>(p.*hoehe)};
    }

    // The value of the straight line from a to b at `km`, of heights or of gradients.
    static double Interpoliert(double kmA, double a, double kmB, double b, double km) {
        if (kmB == kmA) return b;
        return a + std::clamp((km - kmA) / (kmB - kmA), 0.0, 1.0) * (b - a);
    }

    // The straight line from `a` (in column ca, -1 left of the range) to `b` (in column cb,
    // spalten right of it) over the columns from ca to cb.
    void Strecke(const ProfilePoint& a, int32_t ca, const ProfilePoint& b, int32_t cb) {
        const auto hoehe = [&](double km) {
            return Interpoliert(a.Strecke, a.*hoehe_, b.Strecke, b.*hoehe_, km);
        };
        if (ca >= 0) s_[ca].Hoehe(hoehe(Kante(ca + 1)));
        if (cb < spalten_) s_[cb].Hoehe(hoehe(Kante(cb)));
        for (int32_t c = ca + 1; c < cb; ++c) {
            Sammlung& s = s_[c];
            s.Hoehe(hoehe(Kante(c)));
            s.Hoehe(hoehe(Kante(c + 1)));
            s.Spalte.Steigung =
                Interpoliert(a.Strecke, a.Steigung, b.Strecke, b.Steigung, Kante(c) + breite_ / 2);
        }
    }

    double Kante(int32_t spalte) const { return von_ + spalte * breite_; }

    // A column's lowest and highest point of the line, in route order (once when they are the
    // same): the stroke between them covers every pixel the column's points would.
    static void LinieAnfuegen(const ProfilePoint* tiefster, const ProfilePoint* hoechster,
                              Hoehen hoehe, std::vector<RoutenLinienPunkt>& linie) {
        const auto [erster, zweiter] = std::minmax(tiefster, hoechster, std::less<>());
        linie.push_back(Linienpunkt(*erster, hoehe));
        if (zweiter != erster) linie.push_back(Linienpunkt(*zweiter, hoehe));
    }

    double von_;
    double breite_; // km per column
    double proKm_;  // columns per km
    int32_t spalten_;
    Hoehen hoehe_;   // the heights the line is drawn from
    bool roheLinie_; // the plain heights' line besides
    std::vector<Sammlung> s_;
};

// Gathers the points from `start` on into the columns until the first one right of the range,
// with the heights of the line chosen at compile time: this loop is the route view's redraw.
template <bool Geglaettet, bool Roh>
void Sammeln(Reduktion& r, const Profile& profil, PunktStelle start, int32_t spalten,
             const ProfilePoint*& links, const ProfilePoint*& rechts) {
    // The column the walk is in is gathered in a copy of its own: a few hundred points in a row
    // fall in one column of a long route, and the copy's values can stay in registers.
    int32_t offen = -1;
    Sammlung s;
    PunkteAb(profil, start, [&](PunktStelle, const ProfilePoint& p) {
        if (!std::isfinite(p.Strecke)) return true;
        const int32_t c = r.SpalteVon(p.Strecke);
        if (c < 0) {
            links = &p;
        } else if (c >= spalten) {
            rechts = &p;
            return false;
        } else {
            if (c != offen) {
                if (offen >= 0) r.Spalte(offen) = s;
                offen = c;
                s = r.Spalte(c);
            }
            Reduktion::Punkt<Roh>(s, p, Geglaettet ? p.HoeheGeglaettet : p.Hoehe);
        }
        return true;
    });
    if (offen >= 0) r.Spalte(offen) = s;
}

} // namespace

RoutenReduktion SpaltenReduzieren(const Profile& profil, double von, double bis, int32_t spalten,
                                  bool geglaettet, bool roheLinie) {
    RoutenReduktion leer;
    leer.Spalten.resize(std::max(spalten, 0));
    if (spalten <= 0 || !(bis > von) || !std::isfinite(von) || !std::isfinite(bis)) return leer;
    // From the last point before the range to the first one after it, every point once.
    std::optional<PunktStelle> start = ErsterPunktAb(profil, von);
    if (!start) return leer; // the line ends before the range
    if (const std::optional<PunktStelle> vorher = VorigerPunkt(profil, *start)) start = vorher;
    Reduktion r(von, bis, spalten, geglaettet, roheLinie);
    const ProfilePoint* links = nullptr;
    const ProfilePoint* rechts = nullptr;
    if (geglaettet && roheLinie)
        Sammeln<true, true>(r, profil, *start, spalten, links, rechts);
    else if (geglaettet)
        Sammeln<true, false>(r, profil, *start, spalten, links, rechts);
    else
        Sammeln<false, false>(r, profil, *start, spalten, links, rechts);
    return r.Verbinden(links, rechts);
}
