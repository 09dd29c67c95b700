#include "model/profile.h"
#include "support/profile_builder.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

TEST(Statistik, EmptyProfileGetsSentinelsAndZeroTotals) {
    Profile p;
    Statistik(p);
    EXPECT_EQ(p.Strecke, 0.0f);
    EXPECT_EQ(p.Punktanzahl, 0);
    EXPECT_EQ(p.HoeheMax, HoeheMaxLeer);
    EXPECT_EQ(p.HoeheMin, HoeheMinLeer);
    EXPECT_EQ(p.HoeheMaxGeglaettet, HoeheMaxLeer);
    EXPECT_EQ(p.HoeheMinGeglaettet, HoeheMinLeer);
    EXPECT_EQ(p.HoehenmeterPlus, 0);
    EXPECT_EQ(p.HoehenmeterMinusGeglaettet, 0);
}

TEST(Statistik, AscentAndDescentWithinASection) {
    Profile p = ProfilAus({Abschnitt({100, 150, 120, 180}, 0.1f)});
    Statistik(p);
    EXPECT_EQ(p.Abschnitte[0].HoehenmeterPlus, 110);
    EXPECT_EQ(p.Abschnitte[0].HoehenmeterMinus, 30);
    EXPECT_EQ(p.Abschnitte[0].HoeheMax, 180);
    EXPECT_EQ(p.Abschnitte[0].HoeheMin, 100);
    EXPECT_EQ(p.HoehenmeterPlus, 110);
    EXPECT_EQ(p.HoehenmeterMinus, 30);
}

TEST(Statistik, SinglePointSection) {
    Profile p = ProfilAus({Abschnitt({640}, 0.25f)});
    Statistik(p);
    const ProfileSection& a = p.Abschnitte[0];
    EXPECT_EQ(a.HoehenmeterPlus, 0);
    EXPECT_EQ(a.HoehenmeterMinus, 0);
    EXPECT_EQ(a.HoeheMax, 640);
    EXPECT_EQ(a.HoeheMin, 640);
    EXPECT_EQ(a.Strecke, 0.25f);
}

TEST(Statistik, SectionBorderCountsNoClimbButThePositionRunsOn) {
    Profile p = ProfilAus({Abschnitt({500, 500}, 0.5f), Abschnitt({600, 600, 600}, 0.5f)});
    Statistik(p);
    EXPECT_EQ(p.HoehenmeterPlus, 0);
    EXPECT_EQ(p.HoehenmeterMinus, 0);
    EXPECT_EQ(p.HoeheMax, 600);
    EXPECT_EQ(p.HoeheMin, 500);
    EXPECT_EQ(p.Punktanzahl, 5);
    const float erwartet[] = {0.5f, 1.0f, 1.5f, 2.0f, 2.5f};
    int k = 0;
    for (const ProfileSection& a : p.Abschnitte)
        for (int j = 0; j < a.Punktanzahl; ++j) EXPECT_EQ(a.Punkte[j].Strecke, erwartet[k++]);
}

TEST(Statistik, LengthsAreFloat32SumsInRouteOrder) {
    // 0.1 is not exact in binary: float sums differ from double sums in the last bits.
    std::vector<int32_t> hoehen(300, 0);
    Profile p = ProfilAus({Abschnitt(hoehen, 0.1f), Abschnitt({0, 0, 0}, 0.003f)});
    Statistik(p);
    float abschnitt0 = 0.0f;
    for (int i = 0; i < 300; ++i) abschnitt0 += 0.1f;
    float abschnitt1 = 0.0f;
    for (int i = 0; i < 3; ++i) abschnitt1 += 0.003f;
    float position = abschnitt0;
    for (int i = 0; i < 3; ++i) position += 0.003f;
    EXPECT_EQ(p.Abschnitte[0].Strecke, abschnitt0);
    EXPECT_NE(static_cast<double>(abschnitt0), 300 * 0.1);
    EXPECT_EQ(p.Strecke, abschnitt0 + abschnitt1);
    EXPECT_EQ(p.Abschnitte[1].Punkte[2].Strecke, position);
}

