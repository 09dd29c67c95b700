#include "evaluation/profile_building.h"
#include "support/profile_builder.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

// Curve rows for every graph column: `zeile(x)` of the absolute column.
template <class F> TAuswertung Kurve(const TLayout& l, F zeile, int32_t oben, int32_t unten) {
    TAuswertung a;
    for (int32_t x = l.SpalteErste; x <= l.SpalteLetzte; ++x)
        a.KurveY[static_cast<size_t>(x)] = zeile(x);
    a.KurveYOben = oben;
    a.KurveYUnten = unten;
    return a;
}

int32_t H(const TAuswertung& a, int32_t x) {
    return a.SpaltenHoehe[static_cast<size_t>(x)];
}

} // namespace

TEST(HoehenBerechnen, TheHighestRowShowsTheMaximumLabelAndTheLowestTheMinimum) {
    TAuswertung a = Kurve(
        Layout2, [](int32_t x) { return x < 200   ? 90
                                        : x < 300 ? 140
                                                  : 190; }, 90, 190);
    a.HoeheMaxSkala = 1200;
    a.HoeheMinSkala = 800;
    HoehenBerechnen(a, Layout2);
    EXPECT_EQ(a.SpaltenAnzahl, 411);
    EXPECT_EQ(H(a, 116), 1200);
    EXPECT_EQ(H(a, 250), 1000);
    EXPECT_EQ(H(a, 526), 800);
    // (190 - 153) * 400 / 100 = 148 m above the minimum; 3 rows lower truncates.
    a.KurveY[400] = 153;
    a.KurveY[401] = 189;
    HoehenBerechnen(a, Layout2);
    EXPECT_EQ(H(a, 400), 948);
    EXPECT_EQ(H(a, 401), 804);
}

TEST(HoehenBerechnen, ACurveOnOneRowStandsAtTheMinimumHeight) {
    TAuswertung a = Kurve(
        Layout1, [](int32_t) { return 120; }, 120, 120);
    a.HoeheMaxSkala = 900;
    a.HoeheMinSkala = 450;
    HoehenBerechnen(a, Layout1);
    for (int32_t x = 67; x <= 513; ++x)
        ASSERT_EQ(H(a, x), 450);
}

TEST(HoehenBerechnen, HugeLabelsDoNotOverflow) {
    TAuswertung a = Kurve(
        Layout2, [](int32_t x) { return x == 116   ? 85
                                        : x == 117 ? 219
                                                   : 152; }, 85, 219);
    a.HoeheMaxSkala = std::numeric_limits<int32_t>::max();
    a.HoeheMinSkala = 0;
    a.StreckeMeter = std::numeric_limits<int32_t>::max();
    HoehenBerechnen(a, Layout2);
    EXPECT_EQ(H(a, 116), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(H(a, 117), 0);
    EXPECT_EQ(H(a, 118), std::numeric_limits<int32_t>::max() / 2);
    EXPECT_EQ(a.SpaltenStrecke[526], std::numeric_limits<int32_t>::max());
}

TEST(HoehenBerechnen, DistancesRunFromZeroToTheRouteLength) {
    TAuswertung a = Kurve(
        Layout1, [](int32_t) { return 100; }, 90, 190);
    a.StreckeMeter = 1000;
    HoehenBerechnen(a, Layout1);
    EXPECT_EQ(a.SpaltenStrecke[67], 0);
    EXPECT_EQ(a.SpaltenStrecke[513], 1000);
    for (int32_t x = 68; x <= 513; ++x) {
        const int32_t schritt =
            a.SpaltenStrecke[static_cast<size_t>(x)] - a.SpaltenStrecke[static_cast<size_t>(x - 1)];
        ASSERT_TRUE(schritt == 2 || schritt == 3) << x;
    }
}

TEST(HoehenBerechnen, VertexColumnsAreFlaggedInBothLayouts) {
    for (const TLayout* l : {&Layout1, &Layout2}) {
        TAuswertung a = Kurve(
            *l, [](int32_t) { return 100; }, 90, 190);
        a.SpaltenStuetzpunkt.fill(1); // left over from an earlier screenshot
        a.Stuetzpunktspalten.Anhaengen(200);
        a.Stuetzpunktspalten.Anhaengen(350);
        HoehenBerechnen(a, *l);
        for (int32_t x = l->SpalteErste; x <= l->SpalteLetzte; ++x)
            ASSERT_EQ(a.SpaltenStuetzpunkt[static_cast<size_t>(x)], x == 200 || x == 350 ? 1 : 0);
    }
}

TEST(ProfilAufbauen, ReplacesTheCurrentProfileByOneMarkedSection) {
    TAuswertung a = Kurve(
        Layout2, [](int32_t x) { return x % 2 == 0 ? 100 : 110; }, 100, 110);
    a.HoeheMaxSkala = 500;
    a.HoeheMinSkala = 400;
    a.StreckeMeter = 4100;
    a.Stuetzpunktspalten.Anhaengen(117);
    HoehenBerechnen(a, Layout2);

    Profile aktuell = ProfilAus({Abschnitt({1, 2}, 0.5f, "alt"), Abschnitt({3}, 0.5f)});
    aktuell.GlaettungMittelungUeber = 450;
    ProfilAufbauen(a, Layout2, aktuell);

    ASSERT_EQ(aktuell.AnzahlAbschnitte(), 1);
    const ProfileSection& s = aktuell.Abschnitte[0];
    EXPECT_EQ(s.Punktanzahl, 410);
    EXPECT_EQ(s.Markiert, 1);
    EXPECT_EQ(s.Beschreibung, "");
    float strecke = 0.0f;
    for (int32_t k = 0; k < 410; ++k) {
        const ProfilePoint& p = s.Punkte[static_cast<size_t>(k)];
        ASSERT_EQ(p.Hoehe, (117 + k) % 2 == 0 ? 500 : 400) << k;
        ASSERT_EQ(p.Abstand, 0.01f);
        ASSERT_EQ(p.Stuetzpunkt, k == 0 ? 1 : 0);
        EXPECT_EQ(p.HoeheGeglaettet, 0);
        strecke += p.Abstand;
    }
    EXPECT_EQ(s.Strecke, strecke);
    EXPECT_EQ(s.HoeheMax, 500);
    EXPECT_EQ(s.HoeheMin, 400);
    EXPECT_EQ(s.HoehenmeterPlus, 205 * 100);
    EXPECT_EQ(s.HoehenmeterMinus, 204 * 100);
    EXPECT_EQ(aktuell.Punktanzahl, 410);
    EXPECT_EQ(aktuell.Strecke, strecke);
    EXPECT_EQ(aktuell.HoehenmeterPlus, 205 * 100);
    EXPECT_EQ(aktuell.GlaettungMittelungUeber, 450);
}
