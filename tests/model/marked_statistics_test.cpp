#include "model/marked_statistics.h"

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

    p.GlaettungEinAus = true;
    MarkierteStatistikBerechnen(p);
    EXPECT_EQ(p.HoehenmeterPlusMarkiert, 170);
    EXPECT_EQ(p.HoeheMinMarkiert, 410);
    EXPECT_EQ(p.HoeheMaxMarkiert, 790);
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
    EXPECT_EQ(p.HoehenmeterPlusMarkiert, INT32_MAX);
    EXPECT_EQ(p.HoehenmeterMinusMarkiert, INT32_MAX);
}

TEST(MarkierteStatistik, NothingMarkedGivesTheSentinelsAndZeroLength) {
    Profile p = ProfilAus({MitWerten(1.5f, 400, 600, 120, 30, 0, 0, 0, 0)});
    p.StreckeMarkiert = 9.0f; // stale values from an earlier drawing
    p.HoehenmeterPlusMarkiert = 77;
    MarkierteStatistikBerechnen(p);
    EXPECT_EQ(p.StreckeMarkiert, 0.0f);
    EXPECT_EQ(p.HoehenmeterPlusMarkiert, 0);
    EXPECT_EQ(p.HoehenmeterMinusMarkiert, 0);
    EXPECT_EQ(p.HoeheMaxMarkiert, HoeheMaxLeer);
    EXPECT_EQ(p.HoeheMinMarkiert, HoeheMinLeer);
    Profile leer;
    MarkierteStatistikBerechnen(leer);
    EXPECT_EQ(leer.HoeheMaxMarkiert, HoeheMaxLeer);
    EXPECT_EQ(leer.HoeheMinMarkiert, HoeheMinLeer);
}

} // namespace
