#include "support/route_builder.h"

#include "model/smoothing.h"

#include <cmath>
#include <string>

Profile Tour(int32_t abschnitte, int32_t punkte, float schritt) {
    Profile p;
    int64_t k = 0;
    for (int32_t i = 0; i < abschnitte; ++i) {
        ProfileSection a;
        a.Punktanzahl = punkte;
        for (int32_t j = 0; j < punkte; ++j, ++k) {
            const double x = static_cast<double>(k) * schritt;
            const double h = 900.0 + 500.0 * std::sin(x / 9.0) + 180.0 * std::sin(x / 2.3 + 1.0) +
                             60.0 * std::sin(x / 0.7) + static_cast<double>((k * 7919) % 7) - 3.0;
            a.Punkte[j].Hoehe = static_cast<int32_t>(std::lround(h));
            a.Punkte[j].Abstand = schritt;
        }
        BeschreibungSetzen(a, "Etappe " + std::to_string(i + 1));
        p.Abschnitte.push_back(a);
    }
    p.SteigungMax = 30;
    Glaettungslauf(p, 450, 100);
    Statistik(p);
    return p;
}

Profile Rampe() {
    const auto strecke = [](int32_t start, int32_t richtung, const char* name) {
        ProfileSection a;
        a.Punktanzahl = 100;
        for (int32_t i = 0; i < 100; ++i) {
            a.Punkte[i].Hoehe = start + richtung * (i + 1) * 3 / 2;
            a.Punkte[i].Abstand = 0.01f;
        }
        BeschreibungSetzen(a, name);
        return a;
    };
    Profile p;
    p.Abschnitte = {strecke(500, 0, "Ebene"), strecke(500, 1, "Auf"), strecke(650, -1, "Ab")};
    p.SteigungMax = 30;
    Glaettungslauf(p, 0, 100);
    Statistik(p);
    return p;
}
