#include "display/list_lines.h"

#include "support/profile_builder.h"

#include <gtest/gtest.h>

namespace {

TEST(ListenZeile, ColumnsLineUpUnderTheHeader) {
    const std::string zeile = ListenZeile(1, 12.5f, 480, 1020, 1234, 567, "Anstieg");
    EXPECT_EQ(zeile, " 1   12.50   480  1020   1234    567  Anstieg");
    const std::string kopf = ListenKopf;
    // Each number ends where its column head ends.
    for (const char* spalte : {"km", "Hmin", "Hmax", "H+", "H-"}) {
        const size_t ende = kopf.find(spalte) + std::string(spalte).size();
        EXPECT_NE(zeile[ende - 1], ' ') << spalte;
        EXPECT_EQ(zeile[ende], ' ') << spalte;
    }
    EXPECT_EQ(zeile.substr(kopf.find("Beschreibung")), "Anstieg");
    EXPECT_EQ(zeile.substr(BeschreibungsSpalte), "Anstieg");
}

TEST(ListenZeile, WideValuesPushTheColumnsRatherThanBeingCut) {
    EXPECT_EQ(ListenZeile(123, 1234.567f, -9000, 9000, 123456, 0, ""),
              "123  1234.57  -9000  9000  123456      0  ");
}

TEST(ListenZeilen, CurrentPlainOverallSmoothedOrPlain) {
    Profile p = ProfilAus({Abschnitt({100, 150, 120, 180}, 0.5f, "Pass"), Abschnitt({500}, 1.0f)});
    for (ProfileSection& a : p.Abschnitte)
        for (int j = 0; j < a.Punktanzahl; ++j)
            a.Punkte[j].HoeheGeglaettet = 200;
    Statistik(p);
    EXPECT_EQ(ListenZeilenAktuell(p),
              (std::vector<std::string>{" 1    2.00   100   180    110     30  Pass",
                                        " 2    1.00   500   500      0      0  "}));
    EXPECT_EQ(ListenZeilenGesamt(p), ListenZeilenAktuell(p));
    p.GlaettungEinAus = true;
    EXPECT_EQ(ListenZeilenGesamt(p),
              (std::vector<std::string>{" 1    2.00   200   200      0      0  Pass",
                                        " 2    1.00   200   200      0      0  "}));
    const int32_t geglaettet[] = {110, 160, 140, 170};
    for (int j = 0; j < 4; ++j)
        p.Abschnitte[0].Punkte[j].HoeheGeglaettet = geglaettet[j];
    Statistik(p);
    EXPECT_EQ(ListenZeilenGesamt(p)[0], " 1    2.00   110   170     80     20  Pass");
    EXPECT_TRUE(ListenZeilenGesamt(Profile{}).empty());
}

} // namespace
