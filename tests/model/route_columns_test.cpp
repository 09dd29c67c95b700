// The line reduced to pixel columns, and the gradient classes of the fill.
#include "model/gradient_classes.h"
#include "model/route_columns.h"
#include "support/profile_builder.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

// Heights 100, 110, ... 200 at 0.0, 0.1, ... 1.0 km, gradients 0 %, 1 %, ... 10 %.
Profile Rampe() {
    std::vector<int32_t> hoehen;
    std::vector<float> schritte;
    for (int i = 0; i <= 10; ++i) {
        hoehen.push_back(100 + 10 * i);
        schritte.push_back(i == 0 ? 0.0f : 0.1f);
    }
    Profile p = ProfilAus({Abschnitt(hoehen, schritte)});
    Statistik(p);
    for (int i = 0; i <= 10; ++i)
        p.Abschnitte[0].Punkte[i].Steigung = static_cast<float>(i);
    return p;
}

struct Erwartet {
    double Min, Max, Steigung;
};

void Pruefen(const std::vector<RoutenSpalte>& spalten, const std::vector<Erwartet>& erwartet) {
    ASSERT_EQ(spalten.size(), erwartet.size());
    for (size_t c = 0; c < spalten.size(); ++c) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(spalten[c].Belegt);
        EXPECT_NEAR(spalten[c].HoeheMin, erwartet[c].Min, 1e-3);
        EXPECT_NEAR(spalten[c].HoeheMax, erwartet[c].Max, 1e-3);
        EXPECT_NEAR(spalten[c].Steigung, erwartet[c].Steigung, 1e-3);
    }
}

} // namespace

TEST(SpaltenReduzieren, OnePointPerColumnSpansTheLineToTheNextPoint) {
    // Column c holds point c and the line up to the right edge, where point c + 1 stands.
    std::vector<Erwartet> erwartet;
    for (int c = 0; c < 10; ++c)
        erwartet.push_back({100.0 + 10 * c, 110.0 + 10 * c, static_cast<double>(c)});
    Pruefen(SpaltenReduzieren(Rampe(), 0.0, 1.0, 10, false).Spalten, erwartet);
}

TEST(SpaltenReduzieren, ZoomedOutAColumnHoldsTheRangeOfManyPoints) {
    // Points 0 .. 4 in the first column, the line reaching 150 m at its right edge; the point
    // at 1.0 km lies at the end of the range, outside the second column.
    Pruefen(SpaltenReduzieren(Rampe(), 0.0, 1.0, 2, false).Spalten, {{100, 150, 2}, {150, 200, 7}});
}

TEST(SpaltenReduzieren, ZoomedInTheColumnsBetweenTwoPointsTakeTheLineAtTheirEdges) {
    // 0.1 km in four columns: only the first holds a point; the others lie on the straight
    // line to the point at 0.1 km, just outside the range.
    Pruefen(SpaltenReduzieren(Rampe(), 0.0, 0.1, 4, false).Spalten,
            {{100, 102.5, 0}, {102.5, 105, 0.375}, {105, 107.5, 0.625}, {107.5, 110, 0.875}});
    // A range between two points, entered and left by the line.
    Pruefen(SpaltenReduzieren(Rampe(), 0.42, 0.44, 1, false).Spalten, {{142, 144, 4.3}});
}

TEST(SpaltenReduzieren, SmoothedHeightsAndALineAcrossSectionBoundaries) {
    Profile p = ProfilAus({Abschnitt({100, 200}, {0.0f, 0.5f}), Abschnitt({300, 400}, 0.5f)});
    Statistik(p);
    for (ProfileSection& a : p.Abschnitte)
        for (int j = 0; j < 2; ++j)
            a.Punkte[j].HoeheGeglaettet = a.Punkte[j].Hoehe + 1000;
    // The second column lies between the sections' points at 0.5 and 1.0 km.
    Pruefen(SpaltenReduzieren(p, 0.0, 1.5, 3, true).Spalten,
            {{1100, 1200, 0}, {1200, 1300, 0}, {1300, 1400, 0}});
}

