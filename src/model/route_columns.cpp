#include "model/route_columns.h"

#include "model/route_points.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

struct LinienPunkt {
    double Km = 0.0;
    double Hoehe = 0.0;
    double Steigung = 0.0;
};

// One column while the points are gathered: the first and the last point that fell into it (in
// route order), from which the line leaves towards its neighbours.
struct Sammlung {
    RoutenSpalte Spalte;
    double SteigungSumme = 0.0;
    int32_t Anzahl = 0;
    LinienPunkt Erster;
    LinienPunkt Letzter;

    void Hoehe(double h) {
        Spalte.HoeheMin = Spalte.Belegt ? std::min(Spalte.HoeheMin, h) : h;
        Spalte.HoeheMax = Spalte.Belegt ? std::max(Spalte.HoeheMax, h) : h;
        Spalte.Belegt = true;
    }
};

double Interpoliert(const LinienPunkt& a, const LinienPunkt& b, double km,
                    double LinienPunkt::*wert) {
    if (b.Km == a.Km) return b.*wert;
    const double t = std::clamp((km - a.Km) / (b.Km - a.Km), 0.0, 1.0);
    return a.*wert + t * (b.*wert - a.*wert);
}

class Reduktion {
public:
    Reduktion(double von, double bis, int32_t spalten)
        : von_(von), breite_((bis - von) / spalten), proKm_(spalten / (bis - von)),
          spalten_(spalten), s_(spalten) {}

    // The column of `km`, -1 left of the range, spalten right of it.
    int32_t SpalteVon(double km) const {
        const double c = (km - von_) * proKm_;
        if (!(c >= 0.0)) return -1;
        return c >= spalten_ ? spalten_ : static_cast<int32_t>(c);
    }
    double Kante(int32_t spalte) const { return von_ + spalte * breite_; }

    // Runs for every point of the view, half a million in a full view of a long route.
    void Punkt(int32_t spalte, const LinienPunkt& p) {
        Sammlung& s = s_[spalte];
        if (s.Anzahl++ == 0) {
            s.Erster = p;
            s.Spalte = {true, p.Hoehe, p.Hoehe, 0.0};
        } else {
            s.Spalte.HoeheMin = std::min(s.Spalte.HoeheMin, p.Hoehe);
            s.Spalte.HoeheMax = std::max(s.Spalte.HoeheMax, p.Hoehe);
        }
        s.Letzter = p;
        s.SteigungSumme += p.Steigung;
    }

    // Joins the gathered columns from left to right: between the last point of one occupied
    // column and the first of the next the line is straight, so the columns between take its
    // heights at their edges, and both ends take its height where it crosses their edge.
    // `links` and `rechts` are the points just outside the range, where the line enters and
    // leaves it.
    std::vector<RoutenSpalte> Verbinden(const std::optional<LinienPunkt>& links,
                                        const std::optional<LinienPunkt>& rechts) {
        std::optional<LinienPunkt> vorher = links;
        int32_t vorherSpalte = -1;
        for (int32_t c = 0; c <= spalten_; ++c) {
            const bool ende = c == spalten_;
            if (!ende && s_[c].Anzahl == 0) continue;
            const std::optional<LinienPunkt> naechster = ende ? rechts : s_[c].Erster;
            if (vorher && naechster) Strecke(*vorher, vorherSpalte, *naechster, c);
            if (ende) break;
            Sammlung& s = s_[c];
            s.Spalte.Steigung = s.SteigungSumme / s.Anzahl;
            vorher = s.Letzter;
            vorherSpalte = c;
        }
        std::vector<RoutenSpalte> ergebnis;
        ergebnis.reserve(s_.size());
        for (const Sammlung& s : s_)
            ergebnis.push_back(s.Spalte);
        return ergebnis;
    }

private:
    // The straight line from `a` (in column ca, -1 left of the range) to `b` (in column cb,
    // spalten right of it) over the columns from ca to cb.
    void Strecke(const LinienPunkt& a, int32_t ca, const LinienPunkt& b, int32_t cb) {
        if (ca >= 0) s_[ca].Hoehe(Interpoliert(a, b, Kante(ca + 1), &LinienPunkt::Hoehe));
        if (cb < spalten_) s_[cb].Hoehe(Interpoliert(a, b, Kante(cb), &LinienPunkt::Hoehe));
        for (int32_t c = ca + 1; c < cb; ++c) {
            Sammlung& s = s_[c];
            s.Hoehe(Interpoliert(a, b, Kante(c), &LinienPunkt::Hoehe));
            s.Hoehe(Interpoliert(a, b, Kante(c + 1), &LinienPunkt::Hoehe));
            s.Spalte.Steigung = Interpoliert(a, b, Kante(c) + breite_ / 2, &LinienPunkt::Steigung);
        }
    }

    double von_;
    double breite_; // km per column
    double proKm_;  // columns per km
    int32_t spalten_;
    std::vector<Sammlung> s_;
};

} // namespace

std::vector<RoutenSpalte> SpaltenReduzieren(const Profile& profil, double von, double bis,
                                            int32_t spalten, bool geglaettet) {
    if (spalten <= 0) return {};
    if (!(bis > von) || !std::isfinite(von) || !std::isfinite(bis))
        return std::vector<RoutenSpalte>(spalten);
    Reduktion r(von, bis, spalten);
    // From the last point before the range to the first one after it, every point once.
    std::optional<PunktStelle> start = ErsterPunktAb(profil, von);
    if (!start) return std::vector<RoutenSpalte>(spalten); // the line ends before the range
    if (const std::optional<PunktStelle> vorher = VorigerPunkt(profil, *start)) start = vorher;
    std::optional<LinienPunkt> links, rechts;
    PunkteAb(profil, *start, [&](PunktStelle, const ProfilePoint& punkt) {
        const LinienPunkt p{punkt.Strecke,
                            static_cast<double>(geglaettet ? punkt.HoeheGeglaettet : punkt.Hoehe),
                            punkt.Steigung};
        if (!std::isfinite(p.Km)) return true;
        const int32_t c = r.SpalteVon(p.Km);
        if (c < 0) {
            links = p;
        } else if (c >= spalten) {
            rechts = p;
            return false;
        } else {
            r.Punkt(c, p);
        }
        return true;
    });
    return r.Verbinden(links, rechts);
}
