#include "files/profile_file.h"

#include "model/route_halves.h"
#include "support/profile_builder.h"
#include "support/route_builder.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <clocale>
#include <gtest/gtest.h>

namespace {

Profile ZweiAbschnitte() {
    Profile p = ProfilAus({Abschnitt({100, 150, 120}, {0.0f, 0.05f, 0.03f}, "Start"),
                           Abschnitt({1200, -15}, {0.0524f, 0.1f}, "   ")});
    p.Abschnitte[0].Punkte[1].Stuetzpunkt = 1;
    p.Abschnitte[0].Markiert = 1;
    p.GlaettungMittelungUeber = 450;
    p.SteigungMittelungUeber = 100;
    return p;
}

std::string Golden(const std::string& name) {
    return DateiInhalt(std::string(HOPREX_TEST_DATA_DIR) + "/files/" + name);
}

// Reads `text`; the fault line is returned through `zeile` (0 when the text was sound).
Profile Lesen(const std::string& text, int32_t& zeile, uint8_t markiert = 0) {
    Profile p;
    zeile = 0;
    if (!ProfilDateiLesen(text, markiert, p, zeile)) {
        EXPECT_GT(zeile, 0);
    }
    return p;
}

Profile Lesen(const std::string& text) {
    int32_t zeile = 0;
    Profile p = Lesen(text, zeile);
    EXPECT_EQ(zeile, 0) << text;
    return p;
}

std::string Kopf(const std::string& abschnitte) {
    return "Version \t 2\nGlaetten \t 450\nSteigungGlaetten \t 100\n"
           "leer\nleer\nleer\nleer\nleer\nleer\nleer\nAbschnitte \t " +
           abschnitte + "\n";
}

} // namespace

TEST(ProfilDatei, WritesTheLayoutOfTheFormat) {
    EXPECT_EQ(ProfilDateiInhalt(ZweiAbschnitte()), Golden("two_sections.hpx"));
}

TEST(ProfilDatei, SavedAndReloadedKeepsSectionsDescriptionsHeightsFlagsAndOrder) {
    Profile p = ProfilAus({Abschnitt({8999, -8999, 0}, 0.25f, "Über den Paß"),
                           Abschnitt({5}, 0.0f, "\t \t"), Abschnitt({}, 0.0f, "leer"),
                           Abschnitt({7, 8}, 1.5f, "Ziel \t am See")});
    p.Abschnitte[0].Punkte[2].Stuetzpunkt = 1;
    p.Abschnitte[3].Markiert = 1;
    p.GlaettungMittelungUeber = 3277;
    p.SteigungMittelungUeber = 12345;

    const Profile q = Lesen(ProfilDateiInhalt(p));
    EXPECT_EQ(q.GlaettungMittelungUeber, 3277);
    EXPECT_EQ(q.SteigungMittelungUeber, 12345);
    ASSERT_EQ(q.AnzahlAbschnitte(), 4);
    const char* beschreibungen[] = {"Über den Paß", "", "leer", "Ziel \t am See"};
    for (int32_t i = 0; i < 4; ++i) {
        const ProfileSection& a = p.Abschnitte[i];
        const ProfileSection& b = q.Abschnitte[i];
        EXPECT_EQ(b.Beschreibung, beschreibungen[i]);
        EXPECT_EQ(b.Markiert, 0);
        ASSERT_EQ(b.Punktanzahl, a.Punktanzahl);
        for (int32_t j = 0; j < a.Punktanzahl; ++j) {
            EXPECT_EQ(b.Punkte[j].Hoehe, a.Punkte[j].Hoehe);
            EXPECT_FLOAT_EQ(b.Punkte[j].Abstand, a.Punkte[j].Abstand);
            EXPECT_EQ(b.Punkte[j].Stuetzpunkt, a.Punkte[j].Stuetzpunkt);
        }
    }
}

// A long route's text is written in two halves on two threads and reads back as one.
TEST(ProfilDatei, ALongRouteReadsBackWhole) {
    const Profile p = Tour(160, MaxPunkte, 0.002f);
    ASSERT_GT(p.Punktanzahl, ParallelAb);
    const Profile q = Lesen(ProfilDateiInhalt(p));
    ASSERT_EQ(q.AnzahlAbschnitte(), p.AnzahlAbschnitte());
    for (int32_t i = 0; i < p.AnzahlAbschnitte(); ++i) {
        const ProfileSection& a = p.Abschnitte[i];
        const ProfileSection& b = q.Abschnitte[i];
        ASSERT_EQ(b.Beschreibung, a.Beschreibung);
        ASSERT_EQ(b.Punktanzahl, a.Punktanzahl);
        for (int32_t j = 0; j < a.Punktanzahl; ++j)
            ASSERT_EQ(b.Punkte[j].Hoehe, a.Punkte[j].Hoehe) << i << ":" << j;
    }
}