TEST(SpaltenReduzieren, ColumnsOutsideTheRouteStayEmpty) {
    Profile p = ProfilAus({Abschnitt({500, 500}, 0.5f)}); // points at 0.5 and 1.0 km
    Statistik(p);
    const std::vector<RoutenSpalte> s = SpaltenReduzieren(p, 0.0, 2.0, 4, false).Spalten;
    ASSERT_EQ(s.size(), 4u);
    EXPECT_FALSE(s[0].Belegt);
    EXPECT_TRUE(s[1].Belegt);
    EXPECT_TRUE(s[2].Belegt); // the point at 1.0 km opens it
    EXPECT_FALSE(s[3].Belegt);

    EXPECT_TRUE(SpaltenReduzieren(p, 0.0, 2.0, 0, false).Spalten.empty());
    for (const RoutenSpalte& spalte : SpaltenReduzieren(p, 2.0, 2.0, 3, false).Spalten)
        EXPECT_FALSE(spalte.Belegt);
    for (const RoutenSpalte& spalte : SpaltenReduzieren(p, 3.0, 4.0, 3, false).Spalten)
        EXPECT_FALSE(spalte.Belegt);
    for (const RoutenSpalte& spalte : SpaltenReduzieren(Profile{}, 0.0, 1.0, 3, false).Spalten)
        EXPECT_FALSE(spalte.Belegt);
    for (const RoutenSpalte& spalte : SpaltenReduzieren(p, 0.0, NAN, 3, false).Spalten)
        EXPECT_FALSE(spalte.Belegt);
}

TEST(SpaltenReduzieren, PositionsThatRunBackwardsStillGiveColumnsInRange) {
    // A damaged file's negative steps: nothing is read outside the columns.
    Profile p = ProfilAus({Abschnitt({100, 300, 200, 400}, {0.0f, 0.9f, -0.6f, 0.5f})});
    Statistik(p);
    const std::vector<RoutenSpalte> s = SpaltenReduzieren(p, 0.0, 1.0, 4, false).Spalten;
    ASSERT_EQ(s.size(), 4u);
    for (const RoutenSpalte& spalte : s)
        EXPECT_TRUE(!spalte.Belegt || (spalte.HoeheMin >= 100 && spalte.HoeheMax <= 400));
}

TEST(SpaltenReduzieren, TheLineKeepsEachColumnsLowestAndHighestPointInRouteOrder) {
    using L = std::vector<RoutenLinienPunkt>;
    // One point to a column: every point, and the one after the range where the line leaves it.
    L alle;
    for (int i = 0; i <= 10; ++i)
        alle.push_back({i * 0.1f, 100.0 + 10 * i});
    const L linie = SpaltenReduzieren(Rampe(), 0.0, 1.0, 10, false).Linie;
    ASSERT_EQ(linie.size(), alle.size());
    for (size_t i = 0; i < linie.size(); ++i) {
        EXPECT_NEAR(linie[i].Km, alle[i].Km, 1e-6);
        EXPECT_EQ(linie[i].Hoehe, alle[i].Hoehe);
    }
    // Five rising points to a column: the lowest and the highest, its first and last.
    EXPECT_EQ(SpaltenReduzieren(Rampe(), 0.0, 1.0, 2, false).Linie.size(), 5u);
    // A range between two points: the line from the one before to the one after.
    EXPECT_EQ(SpaltenReduzieren(Rampe(), 0.42, 0.44, 1, false).Linie.size(), 2u);

    // A peak before a dip in one column: down from the peak to the dip.
    Profile p = ProfilAus({Abschnitt({100, 300, 50, 120, 200}, {0.0f, 0.1f, 0.1f, 0.1f, 0.1f})});
    Statistik(p);
    const L spitze = SpaltenReduzieren(p, 0.0, 1.0, 1, false).Linie;
    std::vector<double> hoehen;
    for (const RoutenLinienPunkt& q : spitze)
        hoehen.push_back(q.Hoehe);
    EXPECT_EQ(hoehen, (std::vector<double>{300, 50}));
    EXPECT_TRUE(SpaltenReduzieren(Profile{}, 0.0, 1.0, 3, false).Linie.empty());

    // Smoothed (here flat) with the plain line beside it, from the same walk.
    for (int j = 0; j < 5; ++j)
        p.Abschnitte[0].Punkte[j].HoeheGeglaettet = 150;
    const RoutenReduktion beide = SpaltenReduzieren(p, 0.0, 1.0, 1, true, true);
    EXPECT_EQ(beide.Linie.size(), 1u); // the flat line: lowest and highest are one point
    EXPECT_EQ(beide.Spalten[0].HoeheMax, 150);
    hoehen.clear();
    for (const RoutenLinienPunkt& q : beide.RoheLinie)
        hoehen.push_back(q.Hoehe);
    EXPECT_EQ(hoehen, (std::vector<double>{300, 50}));
    EXPECT_TRUE(SpaltenReduzieren(p, 0.0, 1.0, 1, false, true).RoheLinie.empty());
}

