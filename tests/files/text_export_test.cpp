#include "files/text_export.h"

#include "files/profile_storage.h"
#include "model/route_halves.h"
#include "model/smoothing.h"
#include "support/message_log.h"
#include "support/profile_builder.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// Positions 0.125, 0.375, 0.75 | 1.5, 2.0 km: all exact in float32, so metre values do not
// depend on rounding.
Profile Route() {
    Profile p = ProfilAus({Abschnitt({100, 120, 110}, {0.125f, 0.25f, 0.375f}, "Start"),
                           Abschnitt({130, 90}, {0.75f, 0.5f}, "")});
    p.Abschnitte[0].Punkte[1].Stuetzpunkt = 1;
    p.Abschnitte[1].Punkte[0].Stuetzpunkt = 1;
    GesamtNeuBerechnen(p, 450, 100);
    return p;
}

std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> zeilen;
    std::istringstream ein(text);
    for (std::string z; std::getline(ein, z);)
        zeilen.push_back(z);
    return zeilen;
}

} // namespace

TEST(TextExport, DefaultsWriteKmWithCommaAndHeightsOnly) {
    const auto zeilen = Zeilen(ExportInhalt(Route(), TExportOptions{}));
    const std::vector<std::string> erwartet = {"    0,125\t 100\t", "    0,375\t 120\t",
                                               "    0,750\t 110\t", "    1,500\t 130\t",
                                               "    2,000\t  90\t"};
    EXPECT_EQ(zeilen, erwartet);
}

TEST(TextExport, RelativeMetresAndDecimalPoint) {
    TExportOptions o;
    o.StreckeInKm = false;
    o.StreckeRelativ = true;
    o.TrennzeichenPunkt = true; // km values only
    const auto zeilen = Zeilen(ExportInhalt(Route(), o));
    ASSERT_EQ(zeilen.size(), 5u);
    EXPECT_EQ(zeilen[0], "    125\t 100\t");
    EXPECT_EQ(zeilen[1], "    250\t 120\t");
    EXPECT_EQ(zeilen[3], "    750\t 130\t");

    o.StreckeInKm = true;
    EXPECT_EQ(Zeilen(ExportInhalt(Route(), o))[4], "    0.500\t  90\t");
}

TEST(TextExport, HeaderWithSmoothingShowsSmoothedFiguresInWindows1252) {
    const Profile p = Route();
    TExportOptions o;
    o.Header = true;
    o.Glaettung = true;
    const std::string text = ExportInhalt(p, o);
    const auto zeilen = Zeilen(text);
    ASSERT_EQ(zeilen.size(), 6u + 5u);
    EXPECT_EQ(zeilen[0], "Strecke \t    2,000");
    EXPECT_EQ(zeilen[1], "H\xF6he min \t" + std::to_string(p.HoeheMinGeglaettet));
    EXPECT_EQ(zeilen[2], "H\xF6he max \t" + std::to_string(p.HoeheMaxGeglaettet));
    EXPECT_EQ(zeilen[3], "H\xF6he + \t" + std::to_string(p.HoehenmeterPlusGeglaettet));
    EXPECT_EQ(zeilen[4], "H\xF6he - \t" + std::to_string(p.HoehenmeterMinusGeglaettet));
    EXPECT_EQ(zeilen[5], "Anzahl DS \t5");
    char zeile[64];
    const ProfilePoint& q = p.Abschnitte[0].Punkte[0];
    snprintf(zeile, sizeof zeile, "    0,125\t%4d\t%3.0f\t", q.HoeheGeglaettet,
             static_cast<double>(q.Steigung));
    EXPECT_EQ(zeilen[6], zeile);

    o.StreckeInKm = false;
    o.Glaettung = false;
    const auto meter = Zeilen(ExportInhalt(p, o));
    EXPECT_EQ(meter[0], "Strecke \t2000");
    EXPECT_EQ(meter[1], "H\xF6he min \t90");
    EXPECT_EQ(meter[3], "H\xF6he + \t20");
}

TEST(TextExport, SectionMarkersAndVertices) {
    TExportOptions o;
    o.Abschnitte = true;
    o.Stuetzpunkte = true;
    Profile p = Route();
    p.Abschnitte[1].Beschreibung = "Über den Paß";
    const auto zeilen = Zeilen(ExportInhalt(p, o));
    EXPECT_EQ(zeilen[0], "    0,125\t 100\tAbschnitt 1\tStart\t");
    EXPECT_EQ(zeilen[1], "    0,375\t 120\t\t\tKnick");
    EXPECT_EQ(zeilen[2], "    0,750\t 110\t");
    EXPECT_EQ(zeilen[3], "    1,500\t 130\tAbschnitt 2\t\xDC"
                         "ber den Pa\xDF\tStuetz");

    o.Abschnitte = false;
    EXPECT_EQ(Zeilen(ExportInhalt(p, o))[3], "    1,500\t 130\t\t\tKnick");
}

