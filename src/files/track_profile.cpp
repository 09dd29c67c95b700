// A track as sections: resampled at whole metres along its length, cut into sections of the
// size of a screenshot's.
#include "files/track_reading.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>

namespace {

struct Stelle {
    double Strecke; // m from the track's first point
    double Hoehe;   // m
};

// Whether the file counts the distance of every point, never going back.
bool EigeneStrecken(const Spur& spur) {
    double vorher = 0.0;
    for (const Spurpunkt& p : spur.Punkte) {
        if (!p.Strecke || *p.Strecke < vorher) return false;
        vorher = *p.Strecke;
    }
    return !spur.Punkte.empty();
}

// The points' distances along the track and the heights at them; false with the reason.
bool Stellen(const Spur& spur, std::vector<Stelle>& hoehen, double& laenge, std::string& fehler) {
    const bool eigene = EigeneStrecken(spur);
    const GeographicLib::Geodesic& wgs84 = GeographicLib::Geodesic::WGS84();
    hoehen.clear();
    size_t punkte = 0;
    double strecke = 0.0;
    const Spurpunkt* vorher = nullptr;
    for (const Spurpunkt& p : spur.Punkte) {
        if (!eigene && !(p.Breite && p.Laenge)) continue;
        if (eigene) {
            strecke = *p.Strecke - *spur.Punkte.front().Strecke;
        } else if (vorher != nullptr) {
            double s = 0.0;
            wgs84.Inverse(*vorher->Breite, *vorher->Laenge, *p.Breite, *p.Laenge, s);
            strecke += s;
        }
        vorher = &p;
        ++punkte;
        if (p.Hoehe) hoehen.push_back({strecke, *p.Hoehe});
    }
    laenge = strecke;
    if (punkte < 2)
        fehler = "Die Spur hat weniger als zwei Punkte mit Ortsangabe";
    else if (hoehen.empty())
        fehler = "Die Spur hat keine Höhenangaben";
    else if (std::lround(laenge) < 1)
        fehler = "Die Spur hat keine Länge";
    return fehler.empty();
}

// The height at `s` m, linear between the heights about it; `j` is where the last look ended
// (the positions asked for grow).
double HoeheBei(const std::vector<Stelle>& hoehen, double s, size_t& j) {
    while (j + 1 < hoehen.size() && hoehen[j + 1].Strecke <= s)
        ++j;
    if (j + 1 == hoehen.size() || s <= hoehen[j].Strecke) return hoehen[j].Hoehe;
    const Stelle& a = hoehen[j];
    const Stelle& b = hoehen[j + 1];
    return a.Hoehe + (b.Hoehe - a.Hoehe) * (s - a.Strecke) / (b.Strecke - a.Strecke);
}

// The positions (whole metres) of the resampled track of `meter` m: every `abstand` m, and the
// end.
int64_t PunkteFuer(int64_t meter, int32_t abstand) {
    return (meter + abstand - 1) / abstand + 1;
}

} // namespace

bool SpurenAlsProfil(const std::vector<Spur>& spuren, int32_t abstand, std::string_view ersatzname,
                     Profile& ziel, std::string& fehler) {
    fehler.clear();
    // A track without any point (some programs write an empty one beside the route) is none.
    const auto leer = [&](size_t i) { return spuren[i].Punkte.empty(); };
    if (std::all_of(spuren.begin(), spuren.end(), [](const Spur& s) { return s.Punkte.empty(); })) {
        fehler = "Die Datei enthält keine Spur";
        return false;
    }
    std::vector<std::vector<Stelle>> hoehen(spuren.size());
    std::vector<int64_t> meter(spuren.size());
    int64_t abschnitte = 0;
    for (size_t i = 0; i < spuren.size(); ++i) {
        if (leer(i)) continue;
        double laenge = 0.0;
        if (!Stellen(spuren[i], hoehen[i], laenge, fehler)) return false;
        meter[i] = std::llround(laenge);
        abschnitte += (PunkteFuer(meter[i], abstand) + MaxPunkte - 1) / MaxPunkte;
    }
    if (abschnitte > MaxAbschnitte) {
        fehler = "Die Spur ist zu lang: sie ergäbe mehr als " + std::to_string(MaxAbschnitte) +
                 " Abschnitte";
        return false;
    }
    ziel.Abschnitte.clear();
    ziel.Abschnitte.reserve(static_cast<size_t>(abschnitte));
    for (size_t i = 0; i < spuren.size(); ++i) {
        if (leer(i)) continue;
        const std::string name = spuren[i].Name.empty() ? std::string(ersatzname) : spuren[i].Name;
        size_t j = 0;
        int64_t vorher = 0;
        const int64_t punkte = PunkteFuer(meter[i], abstand);
        for (int64_t k = 0; k < punkte; ++k) {
            if (k % MaxPunkte == 0) {
                ProfileSection& neu = ziel.Abschnitte.emplace_back();
                neu.Markiert = 1;
                BeschreibungSetzen(neu, name + " " + std::to_string(k / MaxPunkte + 1));
            }
            ProfileSection& a = ziel.Abschnitte.back();
            const int64_t s = std::min(k * abstand, meter[i]);
            ProfilePoint& p = a.Punkte[static_cast<size_t>(a.Punktanzahl++)];
            p.Hoehe =
                static_cast<int32_t>(std::lround(HoeheBei(hoehen[i], static_cast<double>(s), j)));
            // Whole metres to km in extended precision, then stored as float32, as the steps of
            // a screenshot's columns.
            p.Abstand = static_cast<float>(static_cast<long double>(s - vorher) * 0.001L);
            vorher = s;
        }
    }
    StatistikUngeglaettet(ziel);
    return true;
}
