// Climbs found on routes built from stretches of known length and gradient.
#include "model/climbs.h"
#include "model/smoothing.h"
#include "support/route_builder.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr double Schritt = 0.02; // km between the points of a built route

Profile Route(const std::vector<Steigungsstueck>& stuecke, int32_t start = 500,
              int32_t proAbschnitt = MaxPunkte, int32_t glaetten = 0) {
    return Steigungsroute(stuecke, start, proAbschnitt, glaetten);
}

// A climb of `km` at `prozent` between two flat kilometres at 500 m.
std::vector<Anstieg> EinAnstieg(double km, double prozent, int32_t proAbschnitt = MaxPunkte) {
    return AnstiegeFinden(Route({{1, 0}, {km, prozent}, {1, 0}}, 500, proAbschnitt), false);
}

} // namespace

TEST(Anstiege, OneClimbOfEachCategoryWithItsFigures) {
    struct Fall {
        double km, prozent;
        const char* kategorie;
    };
    // The HC climb spans two sections, the one of category 1 ten.
    for (const Fall f : {Fall{1.5, 6, "4"}, Fall{3, 6, "3"}, Fall{5, 7, "2"}, Fall{9, 7.5, "1"},
                         Fall{12, 7, "HC"}}) {
        SCOPED_TRACE(f.kategorie);
        const std::vector<Anstieg> a = EinAnstieg(f.km, f.prozent, f.km == 9 ? 100 : MaxPunkte);
        ASSERT_EQ(a.size(), 1u);
        const double hm = f.km * f.prozent * 10;
        EXPECT_NEAR(a[0].Von, 1.02, 1e-4);
        EXPECT_NEAR(a[0].Bis, 1.02 + f.km, 1e-3); // float32 positions
        EXPECT_NEAR(a[0].Laenge, f.km, 1e-3);
        EXPECT_EQ(a[0].HoeheAnfang, 500);
        EXPECT_EQ(a[0].Hoehenmeter, std::lround(hm));
        EXPECT_NEAR(a[0].Steigung, f.prozent, 0.01);
        EXPECT_NEAR(a[0].MaxSteigung, f.prozent, 1.0); // whole metres over 100 m
        EXPECT_NEAR(a[0].Wertung, f.km * 1000 * f.prozent, 1.0);
        EXPECT_STREQ(KategorieText(a[0].Kategorie), f.kategorie);
        const double gipfel = 500 + hm;
        EXPECT_NEAR(a[0].Fiets, hm * hm / (10 * f.km * 1000) + std::max(0.0, gipfel / 1000 - 1),
                    0.01);
    }
}

TEST(Anstiege, EachCategoryBoundFromBothSides) {
    // Scores of 8,000 ... 80,000 are 80 ... 800 m gained; a metre more is the next category.
    struct Fall {
        double km;
        int32_t hm;
        const char *darauf, *darueber;
    };
    for (const Fall f : {Fall{1, 80, nullptr, "4"}, Fall{2, 160, "4", "3"}, Fall{4, 320, "3", "2"},
                         Fall{8, 640, "2", "1"}, Fall{10, 800, "1", "HC"}}) {
        SCOPED_TRACE(f.hm);
        const std::vector<Anstieg> darauf = EinAnstieg(f.km, f.hm / f.km / 10);
        const std::vector<Anstieg> darueber = EinAnstieg(f.km, (f.hm + 1) / f.km / 10);
        ASSERT_EQ(darueber.size(), 1u);
        EXPECT_EQ(darueber[0].Hoehenmeter, f.hm + 1);
        EXPECT_STREQ(KategorieText(darueber[0].Kategorie), f.darueber);
        if (f.darauf == nullptr) {
            EXPECT_TRUE(darauf.empty()); // 8,000 or less: not listed
        } else {
            ASSERT_EQ(darauf.size(), 1u);
            EXPECT_EQ(darauf[0].Hoehenmeter, f.hm);
            EXPECT_STREQ(KategorieText(darauf[0].Kategorie), f.darauf);
        }
    }
}

