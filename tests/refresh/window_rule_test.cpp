// The window rule in whole metres against the float walk that defines the windows: walked with
// the rule point by point over whole-metre steps, every window must end where the float walk
// ends it, at both ends.
#include "model/smoothing_reference.h"
#include "refresh/window_rule.h"

#include <bit>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace {

struct Punktort {
    int32_t abschnitt;
    int32_t punkt;
};

} // namespace

TEST(FensterRegel, EndsWhereTheFloatWalkEnds) {
    std::mt19937 zufall(5);
    const auto Zahl = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    for (int route = 0; route < 12; ++route) {
        // Sections of whole-metre steps, 0 m among them, and now and then a section without
        // points, which the walk passes over.
        Profile p;
        std::vector<Punktort> orte;
        std::vector<int64_t> meter;
        for (int s = 0; s < 8; ++s) {
            ProfileSection a;
            a.Punktanzahl = Zahl(0, 4) == 0 ? 0 : Zahl(1, 60);
            const int laengster = std::vector<int>{0, 3, 30, 500}[Zahl(0, 3)];
            for (int32_t j = 0; j < a.Punktanzahl; ++j) {
                const int64_t m = Zahl(0, laengster);
                a.Punkte[j].Hoehe = Zahl(0, 3000);
                a.Punkte[j].Abstand = static_cast<float>(static_cast<long double>(m) * 0.001L);
                orte.push_back({s, j});
                meter.push_back(m);
            }
            p.Abschnitte.push_back(a);
        }
        Statistik(p); // the positions the gradient's ends are told apart by
        for (ProfileSection& a : p.Abschnitte)
            for (int32_t j = 0; j < a.Punktanzahl; ++j)
                a.Punkte[j].HoeheGeglaettet = Zahl(-100000, 100000);
        const auto n = static_cast<int64_t>(orte.size());
        const auto P = [&](int64_t i) -> const ProfilePoint& {
            return p.Abschnitte[orte[i].abschnitt].Punkte[orte[i].punkt];
        };
        for (int32_t laenge : {-5, 0, 1, 2, 3, 7, 99, 100, 450, 451, 3277}) {
            for (int64_t c = 0; c < n; ++c) {
                // Each step onto a point adds that point's step, back and on alike.
                int64_t a = c;
                int64_t zurueck = 0;
                while (a > 0 && FensterZurueckWeiter(zurueck, laenge))
                    zurueck += meter[--a];
                int64_t e = c;
                int64_t vor = 0;
                while (e + 1 < n && FensterVorWeiter(zurueck, vor, laenge))
                    vor += meter[++e];
                int64_t summe = 0;
                for (int64_t k = a; k <= e; ++k)
                    summe += P(k).Hoehe;
                const Punktort o = orte[c];
                ASSERT_EQ(GeglaetteteHoeheReferenz(p, o.abschnitt, o.punkt, laenge),
                          static_cast<int32_t>(summe / (e - a + 1)))
                    << "route " << route << ", point " << c << ", " << laenge << " m";
                ASSERT_EQ(
                    std::bit_cast<uint32_t>(SteigungReferenz(p, o.abschnitt, o.punkt, laenge)),
                    std::bit_cast<uint32_t>(SteigungZwischen(P(a), P(e))))
                    << "route " << route << ", point " << c << ", " << laenge << " m: window " << a
                    << " to " << e;
            }
        }
    }
}
