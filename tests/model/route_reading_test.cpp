// Reading the overall profile at a position and the figures of a selected stretch.
#include "model/route_reading.h"
#include "model/stretch_statistics.h"
#include "support/profile_builder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Section 1: heights 100, 150, 120, 180 at 0.0 .. 0.3 km; section 2: 500, 400 at 0.4, 0.5 km.
Profile ZweiAbschnitte() {
    Profile p = ProfilAus({Abschnitt({100, 150, 120, 180}, {0.0f, 0.1f, 0.1f, 0.1f}, "Tal"),
                           Abschnitt({500, 400}, 0.1f, "Pass")});
    Statistik(p);
    for (ProfileSection& a : p.Abschnitte)
        for (int j = 0; j < a.Punktanzahl; ++j) {
            a.Punkte[j].HoeheGeglaettet = a.Punkte[j].Hoehe / 2;
            a.Punkte[j].Steigung = a.Punkte[j].Strecke * 10;
        }
    return p;
}

// Points a quarter kilometre apart, positions that a float holds exactly, so that a position
// halfway between two of them is truly as near to one as to the other.
Profile Viertelkilometer(std::vector<ProfileSection> dahinter = {}) {
    std::vector<ProfileSection> abschnitte{Abschnitt({100, 200, 300}, {0.0f, 0.25f, 0.25f})};
    for (ProfileSection& a : dahinter)
        abschnitte.push_back(std::move(a));
    Profile p = ProfilAus(std::move(abschnitte));
    Statistik(p);
    return p;
}

} // namespace

TEST(AblesungBei, TheNearestPointWithItsSection) {
    const Profile p = ZweiAbschnitte();
    const auto punkt = [&](double km) { return AblesungBei(p, km).value().Stelle; };
    EXPECT_EQ(punkt(0.149), (PunktStelle{0, 1}));
    EXPECT_EQ(punkt(0.15), (PunktStelle{0, 1})); // halfway: the earlier point
    EXPECT_EQ(punkt(0.151), (PunktStelle{0, 2}));
    EXPECT_EQ(punkt(0.36), (PunktStelle{1, 0})); // across the boundary
    EXPECT_EQ(punkt(-5.0), (PunktStelle{0, 0}));
    EXPECT_EQ(punkt(9.0), (PunktStelle{1, 1}));

    const Ablesung a = AblesungBei(p, 0.41).value();
    EXPECT_FLOAT_EQ(a.Strecke, 0.4f);
    EXPECT_EQ(a.Hoehe, 500);
    EXPECT_EQ(a.HoeheGeglaettet, 250);
    EXPECT_FLOAT_EQ(a.Steigung, 4.0f);

    EXPECT_FALSE(AblesungBei(Profile{}, 0.0));
    EXPECT_FALSE(AblesungBei(ProfilAus({Abschnitt({}, 0.1f)}), 0.0));
    EXPECT_FALSE(AblesungBei(p, NAN));
}

TEST(AblesungBei, AnExactTieGoesToTheEarlierPoint) {
    EXPECT_EQ(AblesungBei(Viertelkilometer(), 0.375).value().Stelle, (PunktStelle{0, 1}));
}

TEST(AblesungBei, BeyondTheEndReadsTheFirstSectionWhenNoLaterOneHasPoints) {
    Profile p = Viertelkilometer({Abschnitt({}, 0.1f), Abschnitt({}, 0.1f)});
    EXPECT_EQ(AblesungBei(p, 9.0).value().Stelle, (PunktStelle{0, 2}));
}

TEST(StreckeAuswerten, LengthAscentDescentAndMeanGradientOfTheSelectedPoints) {
    const Profile p = ZweiAbschnitte();
    // 0.05 .. 0.25 km holds 150 and 120 m: 30 m down over 100 m.
    StreckenWerte w = StreckeAuswerten(p, 0.25, 0.05, false);
    EXPECT_EQ(w.Punkte, 2);
    EXPECT_FLOAT_EQ(w.Von, 0.1f);
    EXPECT_FLOAT_EQ(w.Bis, 0.2f);
    EXPECT_NEAR(w.Laenge, 0.1f, 1e-6);
    EXPECT_EQ(w.HoehenmeterPlus, 0);
    EXPECT_EQ(w.HoehenmeterMinus, 30);
    EXPECT_NEAR(w.MittlereSteigung, -30.0f, 1e-3);

    // The smoothed heights (halved here) when asked for.
    EXPECT_EQ(StreckeAuswerten(p, 0.05, 0.25, true).HoehenmeterMinus, 15);
}

TEST(StreckeAuswerten, TheWholeRouteShowsTheTotalsWithoutTheStepBetweenSections) {
    const Profile p = ZweiAbschnitte();
    const StreckenWerte w = StreckeAuswerten(p, -1.0, 10.0, false);
    EXPECT_EQ(w.Punkte, 6);
    EXPECT_EQ(w.HoehenmeterPlus, p.HoehenmeterPlus);
    EXPECT_EQ(w.HoehenmeterMinus, p.HoehenmeterMinus);
    EXPECT_EQ(w.HoehenmeterPlus, 110); // 180 -> 500 between the sections is not counted
    EXPECT_EQ(w.HoehenmeterMinus, 130);
    EXPECT_NEAR(w.MittlereSteigung, 300.0 / 500.0 * 100.0, 1e-3);
}

TEST(StreckeAuswerten, APointExactlyAtEitherEndBelongsToTheStretch) {
    const StreckenWerte w = StreckeAuswerten(Viertelkilometer(), 0.5, 0.25, false);
    EXPECT_EQ(w.Punkte, 2);
    EXPECT_EQ(w.HoehenmeterPlus, 100);
    EXPECT_FLOAT_EQ(w.Bis, 0.5f);
}

TEST(StreckeAuswerten, AStretchWithoutTwoPointsHasNoGradient) {
    const Profile p = ZweiAbschnitte();
    const StreckenWerte einer = StreckeAuswerten(p, 0.09, 0.11, false);
    EXPECT_EQ(einer.Punkte, 1);
    EXPECT_EQ(einer.Laenge, 0.0f);
    EXPECT_EQ(einer.MittlereSteigung, 0.0f);
    EXPECT_EQ(StreckeAuswerten(p, 0.31, 0.39, false).Punkte, 0);
    EXPECT_EQ(StreckeAuswerten(Profile{}, 0.0, 1.0, false).Punkte, 0);

    // Heights at the 32-bit ends: the sums are held, nothing wraps round.
    Profile extrem = ProfilAus({Abschnitt({INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX}, 0.1f)});
    Statistik(extrem);
    const StreckenWerte w = StreckeAuswerten(extrem, 0.0, 1.0, false);
    EXPECT_EQ(w.HoehenmeterPlus, INT32_MAX);
    EXPECT_EQ(w.HoehenmeterMinus, INT32_MAX);
    EXPECT_TRUE(std::isfinite(w.MittlereSteigung));
}
