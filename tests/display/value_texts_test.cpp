#include "display/marked_statistics.h"
#include "display/value_texts.h"

#include "support/profile_builder.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

// A section with the given plain and smoothed statistics, as a statistics pass leaves them.
ProfileSection MitWerten(float km, int32_t min, int32_t max, int32_t plus, int32_t minus,
                         int32_t minG, int32_t maxG, int32_t plusG, int32_t minusG) {
    ProfileSection a;
    a.Strecke = km;
    a.HoeheMin = min;
    a.HoeheMax = max;
    a.HoehenmeterPlus = plus;
    a.HoehenmeterMinus = minus;
    a.HoeheMinGeglaettet = minG;
    a.HoeheMaxGeglaettet = maxG;
    a.HoehenmeterPlusGeglaettet = plusG;
    a.HoehenmeterMinusGeglaettet = minusG;
    return a;
}

TEST(WerteAktuell, ShowsEveryValueAlsoZeroAndTheSentinels) {
    Profile p;
    p.Strecke = 3.14159f;
    p.HoeheMin = 9000;
    p.HoeheMax = -9000;
    const WerteTexte t = WerteAktuell(p);
    EXPECT_EQ(t.Strecke, "3.14");
    EXPECT_EQ(t.HoeheMin, "9000");
    EXPECT_EQ(t.HoeheMax, "-9000");
    EXPECT_EQ(t.HoehenmeterPlus, "0");
    EXPECT_EQ(t.HoehenmeterMinus, "0");
    p.Strecke = 123.456f;
    p.HoehenmeterPlus = 1520;
    EXPECT_EQ(WerteAktuell(p).Strecke, "123.46");
    EXPECT_EQ(WerteAktuell(p).HoehenmeterPlus, "1520");
}

TEST(WerteGesamt, EmptyTextsForNoAscentAndSentinelsSmoothedOrPlain) {
    Profile p; // at start: no statistics pass yet, all 0
    WerteTexte t = WerteGesamt(p);
    EXPECT_EQ(t.Strecke, "0.00");
    EXPECT_EQ(t.HoeheMin, "0");
    EXPECT_EQ(t.HoeheMax, "0");
    EXPECT_EQ(t.HoehenmeterPlus, "");
    EXPECT_EQ(t.HoehenmeterMinus, "");
    Statistik(p); // the empty profile after a pass holds the sentinels
    t = WerteGesamt(p);
    EXPECT_EQ(t.HoeheMin, "");
    EXPECT_EQ(t.HoeheMax, "");

    p = Profile{};
    p.Strecke = 12.5f;
    p.HoeheMin = 400;
    p.HoeheMax = 900;
    p.HoehenmeterPlus = 700;
    p.HoehenmeterMinus = 200;
    p.HoeheMinGeglaettet = 420;
    p.HoeheMaxGeglaettet = 880;
    p.HoehenmeterPlusGeglaettet = 600;
    p.HoehenmeterMinusGeglaettet = 0;
    t = WerteGesamt(p);
    EXPECT_EQ(t.HoeheMin, "400");
    EXPECT_EQ(t.HoehenmeterMinus, "200");
    p.GlaettungEinAus = true;
    t = WerteGesamt(p);
    EXPECT_EQ(t.Strecke, "12.50");
    EXPECT_EQ(t.HoeheMin, "420");
    EXPECT_EQ(t.HoeheMax, "880");
    EXPECT_EQ(t.HoehenmeterPlus, "600");
    EXPECT_EQ(t.HoehenmeterMinus, "");
}

TEST(MarkierteStatistik, SumsTheMarkedSectionsPlainOrSmoothed) {
    Profile p = ProfilAus({MitWerten(1.5f, 400, 600, 120, 0, 410, 590, 100, 0),
                           MitWerten(2.0f, 300, 700, 10, 50, 320, 680, 5, 40),
                           MitWerten(2.25f, 500, 800, 80, 0, 510, 790, 70, 0)});
    p.Abschnitte[0].Markiert = 1;
    p.Abschnitte[2].Markiert = 1;
    MarkierteStatistikBerechnen(p);
    EXPECT_FLOAT_EQ(p.StreckeMarkiert, 3.75f);
    EXPECT_EQ(p.HoehenmeterPlusMarkiert, 200);
    EXPECT_EQ(p.HoehenmeterMinusMarkiert, 0);
    EXPECT_EQ(p.HoeheMinMarkiert, 400);
    EXPECT_EQ(p.HoeheMaxMarkiert, 800);
    WerteTexte t = WerteMarkiert(p);
    EXPECT_EQ(t.Strecke, "3.75");
    EXPECT_EQ(t.HoehenmeterPlus, "200");
    EXPECT_EQ(t.HoehenmeterMinus, ""); // descents adding up to 0 leave the field empty
    EXPECT_EQ(t.HoeheMin, "400");
    EXPECT_EQ(t.HoeheMax, "800");

    p.GlaettungEinAus = true;
    MarkierteStatistikBerechnen(p);
    t = WerteMarkiert(p);
    EXPECT_EQ(t.HoehenmeterPlus, "170");
    EXPECT_EQ(t.HoeheMin, "410");
    EXPECT_EQ(t.HoeheMax, "790");
}

// The totals row holds ascents and descents at the 32-bit maximum; the marked row must not wrap
// round to a negative number where the totals row shows that maximum.
TEST(MarkierteStatistik, AscentsAndDescentsAreHeldAtTheLargestNumber) {
    const int32_t gross = 2'000'000'000;
    Profile p = ProfilAus({MitWerten(1.0f, 0, 1, gross, gross, 0, 1, gross, gross),
                           MitWerten(1.0f, 0, 1, gross, gross, 0, 1, gross, gross)});
    for (ProfileSection& a : p.Abschnitte)
        a.Markiert = 1;
    MarkierteStatistikBerechnen(p);
    EXPECT_EQ(p.HoehenmeterPlusMarkiert, INT32_MAX);
    EXPECT_EQ(p.HoehenmeterMinusMarkiert, INT32_MAX);
    p.GlaettungEinAus = true;
    MarkierteStatistikBerechnen(p);
    EXPECT_EQ(WerteMarkiert(p).HoehenmeterPlus, "2147483647");
    EXPECT_EQ(WerteMarkiert(p).HoehenmeterMinus, "2147483647");
}

TEST(MarkierteStatistik, NothingMarkedShowsEmptyHeightsAndZeroLength) {
    Profile p = ProfilAus({MitWerten(1.5f, 400, 600, 120, 30, 0, 0, 0, 0)});
    p.StreckeMarkiert = 9.0f; // stale values from an earlier drawing
    p.HoehenmeterPlusMarkiert = 77;
    MarkierteStatistikBerechnen(p);
    const WerteTexte t = WerteMarkiert(p);
    EXPECT_EQ(t.Strecke, "0.00");
    EXPECT_EQ(t.HoeheMin, "");
    EXPECT_EQ(t.HoeheMax, "");
    EXPECT_EQ(t.HoehenmeterPlus, "");
    EXPECT_EQ(t.HoehenmeterMinus, "");
    Profile leer;
    MarkierteStatistikBerechnen(leer);
    EXPECT_EQ(leer.HoeheMaxMarkiert, HoeheMaxLeer);
    EXPECT_EQ(leer.HoeheMinMarkiert, HoeheMinLeer);
}

} // namespace