TEST(Statistik, SmoothedStatisticsReadTheSmoothedHeights) {
    Profile p = ProfilAus({Abschnitt({100, 200, 150}, 0.1f)});
    p.Abschnitte[0].Punkte[0].HoeheGeglaettet = 110;
    p.Abschnitte[0].Punkte[1].HoeheGeglaettet = 140;
    p.Abschnitte[0].Punkte[2].HoeheGeglaettet = 130;
    Statistik(p);
    EXPECT_EQ(p.HoeheMaxGeglaettet, 140);
    EXPECT_EQ(p.HoeheMinGeglaettet, 110);
    EXPECT_EQ(p.HoehenmeterPlusGeglaettet, 30);
    EXPECT_EQ(p.HoehenmeterMinusGeglaettet, 10);
}

TEST(StatistikUngeglaettet, LeavesPositionsAndSmoothedFieldsAlone) {
    Profile p = ProfilAus({Abschnitt({100, 150, 120}, 0.2f)});
    StatistikUngeglaettet(p);
    EXPECT_EQ(p.HoehenmeterPlus, 50);
    EXPECT_EQ(p.HoehenmeterMinus, 30);
    EXPECT_EQ(p.Abschnitte[0].Punkte[2].Strecke, 0.0f);
    EXPECT_EQ(p.HoeheMaxGeglaettet, 0);
    EXPECT_EQ(p.Abschnitte[0].HoehenmeterPlusGeglaettet, 0);
}

TEST(ProfilLeeren, ZeroesTotalsAndMarkedStatisticsButKeepsParameters) {
    Profile p = ProfilAus({Abschnitt({100, 150}, 0.2f)});
    p.GlaettungMittelungUeber = 450;
    p.HoeheMaxMarkiert = 150;
    Statistik(p);
    ProfilLeeren(p);
    EXPECT_EQ(p.AnzahlAbschnitte(), 0);
    EXPECT_EQ(p.HoeheMax, 0);
    EXPECT_EQ(p.HoeheMin, 0);
    EXPECT_EQ(p.Strecke, 0.0f);
    EXPECT_EQ(p.HoeheMaxMarkiert, 0);
    EXPECT_EQ(p.GlaettungMittelungUeber, 450);
}

TEST(Beschreibung, IsCutAt500CharactersNotBytes) {
    ProfileSection a;
    std::string lang;
    for (int i = 0; i < 600; ++i) lang += "ö"; // two bytes each in UTF-8
    BeschreibungSetzen(a, lang);
    EXPECT_EQ(a.Beschreibung.size(), 1000u);
    BeschreibungSetzen(a, "Start");
    EXPECT_EQ(a.Beschreibung, "Start");
}

TEST(Beschreibung, OnlyWhiteSpaceCountsAsEmpty) {
    EXPECT_TRUE(BeschreibungLeer(""));
    EXPECT_TRUE(BeschreibungLeer("   "));
    EXPECT_TRUE(BeschreibungLeer(" \t "));
    EXPECT_FALSE(BeschreibungLeer(" a "));
}

// A section's fields are its statistics, copied as one record, and these. A field added to the
// section fails here: a statistic belongs in Abschnittswerte or AbschnittswerteGeglaettet, so
// that every copy carries it; anything else is added to this list.
TEST(Abschnittsstatistik, EveryOtherFieldOfASectionIsListed) {
    // Same size, same fields: a new int32_t or wider one anywhere in the section changes it.
    struct Bekannt : Abschnittsstatistik {
        std::string Beschreibung;
        int32_t Punktanzahl;
        std::array<ProfilePoint, MaxPunkte> Punkte;
        uint8_t Markiert;
    };
    static_assert(sizeof(ProfileSection) == sizeof(Bekannt));
}
