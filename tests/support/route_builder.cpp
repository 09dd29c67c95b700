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

Profile Steigungsroute(const std::vector<Steigungsstueck>& stuecke, int32_t start,
                       int32_t proAbschnitt, int32_t glaetten) {
    constexpr double schritt = 0.02; // km
    std::vector<int32_t> hoehen{start};
    double hoehe = start;
    for (const Steigungsstueck& s : stuecke)
        for (int64_t k = 0, n = std::llround(s.Km / schritt); k < n; ++k) {
            hoehe += s.Prozent / 100.0 * schritt * 1000.0;
            hoehen.push_back(static_cast<int32_t>(std::lround(hoehe)));
        }
    Profile p;
    for (size_t i = 0; i < hoehen.size(); ++i) {
        if (i % static_cast<size_t>(proAbschnitt) == 0) p.Abschnitte.emplace_back();
        ProfileSection& a = p.Abschnitte.back();
        a.Punkte[a.Punktanzahl].Hoehe = hoehen[i];
        a.Punkte[a.Punktanzahl].Abstand = static_cast<float>(schritt);
        ++a.Punktanzahl;
    }
    p.SteigungMax = 30;
    GesamtNeuBerechnen(p, glaetten, 100);
    return p;
}
