#include "display/graph_steps.h"

#include "support/profile_builder.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace {

struct Aufruf {
    const ProfilePoint* punkt; // nullptr: the end of a section
    int32_t x;
    bool operator==(const Aufruf&) const = default;
};

std::vector<Aufruf> Aufrufe(const Profile& p, int32_t breite) {
    std::vector<Aufruf> aufrufe;
    SpaltenDurchlaufen(
        p, breite, [&](const ProfilePoint& q, int32_t x) { aufrufe.push_back({&q, x}); },
        [&](int32_t x) { aufrufe.push_back({nullptr, x}); });
    return aufrufe;
}

// What the walk means: every point's column computed from its position.
std::vector<Aufruf> AufrufeJedesPunktes(const Profile& p, int32_t breite) {
    std::vector<Aufruf> aufrufe;
    float position = 0.0f;
    int32_t letzte = -1;
    int32_t x = 0;
    for (const ProfileSection& a : p.Abschnitte) {
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            position += a.Punkte[j].Abstand;
            x = StreckeZuX(position, p.Strecke, breite);
            if (x > letzte) {
                aufrufe.push_back({&a.Punkte[j], x});
                letzte = x;
            }
        }
        aufrufe.push_back({nullptr, x});
    }
    return aufrufe;
}

} // namespace

// Skipping points until the next column's first position must call for the very points and
// columns that mapping every point does: screenshot steps, steps of a damaged file (negative,
// zero, huge, not a number) and sections without points, on graphs of 1x and 2x.
TEST(SpaltenDurchlaufen, SameColumnsAsMappingEveryPoint) {
    std::mt19937 zufall(7);
    const float besondere[] = {0.0f, -0.002f, 1e30f, -1e30f, 3e38f,
                               std::numeric_limits<float>::quiet_NaN()};
    for (int runde = 0; runde < 300; ++runde) {
        std::vector<ProfileSection> abschnitte;
        const int anzahl = 1 + static_cast<int>(zufall() % 12);
        for (int s = 0; s < anzahl; ++s) {
            const int punkte = static_cast<int>(zufall() % 60);
            std::vector<int32_t> hoehen(static_cast<size_t>(punkte), 100);
            std::vector<float> abstaende(static_cast<size_t>(punkte));
            for (float& a : abstaende) {
                a = (zufall() % 3 == 0) ? 0.003f : 0.002f;
                if (runde % 3 == 0 && zufall() % 40 == 0) a = besondere[zufall() % 6];
            }
            abschnitte.push_back(Abschnitt(hoehen, abstaende));
        }
        // A route that starts backwards, through negative columns.
        if (runde % 5 == 1) abschnitte.front() = Abschnitt({1, 2, 3, 4}, {-0.01f, -0.002f, 0.001f, 0.004f});
        Profile p = ProfilAus(abschnitte);
        Statistik(p);
        for (int32_t breite : {409, 818})
            ASSERT_EQ(Aufrufe(p, breite), AufrufeJedesPunktes(p, breite))
                << "round " << runde << ", width " << breite;
    }
}

TEST(SpaltenSchwelle, FirstPositionOfAColumn) {
    const float strecke = 892.0f;
    for (int32_t spalte : {1, 2, 200, 408, 409}) {
        const float s = SpaltenSchwelle(spalte, strecke, 409);
        EXPECT_GE(StreckeZuX(s, strecke, 409), spalte);
        EXPECT_LT(StreckeZuX(std::nextafter(s, 0.0f), strecke, 409), spalte);
    }
    // Beyond the coordinate limit no position reaches.
    EXPECT_EQ(SpaltenSchwelle(static_cast<int32_t>(KoordinatenGrenze) + 1, strecke, 409),
              std::numeric_limits<float>::infinity());
}
