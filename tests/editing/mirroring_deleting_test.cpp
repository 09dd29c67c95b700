#include "editing/deleting.h"
#include "editing/mirroring.h"

#include "editing_helpers.h"
#include "model/smoothing.h"
#include "support/message_log.h"

#include <gtest/gtest.h>

TEST(PunkteUmkehren, EachPointKeepsItsOwnStep) {
    ProfileSection a = Abschnitt({100, 150, 120}, {0.0f, 0.05f, 0.03f});
    a.Punkte[0].Stuetzpunkt = 1;
    PunkteUmkehren(a);
    EXPECT_EQ(a.Punkte[0].Hoehe, 120);
    EXPECT_EQ(a.Punkte[1].Hoehe, 150);
    EXPECT_EQ(a.Punkte[2].Hoehe, 100);
    EXPECT_FLOAT_EQ(a.Punkte[0].Abstand, 0.03f);
    EXPECT_FLOAT_EQ(a.Punkte[1].Abstand, 0.05f);
    EXPECT_FLOAT_EQ(a.Punkte[2].Abstand, 0.0f);
    EXPECT_EQ(a.Punkte[2].Stuetzpunkt, 1);
}

namespace {

// "Spiegeln" as the window runs it: the marked block, if it is one, mirrored.
bool Spiegeln(Profile& p, Meldungen& m) {
    MarkierterBlock block;
    if (!MarkierterBlockSuchen(p, block, m)) return false;
    if (block.Anzahl > 0) BlockSpiegeln(p, block);
    return true;
}

} // namespace

TEST(BlockSpiegeln, ReversesTheBlockAndItsSections) {
    struct Fall {
        std::string namen, marken, ergebnis;
    };
    const Fall faelle[] = {
        {"ABCD", "0110", "AC'B'D"},
        {"ABCD", "0010", "ABC'D"},
        {"ABCDE", "01110", "AD'C'B'E"},
        {"ABCD", "0000", "ABCD"},
    };
    for (const Fall& f : faelle) {
        Profile p = Strecke(f.namen, f.marken);
        GesamtNeuBerechnen(p, 450, 100);
        const float laenge = p.Strecke;
        MeldungsProtokoll m;
        EXPECT_TRUE(Spiegeln(p, m));
        GesamtNeuBerechnen(p, 450, 100);
        EXPECT_EQ(Namen(p), f.ergebnis);
        EXPECT_EQ(Marken(p), f.marken) << "the mirrored block stays marked";
        EXPECT_FLOAT_EQ(p.Strecke, laenge);
    }
}

TEST(BlockSpiegeln, TwiceRestoresTheRoute) {
    Profile p = Strecke("ABC", "011");
    p.Abschnitte[1].Punkte[2].Stuetzpunkt = 1;
    MeldungsProtokoll m;
    Spiegeln(p, m);
    Spiegeln(p, m);
    EXPECT_EQ(Namen(p), "ABC");
    EXPECT_EQ(p.Abschnitte[1].Punkte[2].Stuetzpunkt, 1);
    EXPECT_FLOAT_EQ(p.Abschnitte[1].Punkte[1].Abstand, 0.05f);
}

TEST(BlockSpiegeln, TwoBlocksAreRefusedBeforeIt) {
    Profile p = Strecke("ABCD", "1010");
    MeldungsProtokoll m;
    EXPECT_FALSE(Spiegeln(p, m));
    EXPECT_EQ(Namen(p), "ABCD");
    EXPECT_EQ(m.Eintraege.size(), 1u);
}

TEST(GesamtWerteLoeschen, DropsMarkedSectionsAndPullsTheMarkBack) {
    struct Fall {
        std::string marken;
        int32_t marke;
        std::string ergebnis;
        int32_t neueMarke;
    };
    // Deleted sections behind the mark count too ("00011").
    const Fall faelle[] = {
        {"01010", 4, "ACE", 2},   {"00011", 1, "ABC", 0},  {"11111", 3, "", 0},
        {"00000", 3, "ABCDE", 3}, {"10000", 5, "BCDE", 4},
    };
    for (const Fall& f : faelle) {
        HoprexDaten d;
        d.Gesamt = Strecke("ABCDE", f.marken);
        d.Einfuegemarke = f.marke;
        std::vector<EntnommenerAbschnitt> geloescht = GesamtWerteLoeschen(d);
        EXPECT_EQ(Namen(d.Gesamt), f.ergebnis) << f.marken;
        EXPECT_EQ(d.Einfuegemarke, f.neueMarke) << f.marken;
        EXPECT_EQ(Marken(d.Gesamt), std::string(f.ergebnis.size(), '0'));

        // Put back, each deleted section stands where it stood.
        AbschnitteZuruecklegen(d.Gesamt, geloescht);
        EXPECT_EQ(Namen(d.Gesamt), "ABCDE") << f.marken;
        EXPECT_TRUE(geloescht.empty());
    }
}
