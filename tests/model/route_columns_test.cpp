// The line reduced to pixel columns, and the gradient classes of the fill.
#include "model/gradient_classes.h"
#include "model/route_columns.h"
#include "support/profile_builder.h"

#include <cmath>
#include <gtest/gtest.h>

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