TEST(Anstiege, LengthAndMeanGradientThresholds) {
    EXPECT_TRUE(EinAnstieg(0.28, 30).empty()); // 84 m, but shorter than 300 m
    EXPECT_EQ(EinAnstieg(0.3, 30).size(), 1u);
    EXPECT_TRUE(EinAnstieg(4, 2.9).empty()); // 116 m, too gentle
    EXPECT_EQ(EinAnstieg(4, 3.1).size(), 1u);
    // Too gentle on the whole, a false flat before a steep ramp: the steep part is not lost,
    // the climb reaches back into the flat as far as its mean stays at 3 %.
    const std::vector<Anstieg> a = AnstiegeFinden(Route({{10, 1}, {2, 8}, {1, 0}}), false);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_NEAR(a[0].Bis, 12.02, 1e-4);
    EXPECT_LE(a[0].Von, 10.02);
    EXPECT_GE(a[0].Steigung, 3.0 - 1e-3);
    EXPECT_LT(a[0].Steigung, 3.1);
    EXPECT_NEAR(a[0].MaxSteigung, 8, 1.0);
}

TEST(Anstiege, DipsKeepOneClimbADescentMakesTwo) {
    // 6 m lost over 100 m: under 10 m and under a fifth of the 120 m gained.
    const std::vector<Anstieg> eins =
        AnstiegeFinden(Route({{1, 0}, {2, 6}, {0.1, -6}, {2, 6}, {1, 0}}), false);
    ASSERT_EQ(eins.size(), 1u);
    EXPECT_NEAR(eins[0].Von, 1.02, 1e-4);
    EXPECT_NEAR(eins[0].Bis, 5.12, 1e-4);
    EXPECT_EQ(eins[0].Hoehenmeter, 234);

    // A level kilometre keeps one climb; twenty make the whole too gentle: two climbs.
    EXPECT_EQ(AnstiegeFinden(Route({{1, 0}, {2, 6}, {1, 0}, {1.5, 7}}), false).size(), 1u);
    const std::vector<Anstieg> eben =
        AnstiegeFinden(Route({{1, 0}, {2, 6}, {20, 0}, {1.5, 7}, {1, 0}}), false);
    ASSERT_EQ(eben.size(), 2u);
    EXPECT_EQ(eben[0].Hoehenmeter, 120);
    EXPECT_NEAR(eben[1].Von, 23.02, 1e-3);
    EXPECT_EQ(eben[1].Hoehenmeter, 105);

    // 40 m lost: two climbs, the second from the foot of the descent.
    const std::vector<Anstieg> zwei =
        AnstiegeFinden(Route({{1, 0}, {2, 6}, {1, -4}, {2, 6}, {1, 0}}), false);
    ASSERT_EQ(zwei.size(), 2u);
    EXPECT_NEAR(zwei[0].Bis, 3.02, 1e-4);
    EXPECT_NEAR(zwei[1].Von, 4.02, 1e-4);
    EXPECT_NEAR(zwei[1].Bis, 6.02, 1e-4);
    EXPECT_EQ(zwei[0].Hoehenmeter, 120);
    EXPECT_EQ(zwei[1].Hoehenmeter, 120);
    EXPECT_EQ(zwei[1].HoeheAnfang, 580);
}

