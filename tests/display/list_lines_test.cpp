#include "display/list_lines.h"

#include "model/c_format.h"
#include "support/profile_builder.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

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

// The line is the printf line of the C locale for any section, damaged ones included.
TEST(ListenZeile, IsThePrintfLineForEveryValue) {
    const float inf = std::numeric_limits<float>::infinity();
    const std::string mitNull("vor\0nach", 8);
    for (const float km : {0.0f, -0.0f, 0.005f, 0.015f, 0.125f, 2.675f, -3.999f, 99.995f, 1e9f,
                           3.4e38f, inf, -inf, std::numeric_limits<float>::quiet_NaN()})
        for (const int32_t h : {0, 7, -42, 9999, -9000, INT32_MIN, INT32_MAX})
            EXPECT_EQ(ListenZeile(h, km, h, -h / 3, h / 7, 5, mitNull),
                      Formatieren("%2d  %6.2f  %4d  %4d  %5ld  %5ld  %s", h, double{km}, h, -h / 3,
                                  long{h / 7}, 5L, mitNull.c_str()))
                << km << " " << h;
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