TEST(SteigungsKlasse, FiveStepsForAscentsAndDescentsWithTheBoundInTheGentlerClass) {
    EXPECT_EQ(SteigungsKlasse(0.0), 1);
    EXPECT_EQ(SteigungsKlasse(3.0), 1);
    EXPECT_EQ(SteigungsKlasse(3.01), 2);
    EXPECT_EQ(SteigungsKlasse(6.0), 2);
    EXPECT_EQ(SteigungsKlasse(8.9), 3);
    EXPECT_EQ(SteigungsKlasse(12.0), 4);
    EXPECT_EQ(SteigungsKlasse(12.5), 5);
    EXPECT_EQ(SteigungsKlasse(250.0), 5);
    EXPECT_EQ(SteigungsKlasse(-0.5), -1);
    EXPECT_EQ(SteigungsKlasse(-7.0), -3);
    EXPECT_EQ(SteigungsKlasse(-15.0), -5);
    EXPECT_EQ(SteigungsKlasse(NAN), 1);
    EXPECT_EQ(SteigungsKlasse(-INFINITY), -5);
}

namespace {

// The columns as a plain walk per column defines them: column c holds the points whose
// position falls into it (their lowest and highest height, their mean gradient), and every
// straight piece of the line between two points in route order that enters, leaves or crosses
// it adds its heights at the column's edges; a column that a piece only crosses takes the
// piece's gradient at its middle.
std::vector<RoutenSpalte> SpaltenEinzeln(const Profile& p, double von, double bis, int32_t n,
                                         bool geglaettet) {
    std::vector<const ProfilePoint*> punkte;
    for (const ProfileSection& a : p.Abschnitte)
        for (int32_t j = 0; j < std::clamp(a.Punktanzahl, 0, MaxPunkte); ++j)
            punkte.push_back(&a.Punkte[j]);
    const double breite = (bis - von) / n;
    const double proKm = n / (bis - von);
    const auto SpalteVon = [&](const ProfilePoint* q) {
        const double c = (q->Strecke - von) * proKm;
        return c < 0.0 ? -1 : (c >= n ? n : static_cast<int32_t>(c));
    };
    const auto H = [&](const ProfilePoint* q) {
        return static_cast<double>(geglaettet ? q->HoeheGeglaettet : q->Hoehe);
    };
    const auto Linie = [](double kmA, double a, double kmB, double b, double km) {
        return a + std::clamp((km - kmA) / (kmB - kmA), 0.0, 1.0) * (b - a);
    };
    std::vector<RoutenSpalte> spalten(static_cast<size_t>(n));
    for (int32_t c = 0; c < n; ++c) {
        RoutenSpalte& s = spalten[c];
        const auto Hoehe = [&](double h) {
            s.HoeheMin = s.Belegt ? std::min(s.HoeheMin, h) : h;
            s.HoeheMax = s.Belegt ? std::max(s.HoeheMax, h) : h;
            s.Belegt = true;
        };
        const double links = von + c * breite;
        const double rechts = von + (c + 1) * breite;
        double summe = 0.0;
        int32_t anzahl = 0;
        for (const ProfilePoint* q : punkte) {
            if (SpalteVon(q) != c) continue;
            Hoehe(H(q));
            summe += q->Steigung;
            ++anzahl;
        }
        if (anzahl > 0) s.Steigung = summe / anzahl;
        for (size_t k = 1; k < punkte.size(); ++k) {
            const ProfilePoint* a = punkte[k - 1];
            const ProfilePoint* b = punkte[k];
            const int32_t ca = SpalteVon(a);
            const int32_t cb = SpalteVon(b);
            if (ca >= cb || c < ca || c > cb) continue;
            const auto Bei = [&](double km) {
                return Linie(a->Strecke, H(a), b->Strecke, H(b), km);
            };
            if (c > ca) Hoehe(Bei(links));
            if (c < cb) Hoehe(Bei(rechts));
            if (ca < c && c < cb)
                s.Steigung =
                    Linie(a->Strecke, a->Steigung, b->Strecke, b->Steigung, links + breite / 2);
        }
    }
    return spalten;
}

} // namespace