TEST(TextExport, ThinningKeepsEndsAndCatchesUpAfterLongSteps) {
    // Points at 0, 50, 350, 360, 370 and 500 m.
    Profile p = ProfilAus({Abschnitt({1, 2, 3}, {0.0f, 0.05f, 0.3f}, "A"),
                           Abschnitt({4, 5, 6}, {0.01f, 0.01f, 0.13f}, "B")});
    p.Abschnitte[1].Punkte[0].Stuetzpunkt = 1;
    GesamtNeuBerechnen(p, 0, 0);
    TExportOptions o;
    o.PunkteReduzieren = true;
    o.MeterProPunkt = 100;
    o.StreckeInKm = false;
    o.Header = true;
    o.Stuetzpunkte = true;
    o.Abschnitte = true;
    const auto zeilen = Zeilen(ExportInhalt(p, o));
    ASSERT_EQ(zeilen.size(), 6u + 5u);
    EXPECT_EQ(zeilen[5], "Anzahl DS \t5");
    EXPECT_EQ(zeilen[6], "      0\t   1\tAbschnitt 1\tA\t");
    EXPECT_EQ(zeilen[7], "    350\t   3\t");
    EXPECT_EQ(zeilen[8], "    360\t   4\tAbschnitt 2\tB\t") << "no Stuetz when thinning";
    EXPECT_EQ(zeilen[10], "    500\t   6\t");
    EXPECT_EQ(ExportPunktanzahl(p, o), 5);
    o.PunkteReduzieren = false;
    EXPECT_EQ(ExportPunktanzahl(p, o), 6);
}

TEST(TextExport, ThinningWritesAPointLyingExactlyOnAStep) {
    Profile p = ProfilAus({Abschnitt({1, 2, 3, 4, 5, 6}, {0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f})});
    Statistik(p); // points at 0 to 5 km
    TExportOptions o;
    o.PunkteReduzieren = true;
    o.MeterProPunkt = 2000;
    o.StreckeInKm = false;
    EXPECT_EQ(Zeilen(ExportInhalt(p, o)),
              (std::vector<std::string>{"      0\t   1\t", "   2000\t   3\t", "   4000\t   5\t",
                                        "   5000\t   6\t"}));
}

TEST(TextExport, ASectionWithoutLinesDoesNotHoldUpLaterMarkers) {
    Profile p = ProfilAus({Abschnitt({1, 2}, {0.0f, 1.0f}, "A"), Abschnitt({3}, {0.01f}, "B"),
                           Abschnitt({4, 5}, {1.0f, 1.0f}, "C")});
    GesamtNeuBerechnen(p, 0, 0);
    TExportOptions o;
    o.PunkteReduzieren = true;
    o.MeterProPunkt = 1000;
    o.Abschnitte = true;
    const auto zeilen = Zeilen(ExportInhalt(p, o));
    ASSERT_EQ(zeilen.size(), 4u); // 0, 1.0, 2.01, 3.01 km; B's point at 1.01 km is skipped
    EXPECT_EQ(zeilen[2], "    2,010\t   4\tAbschnitt 3\tC\t");
}

TEST(GeschaetztePunktanzahl, IsTheLengthInStepsBoundedByThePoints) {
    Profile p;
    p.Strecke = 12.5f;
    p.Punktanzahl = 900;
    EXPECT_EQ(GeschaetztePunktanzahl(p, 50), 250);
    EXPECT_EQ(GeschaetztePunktanzahl(p, 10), 900);
    EXPECT_EQ(GeschaetztePunktanzahl(p, 0), 900);
    EXPECT_EQ(GeschaetztePunktanzahl(Profile{}, 50), 0);
}

TEST(Exportieren, WritesTheFileAndRemembersItsFolder) {
    TempDir dir;
    HoprexDaten d;
    MeldungsProtokoll m;
    EXPECT_FALSE(Exportieren(d, dir.Datei("leer.txt"), m));
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0].Text, "Keine Daten zum Speichern vorhanden");

    d.Gesamt = Route();
    EXPECT_FALSE(Exportieren(d, std::nullopt, m));
    EXPECT_TRUE(Exportieren(d, dir.Datei("route.txt"), m));
    EXPECT_EQ(DateiInhalt(dir.Datei("route.txt")), ExportInhalt(d.Gesamt, d.ExportOptions));
    EXPECT_EQ(d.VerzeichnisExport, dir.Pfad().string());
    EXPECT_EQ(m.Eintraege.size(), 1u);
}

// A long route's text is written in two halves on two threads: the section markers and the
// relative distances go on across the seam, which lies within a section, as in one text.
TEST(TextExport, ALongRouteReadsAsOneText) {
    const Profile p = Tour(161, MaxPunkte, 0.002f);
    ASSERT_GT(p.Punktanzahl, ParallelAb);
    TExportOptions o;
    o.StreckeRelativ = true;
    o.Abschnitte = true;
    o.Glaettung = true;
    const std::vector<std::string> zeilen = Zeilen(ExportInhalt(p, o));
    ASSERT_EQ(zeilen.size(), static_cast<size_t>(p.Punktanzahl));
    int32_t abschnitt = 0;
    for (size_t i = 0; i < zeilen.size(); ++i) {
        // Every step is 2 m, also the first of a section: "    0,002".
        ASSERT_EQ(zeilen[i].substr(0, 10), "    0,002\t") << i;
        if (i % MaxPunkte == 0) {
            ++abschnitt;
            ASSERT_NE(zeilen[i].find("Abschnitt " + std::to_string(abschnitt) + "\tEtappe " +
                                     std::to_string(abschnitt) + "\t"),
                      std::string::npos)
                << i;
        } else {
            ASSERT_EQ(zeilen[i].find("Abschnitt"), std::string::npos) << i;
        }
    }
}