// A long file's back half is read on a second thread from a guessed section start. A guess
// that is no section start (every point numbered 0, as an editor may leave them) and faults in
// front of or behind the guess read as on one thread.
TEST(ProfilDatei, ALongFileReadsTheSameOnTwoThreads) {
    const Profile p = Tour(160, MaxPunkte, 0.002f);
    std::string text = ProfilDateiInhalt(p);
    std::vector<size_t> punktZeilen; // where the point lines start
    for (size_t z = 0; z < text.size(); z = text.find('\n', z) + 1)
        if (text.compare(z + 4, 3, " \t ") == 0) punktZeilen.push_back(z);
    std::string nullen = text;
    for (const size_t z : punktZeilen)
        nullen.replace(z, 4, "   0");
    const Profile q = Lesen(nullen);
    ASSERT_EQ(q.AnzahlAbschnitte(), p.AnzahlAbschnitte());
    for (int32_t i = 0; i < p.AnzahlAbschnitte(); ++i)
        ASSERT_EQ(q.Abschnitte[i].Punkte[MaxPunkte - 1].Hoehe,
                  p.Abschnitte[i].Punkte[MaxPunkte - 1].Hoehe);
    for (const size_t anteil : {1, 3}) {
        std::string kaputt = text;
        const size_t z = punktZeilen[punktZeilen.size() * anteil / 4];
        kaputt.replace(z + 4, 3, " \t x");
        int32_t zeile = 0;
        Lesen(kaputt, zeile);
        EXPECT_EQ(zeile, 1 + std::count(text.begin(), text.begin() + z, '\n')) << anteil;
    }
}

TEST(ProfilDatei, ASectionOfExactly446PointsReadsBack) {
    std::vector<int32_t> hoehen(MaxPunkte);
    for (int32_t j = 0; j < MaxPunkte; ++j)
        hoehen[j] = j;
    const Profile q = Lesen(ProfilDateiInhalt(ProfilAus({Abschnitt(hoehen, 0.01f)})));
    ASSERT_EQ(q.AnzahlAbschnitte(), 1);
    ASSERT_EQ(q.Abschnitte[0].Punktanzahl, 446);
    EXPECT_EQ(q.Abschnitte[0].Punkte[445].Hoehe, 445);
}

// Only the placeholder line itself stands for an empty description; a description that merely
// begins with it is a description and comes back whole.
TEST(ProfilDatei, ADescriptionBeginningWithThePlaceholderIsKept) {
    const Profile p = ProfilAus({Abschnitt({1}, 0.0f, "BESCHREIBUNG_LEERE Strasse"),
                                 Abschnitt({2}, 0.0f, "BESCHREIBUNG_LEER2")});
    const Profile q = Lesen(ProfilDateiInhalt(p));
    ASSERT_EQ(q.AnzahlAbschnitte(), 2);
    EXPECT_EQ(q.Abschnitte[0].Beschreibung, "BESCHREIBUNG_LEERE Strasse");
    EXPECT_EQ(q.Abschnitte[1].Beschreibung, "BESCHREIBUNG_LEER2");

    // White space an editor left behind the placeholder, Windows line ends or a stray carriage
    // return keep it a placeholder.
    const std::string datei = Kopf("3") + "BESCHREIBUNG_LEER \t \r\n1\n0 \t 0.0 \t 5 \t 0\n" +
                              "BESCHREIBUNG_LEER\r\n1\n0 \t 0.0 \t 6 \t 0\n" +
                              "BESCHREIBUNG_LEER  \r \t \n1\n0 \t 0.0 \t 7 \t 0\n";
    const Profile r = Lesen(datei);
    ASSERT_EQ(r.AnzahlAbschnitte(), 3);
    for (const ProfileSection& a : r.Abschnitte)
        EXPECT_EQ(a.Beschreibung, "");
}

