#include "display/value_texts.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace {

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

// The marked statistics as MarkierteStatistikBerechnen leaves them.
Profile MitMarkierung(float km, int32_t min, int32_t max, int32_t plus, int32_t minus) {
    return {.Abschnitte = {},
            .StreckeMarkiert = km,
            .HoeheMaxMarkiert = max,
            .HoeheMinMarkiert = min,
            .HoehenmeterPlusMarkiert = plus,
            .HoehenmeterMinusMarkiert = minus};
}

TEST(WerteMarkiert, TheMarkedStatisticsWithTheEmptyTextsOfTheTotalsRow) {
    WerteTexte t = WerteMarkiert(MitMarkierung(3.75f, 400, 800, 200, 0));
    EXPECT_EQ(t.Strecke, "3.75");
    EXPECT_EQ(t.HoehenmeterPlus, "200");
    EXPECT_EQ(t.HoehenmeterMinus, ""); // descents adding up to 0 leave the field empty
    EXPECT_EQ(t.HoeheMin, "400");
    EXPECT_EQ(t.HoeheMax, "800");
    t = WerteMarkiert(MitMarkierung(3.75f, 410, 790, 170, 0));
    EXPECT_EQ(t.HoehenmeterPlus, "170");
    EXPECT_EQ(t.HoeheMin, "410");
    EXPECT_EQ(t.HoeheMax, "790");

    // Ascents and descents held at the 32-bit maximum show as that number.
    t = WerteMarkiert(MitMarkierung(2.0f, 0, 1, INT32_MAX, INT32_MAX));
    EXPECT_EQ(t.HoehenmeterPlus, "2147483647");
    EXPECT_EQ(t.HoehenmeterMinus, "2147483647");

    // Nothing marked: empty heights and a length of zero.
    t = WerteMarkiert(MitMarkierung(0.0f, HoeheMinLeer, HoeheMaxLeer, 0, 0));
    EXPECT_EQ(t.Strecke, "0.00");
    EXPECT_EQ(t.HoeheMin, "");
    EXPECT_EQ(t.HoeheMax, "");
    EXPECT_EQ(t.HoehenmeterPlus, "");
    EXPECT_EQ(t.HoehenmeterMinus, "");
}

} // namespace
