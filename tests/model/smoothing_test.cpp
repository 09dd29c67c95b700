#include "model/smoothing.h"
#include "support/profile_builder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::vector<int32_t> Geglaettet(const Profile& p) {
    std::vector<int32_t> werte;
    for (const ProfileSection& a : p.Abschnitte)
        for (int j = 0; j < a.Punktanzahl; ++j)
            werte.push_back(a.Punkte[j].HoeheGeglaettet);
    return werte;
}

std::vector<float> Steigungen(const Profile& p) {
    std::vector<float> werte;
    for (const ProfileSection& a : p.Abschnitte)
        for (int j = 0; j < a.Punktanzahl; ++j)
            werte.push_back(a.Punkte[j].Steigung);
    return werte;
}

const std::vector<int32_t> kHoehen = {100, 130, 170, 160, 190, 250, 240, 200, 180, 210, 260, 300};

} // namespace

TEST(HoehenGlaetten, WindowOf450mOverStepsOf100m) {
    Profile p = ProfilAus({Abschnitt(kHoehen, 0.1f)});
    HoehenGlaetten(p, 450);
    const auto g = Geglaettet(p);
    // First point: no backward phase, so itself and the five points after it.
    EXPECT_EQ(g[0], (100 + 130 + 170 + 160 + 190 + 250) / 6);
    // Inner point: three points back (300 m reach past 225 m), two forward (500 m reach 450 m).
    EXPECT_EQ(g[5], (170 + 160 + 190 + 250 + 240 + 200) / 6);
    // Last point: three back, nothing forward.
    EXPECT_EQ(g[11], (180 + 210 + 260 + 300) / 4);
    EXPECT_EQ(p.GlaettungMittelungUeber, 450);
}

TEST(HoehenGlaetten, RunsAcrossSectionBordersAsIfOneSection) {
    Profile eins = ProfilAus({Abschnitt(kHoehen, 0.1f)});
    std::vector<int32_t> vorn(kHoehen.begin(), kHoehen.begin() + 5);
    std::vector<int32_t> hinten(kHoehen.begin() + 5, kHoehen.end());
    Profile zwei = ProfilAus({Abschnitt(vorn, 0.1f), Abschnitt({}, 0.1f), Abschnitt(hinten, 0.1f)});
    Glaettungslauf(eins, 450, 100);
    Glaettungslauf(zwei, 450, 100);
    EXPECT_EQ(Geglaettet(eins), Geglaettet(zwei));
    EXPECT_EQ(Steigungen(eins), Steigungen(zwei));
}

TEST(HoehenGlaetten, MeanTruncatesTowardZero) {
    Profile paar = ProfilAus({Abschnitt({100, 101}, 1.0f)});
    HoehenGlaetten(paar, 1000);
    EXPECT_EQ(Geglaettet(paar)[0], 100);
    Profile negativ = ProfilAus({Abschnitt({-101, -100}, 1.0f)});
    HoehenGlaetten(negativ, 1000);
    EXPECT_EQ(Geglaettet(negativ)[0], -100); // -201 / 2, not the floor -101
}

TEST(HoehenGlaetten, WindowOfZeroOrLessKeepsTheHeights) {
    for (int32_t L : {0, -50}) {
        Profile p = ProfilAus({Abschnitt(kHoehen, 0.1f)});
        HoehenGlaetten(p, L);
        EXPECT_EQ(Geglaettet(p), kHoehen);
    }
}

TEST(SteigungenBerechnen, WindowOf100mOverStepsOf100m) {
    Profile p = ProfilAus({Abschnitt({100, 110, 105, 105}, 0.1f)});
    HoehenGlaetten(p, 0); // smoothed heights equal the heights
    SteigungenBerechnen(p, 100);
    const auto s = Steigungen(p);
    EXPECT_FLOAT_EQ(s[0], 10.0f); // first point: itself and the second
    EXPECT_FLOAT_EQ(s[1], 10.0f); // inner points: the previous point and itself
    EXPECT_FLOAT_EQ(s[2], -5.0f);
    EXPECT_FLOAT_EQ(s[3], 0.0f);
    EXPECT_EQ(p.SteigungMittelungUeber, 100);
}

TEST(SteigungenBerechnen, ZeroLengthWindowsGiveZero) {
    Profile einzeln = ProfilAus({Abschnitt({300}, 0.1f)});
    Glaettungslauf(einzeln, 450, 100);
    EXPECT_EQ(Steigungen(einzeln)[0], 0.0f);

    Profile fenster = ProfilAus({Abschnitt({100, 200}, 0.1f)});
    Glaettungslauf(fenster, 0, 0);
    EXPECT_EQ(Steigungen(fenster), (std::vector<float>{0.0f, 0.0f}));

    Profile stillstand = ProfilAus({Abschnitt({100, 200, 300}, 0.0f)});
    Glaettungslauf(stillstand, 0, 100);
    EXPECT_EQ(Steigungen(stillstand), (std::vector<float>{0.0f, 0.0f, 0.0f}));
}

TEST(GesamtNeuBerechnen, SmoothedStatisticsFollowTheNewHeights) {
    Profile p = ProfilAus({Abschnitt(kHoehen, 0.1f)});
    GesamtNeuBerechnen(p, 450, 100);
    const auto g = Geglaettet(p);
    EXPECT_EQ(p.HoeheMaxGeglaettet, *std::max_element(g.begin(), g.end()));
    EXPECT_EQ(p.HoeheMinGeglaettet, *std::min_element(g.begin(), g.end()));
}
