#include "display/graph_mapping.h"
#include "editing/marking.h"

#include "support/profile_builder.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Hoehenskala, FixedScaleForBothGraphsElseTheProfilesOwnPlainHeights) {
    Profile p = ProfilAus({Abschnitt({300, 900}, 1.0f)});
    Statistik(p);
    p.HoeheMaxGeglaettet = 700;
    p.HoeheMinGeglaettet = 400;
    EXPECT_EQ(HoehenskalaFuer(p, true, 2000, 1).Oben, 2000);
    EXPECT_EQ(HoehenskalaFuer(p, true, 2000, 1).Unten, 1);
    EXPECT_EQ(HoehenskalaFuer(p, false, 2000, 1).Oben, 900);
    EXPECT_EQ(HoehenskalaFuer(p, false, 2000, 1).Unten, 300);
}

TEST(SkalFixMaxKorrektur, TopNotAboveTheBottomBecomesBottomPlusOneWithoutWrapping) {
    EXPECT_EQ(SkalFixMaxKorrektur(2000, 1), std::nullopt);
    EXPECT_EQ(SkalFixMaxKorrektur(500, 500), 501);
    EXPECT_EQ(SkalFixMaxKorrektur(-10, 300), 301);
    constexpr int32_t groesste = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(SkalFixMaxKorrektur(groesste, groesste), groesste);
}

TEST(HoeheZuY, TopOnRowFiveBottomFiveAboveTheLastRowTruncatedInBetween) {
    const Hoehenskala fix{2000, 1};
    EXPECT_EQ(HoeheZuY(1000, fix, GraphAktuellHoehe), 65); // 124 - trunc(999 * 119 / 1999)
    EXPECT_EQ(HoeheZuY(2000, fix, GraphAktuellHoehe), 5);
    EXPECT_EQ(HoeheZuY(1, fix, GraphAktuellHoehe), 124);
    EXPECT_EQ(HoeheZuY(2000, fix, GraphGesamtHoehe), 5);
    EXPECT_EQ(HoeheZuY(1, fix, GraphGesamtHoehe), 136);
    // Outside the scale: outside the band, left to the surface to clip.
    EXPECT_EQ(HoeheZuY(3000, {2000, 1000}, GraphAktuellHoehe), 5 - 119);
    // Below the bottom the quotient is negative and truncates toward zero: -1 * 119 / 1000.
    EXPECT_EQ(HoeheZuY(999, {2000, 1000}, GraphAktuellHoehe), 124);
}

TEST(HoeheZuY, ScaleWithoutSpanPutsEveryHeightOnTheMiddleRow) {
    EXPECT_EQ(HoeheZuY(500, {500, 500}, GraphAktuellHoehe), 64);
    EXPECT_EQ(HoeheZuY(-3, {500, 500}, GraphGesamtHoehe), 70);
}

TEST(HoeheZuY, AbsurdHeightsStayWithinTheCoordinateLimit) {
    const int32_t riesig = std::numeric_limits<int32_t>::max();
    const int32_t winzig = std::numeric_limits<int32_t>::min();
    // A 1 m scale around a real route puts it a hundred thousand rows away.
    EXPECT_EQ(HoeheZuY(1000, {2, 1}, GraphAktuellHoehe), 124 - 999 * 119);
    for (const Hoehenskala skala : {Hoehenskala{riesig, winzig}, Hoehenskala{winzig + 1, winzig}})
        for (const int32_t h : {riesig, winzig, 0}) {
            EXPECT_GE(HoeheZuY(h, skala, GraphAktuellHoehe), -KoordinatenGrenze);
            EXPECT_LE(HoeheZuY(h, skala, GraphAktuellHoehe), KoordinatenGrenze);
        }
}

TEST(StreckeZuX, PositionTimesWidthOverLengthTruncated) {
    EXPECT_EQ(StreckeZuX(4.0f, 8.0f, GraphBreite), 204); // 204.5
    EXPECT_EQ(StreckeZuX(8.0f, 8.0f, GraphBreite), 409);
    EXPECT_EQ(StreckeZuX(0.0f, 8.0f, GraphBreite), 0);
    EXPECT_EQ(StreckeZuX(1.0f, 3.0f, GraphBreite), 136); // 136.33
}