// Random routes, and damaged ones (point counts beyond the record or below 0, empty sections,
// steps of 0, heights at the ends of int32), in random views of them: the reduction gives every
// column the plain walk's values.
TEST(SpaltenReduzieren, EveryColumnAsThePlainWalkPerColumnGivesIt) {
    std::mt19937 zufall(17);
    const auto Zahl = [&](int von, int bis) {
        return std::uniform_int_distribution<int>(von, bis)(zufall);
    };
    for (int route = 0; route < 40; ++route) {
        Profile p;
        float position = 0.0f;
        for (int s = Zahl(1, 6); s > 0; --s) {
            ProfileSection a;
            const int art = Zahl(0, 5);
            a.Punktanzahl = art == 0 ? 0 : (art == 3 ? MaxPunkte : Zahl(1, 80));
            for (int32_t j = 0; j < a.Punktanzahl; ++j) {
                ProfilePoint& q = a.Punkte[j];
                q.Abstand = art == 1 || Zahl(0, 5) == 0 ? 0.0f : 0.001f * Zahl(1, 40);
                position += q.Abstand;
                q.Strecke = position;
                q.Hoehe = art == 2 && Zahl(0, 9) == 0 ? (Zahl(0, 1) ? INT32_MAX : INT32_MIN)
                                                      : Zahl(-200, 3000);
                q.HoeheGeglaettet = Zahl(-200, 3000);
                q.Steigung = static_cast<float>(Zahl(-300, 300)) / 10.0f;
            }
            if (art == 3) a.Punktanzahl = Zahl(0, 1) ? MaxPunkte + 5 : -3;
            p.Abschnitte.push_back(a);
        }
        for (int blick = 0; blick < 6; ++blick) {
            const double von = position * (Zahl(-20, 100) / 100.0);
            const double bis = von + std::max(0.001, position * (Zahl(1, 120) / 100.0));
            const int32_t n = Zahl(1, 300);
            const bool geglaettet = Zahl(0, 1) == 1;
            const std::vector<RoutenSpalte> erwartet = SpaltenEinzeln(p, von, bis, n, geglaettet);
            const std::vector<RoutenSpalte> spalten =
                SpaltenReduzieren(p, von, bis, n, geglaettet).Spalten;
            ASSERT_EQ(spalten.size(), erwartet.size());
            for (int32_t c = 0; c < n; ++c) {
                SCOPED_TRACE("route " + std::to_string(route) + ", view " + std::to_string(blick) +
                             ", column " + std::to_string(c));
                ASSERT_EQ(spalten[c].Belegt, erwartet[c].Belegt);
                ASSERT_DOUBLE_EQ(spalten[c].HoeheMin, erwartet[c].HoeheMin);
                ASSERT_DOUBLE_EQ(spalten[c].HoeheMax, erwartet[c].HoeheMax);
                ASSERT_NEAR(spalten[c].Steigung, erwartet[c].Steigung, 1e-9);
            }
        }
    }
}