TEST(Anstiege, AtTheRoutesStartAndEndingAtItsLastPoint) {
    const Profile p = Route({{2, 6}, {1, -3}, {1.5, 7}}, 400, 60);
    const std::vector<Anstieg> a = AnstiegeFinden(p, false);
    ASSERT_EQ(a.size(), 2u);
    EXPECT_NEAR(a[0].Von, 0.02, 1e-4);
    EXPECT_NEAR(a[0].Bis, 2.02, 1e-4);
    EXPECT_NEAR(a[1].Von, 3.02, 1e-4);
    EXPECT_FLOAT_EQ(a[1].Bis,
                    p.Abschnitte.back().Punkte[p.Abschnitte.back().Punktanzahl - 1].Strecke);
    EXPECT_EQ(a[1].Hoehenmeter, 105);
    EXPECT_TRUE(AnstiegeFinden(Profile{}, false).empty());
    EXPECT_TRUE(AnstiegeFinden(Route({{5, 0}}), true).empty());
}

TEST(Anstiege, ClimbTheSmoothedLineWhenAsked) {
    // 6 km at 6 %, every 400 m one point 15 m low: on the plain heights each of these ends the
    // climb and no piece is hard enough; the smoothed line climbs through.
    Profile p = Route({{1, 0}, {6, 6}, {1, 0}}, 500, MaxPunkte, 450);
    for (ProfileSection& a : p.Abschnitte)
        for (int32_t j = 0; j < a.Punktanzahl; ++j)
            if (a.Punkte[j].Strecke > 1.1 && a.Punkte[j].Strecke < 7 &&
                std::lround(a.Punkte[j].Strecke / Schritt) % 20 == 0)
                a.Punkte[j].Hoehe -= 15;
    GesamtNeuBerechnen(p, 450, 100);
    EXPECT_TRUE(AnstiegeFinden(p, false).empty());
    const std::vector<Anstieg> glatt = AnstiegeFinden(p, true);
    ASSERT_EQ(glatt.size(), 1u);
    EXPECT_NEAR(glatt[0].Hoehenmeter, 360, 15);
    EXPECT_NEAR(glatt[0].Von, 1.02, 0.5);
    EXPECT_NEAR(glatt[0].Bis, 7.02, 0.5);
    EXPECT_STREQ(KategorieText(glatt[0].Kategorie), "2");
}

TEST(Anstiege, JoinsThatDoNotFit) {
    // Sections of 100 points, joins at 2.02, 4.02, 6.02 and 8.02 km, a ramp of 1 m a point
    // from 2.02 to 6.02 km: the third and fourth sections 60 m higher, the last 10 m, so that
    // the route jumps 61 m up at 4.02 km and exactly 50 m down at 8.02 km.
    Profile p = Route({{2, 0}, {4, 5}, {2, 0}}, 500, 100);
    for (int32_t i : {2, 3, 4})
        for (int32_t j = 0; j < p.Abschnitte[i].Punktanzahl; ++j)
            p.Abschnitte[i].Punkte[j].Hoehe += i == 4 ? 10 : 60;
    GesamtNeuBerechnen(p, 0, 100);
    const std::vector<Hoehensprung> s = HoehenspruengeFinden(p);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].Abschnitt, 2);
    EXPECT_NEAR(s[0].Km, 4.02, 1e-4);
    EXPECT_EQ(s[0].Differenz, 61); // 60 m plus the step of the ramp
    const std::vector<Anstieg> a = AnstiegeFinden(p, false);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].Hoehenmeter, 200 + 60);
    EXPECT_EQ(SpruengeIn(s, a[0]).size(), 1u);
    EXPECT_TRUE(HoehenspruengeFinden(Profile{}).empty());
}

TEST(Anstiege, SteepestHundredMetres) {
    const std::vector<Anstieg> a =
        AnstiegeFinden(Route({{1, 0}, {1, 5}, {0.2, 15}, {1, 5}}), false);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_NEAR(a[0].MaxSteigung, 15, 1.0);
    EXPECT_NEAR(a[0].Steigung, (50 + 30 + 50) / 2.2 / 10, 0.01);
    SteilsteSteigung kurz;
    kurz.Punkt(1.0f, 100);
    kurz.Punkt(1.05f, 110);
    EXPECT_FALSE(kurz.Ergebnis()); // no two points 100 m apart
}