TEST(StreckeZuX, ProfileOfLengthZeroPutsEveryPointOnColumnZero) {
    EXPECT_EQ(StreckeZuX(0.0f, 0.0f, GraphBreite), 0);
    EXPECT_EQ(StreckeZuX(5.0f, 0.0f, GraphBreite), 0);
    EXPECT_EQ(StreckeZuX(std::numeric_limits<float>::quiet_NaN(), 1.0f, GraphBreite), 0);
    EXPECT_EQ(StreckeZuX(1e30f, 1e-30f, GraphBreite), KoordinatenGrenze);
}

// `anzahl` sections of 1 km each (two points of 0.5 km) on the 409-pixel graph.
Profile Kilometerabschnitte(int anzahl) {
    std::vector<ProfileSection> a;
    for (int i = 0; i < anzahl; ++i)
        a.push_back(Abschnitt({500, 500}, 0.5f));
    Profile p = ProfilAus(std::move(a));
    StatistikUngeglaettet(p);
    return p;
}

TEST(AbschnittBeiSpalte, BoundaryBelongsToTheLeftSectionNothingBeyondTheEnd) {
    const Profile p = Kilometerabschnitte(2); // boundary at trunc(409 / 2) = 204
    EXPECT_EQ(AbschnittBeiSpalte(p, 0), 0);
    EXPECT_EQ(AbschnittBeiSpalte(p, 204), 0);
    EXPECT_EQ(AbschnittBeiSpalte(p, 205), 1);
    EXPECT_EQ(AbschnittBeiSpalte(p, 409), 1);
    EXPECT_EQ(AbschnittBeiSpalte(p, 410), -1);
    EXPECT_EQ(AbschnittBeiSpalte(p, -1), -1);
    EXPECT_EQ(AbschnittBeiSpalte(Profile{}, 0), -1);
}

TEST(AbschnittBeiSpalte, ColumnsPastTheEndOfTheLastSectionHitNothing) {
    // The points add up to less than the profile's length (here: half of it), so the last
    // section ends at column 204 and the columns right of it belong to no section.
    Profile p = Kilometerabschnitte(1);
    p.Strecke = 2.0f;
    EXPECT_EQ(AbschnittBeiSpalte(p, 204), 0);
    EXPECT_EQ(AbschnittBeiSpalte(p, 205), -1);
    EXPECT_FALSE(MarkierenMausDruck(p, AbschnittBeiSpalte(p, 300), false, false));
}

TEST(SteigungsBalken, FullScaleIsTheStripHeightTruncatedTowardZero) {
    EXPECT_EQ(SteigungsBalken(15.0f, 30, 60), 30);
    EXPECT_EQ(SteigungsBalken(-15.0f, 30, 60), -30);
    EXPECT_EQ(SteigungsBalken(0.4f, 30, 60), 0);
    EXPECT_EQ(SteigungsBalken(-0.4f, 30, 60), 0);
    EXPECT_EQ(SteigungsBalken(45.0f, 30, 60), 90);
    EXPECT_EQ(SteigungsBalken(15.0f, 0, 60), 0);
    EXPECT_EQ(SteigungsBalken(15.0f, -30, 60), 0);
}

TEST(GitterZeilen, OneRowPerTenPercentBelowTheFullScale) {
    EXPECT_EQ(GitterZeilen(30, 60), (std::vector<int32_t>{40, 20}));
    EXPECT_EQ(GitterZeilen(31, 60), (std::vector<int32_t>{41, 22, 2}));
    EXPECT_EQ(GitterZeilen(100, 60), (std::vector<int32_t>{54, 48, 42, 36, 30, 24, 18, 12, 6}));
    EXPECT_TRUE(GitterZeilen(10, 60).empty());
    EXPECT_TRUE(GitterZeilen(0, 60).empty());
    EXPECT_TRUE(GitterZeilen(-20, 60).empty());
}

TEST(GitterZeilen, HugeFullScaleFromADamagedFileGivesEachRowOnceAndQuickly) {
    // 10 % steps this close together reach every row; the list holds each once.
    const std::vector<int32_t> zeilen = GitterZeilen(std::numeric_limits<int32_t>::max(), 60);
    EXPECT_EQ(zeilen.size(), 60u); // row 60 (k * 60 / max = 0) up to row 1
    EXPECT_EQ(zeilen.front(), 60);
    EXPECT_EQ(zeilen.back(), 1);
    // 600 % on 60 rows: one step per row, from row 59 (k = 10) to row 1 (k = 590).
    EXPECT_EQ(GitterZeilen(600, 60), [] {
        std::vector<int32_t> z;
        for (int32_t y = 59; y >= 1; --y)
            z.push_back(y);
        return z;
    }());
}

} // namespace