TEST(ProfilDatei, ReadsTheGoldenFile) {
    int32_t zeile = 0;
    const Profile p = Lesen(Golden("two_sections.hpx"), zeile, 1);
    ASSERT_EQ(p.AnzahlAbschnitte(), 2);
    EXPECT_EQ(p.Abschnitte[0].Beschreibung, "Start");
    EXPECT_EQ(p.Abschnitte[1].Beschreibung, "");
    EXPECT_EQ(p.Abschnitte[0].Punkte[1].Stuetzpunkt, 1);
    EXPECT_FLOAT_EQ(p.Abschnitte[1].Punkte[0].Abstand, 0.052f) << "stored to the metre";
    EXPECT_EQ(p.Abschnitte[1].Punkte[1].Hoehe, -15);
    EXPECT_EQ(p.Abschnitte[0].Markiert, 1);
    EXPECT_EQ(p.Abschnitte[1].Markiert, 1);
}

TEST(ProfilDatei, ManyWideNumbersAndWindowsLineEnds) {
    Profile p;
    for (int i = 0; i < 1000; ++i)
        p.Abschnitte.push_back(Abschnitt({i}, 0.001f));
    std::string text = ProfilDateiInhalt(p);
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const Profile q = Lesen(crlf);
    ASSERT_EQ(q.AnzahlAbschnitte(), 1000);
    EXPECT_EQ(q.Abschnitte[999].Punkte[0].Hoehe, 999);
    EXPECT_EQ(q.Abschnitte[999].Beschreibung, "") << "no carriage return is left over";
}

TEST(ProfilDatei, HeaderLinesInAnyOrderAndMissingValuesKeepTheField) {
    Profile p;
    p.GlaettungMittelungUeber = 77;
    p.SteigungMittelungUeber = 88;
    int32_t zeile = 0;
    const std::string text = "Version \t 2\nleer\nleer\nSteigungGlaetten \t 250\nleer\nleer\n"
                             "leer\nleer\nleer\nleer\nAbschnitte \t 0\n";
    ASSERT_TRUE(ProfilDateiLesen(text, 0, p, zeile));
    EXPECT_EQ(p.GlaettungMittelungUeber, 77);
    EXPECT_EQ(p.SteigungMittelungUeber, 250);
}

TEST(ProfilDatei, DescriptionsLoseLeadingBlanksAndAreCutTo500) {
    const std::string lang(600, 'x');
    const Profile p = Lesen(Kopf("2") + "  zwei Blanks\n1\n0 \t 0.000 \t 5 \t 0\n" + lang +
                            "\n1\n0 \t 0.000 \t 6 \t 0");
    ASSERT_EQ(p.AnzahlAbschnitte(), 2);
    EXPECT_EQ(p.Abschnitte[0].Beschreibung, "zwei Blanks");
    EXPECT_EQ(p.Abschnitte[1].Beschreibung, std::string(500, 'x'));
    EXPECT_EQ(p.Abschnitte[1].Punkte[0].Hoehe, 6) << "a last line without line break counts";
}

TEST(ProfilDatei, FaultsNameTheirLine) {
    struct Fall {
        std::string text;
        int32_t zeile;
    };
    const Fall faelle[] = {
        {"Dies ist\nkeine Profildatei\n", 3},             // breaks off in the header
        {std::string(12, '\n') + "Hallo\n", 13},          // no "Abschnitte" line
        {Kopf("2") + "A\n1\n0 \t 0.000 \t 5 \t 0\n", 15}, // second section missing
        {Kopf("1") + "A\n2\n0 \t 0.000 \t 5 \t 0\n1 \t 0.0 \t hoch \t 0\n", 15},
        {Kopf("1") + "A\n447\n", 13}, // more than 446 points
        {Kopf("1") + "A\n-1\n", 13},
        {Kopf("1") + "A\n1\n0 \t nan \t 5 \t 0\n", 14},
        {Kopf("x"), 11},
    };
    for (const Fall& f : faelle) {
        int32_t zeile = 0;
        Lesen(f.text, zeile);
        EXPECT_EQ(zeile, f.zeile) << f.text;
    }
}

TEST(ProfilDatei, DecimalPointWhateverTheUsersLocale) {
    // A Qt application takes the user's locale, which may write "0,052".
    const char* deutsch = setlocale(LC_NUMERIC, "de_DE.UTF-8");
    if (deutsch == nullptr) GTEST_SKIP() << "no German locale installed";
    const std::string text = ProfilDateiInhalt(ZweiAbschnitte());
    setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(text, Golden("two_sections.hpx"));
}
