#include "editing/moving.h"

#include "editing_helpers.h"
#include "support/message_log.h"

#include <gtest/gtest.h>

TEST(Einfuegemarke, StaysWithinTheSections) {
    HoprexDaten d;
    for (Richtung r :
         {Richtung::GanzLinks, Richtung::Links, Richtung::Rechts, Richtung::GanzRechts}) {
        EinfuegemarkeVerschieben(d, r);
        EXPECT_EQ(d.Einfuegemarke, 0) << "an empty profile has only the gap 0";
    }

    d.Gesamt = Strecke("ABC");
    d.Einfuegemarke = 3;
    EinfuegemarkeVerschieben(d, Richtung::Rechts);
    EXPECT_EQ(d.Einfuegemarke, 3);
    EinfuegemarkeVerschieben(d, Richtung::Links);
    EXPECT_EQ(d.Einfuegemarke, 2);
    EinfuegemarkeVerschieben(d, Richtung::GanzLinks);
    EXPECT_EQ(d.Einfuegemarke, 0);
    EinfuegemarkeVerschieben(d, Richtung::Links);
    EXPECT_EQ(d.Einfuegemarke, 0);
    EinfuegemarkeVerschieben(d, Richtung::GanzRechts);
    EXPECT_EQ(d.Einfuegemarke, 3);
    d.Einfuegemarke = 1;
    EinfuegemarkeVerschieben(d, Richtung::Rechts);
    EXPECT_EQ(d.Einfuegemarke, 2);
    EinfuegemarkeVerschieben(d, Richtung::Rechts);
    EXPECT_EQ(d.Einfuegemarke, 3);
}

TEST(BlockVerschieben, MovesTheBlockAndKeepsItMarkedAndTheReverseMoveUndoesIt) {
    struct Fall {
        std::string namen, marken;
        Richtung richtung;
        std::string ergebnis, ergebnisMarken;
    };
    const Fall faelle[] = {
        {"ABCD", "0010", Richtung::Links, "ACBD", "0100"},
        {"ABCD", "0010", Richtung::Rechts, "ABDC", "0001"},
        {"ABCDE", "01100", Richtung::GanzRechts, "ADEBC", "00011"},
        {"ABCDE", "01100", Richtung::GanzLinks, "BCADE", "11000"},
        {"ABCDE", "00011", Richtung::GanzLinks, "DEABC", "11000"},
        // Sections passed and block sizes with a common divisor: the rotation runs in cycles.
        {"ABCDEFG", "0111000", Richtung::GanzRechts, "AEFGBCD", "0000111"},
        {"ABCDEFGHI", "000000111", Richtung::GanzLinks, "GHIABCDEF", "111000000"},
        {"ABCD", "1100", Richtung::Links, "ABCD", "1100"},
        {"ABCD", "0011", Richtung::Rechts, "ABCD", "0011"},
        {"ABCD", "1111", Richtung::GanzRechts, "ABCD", "1111"},
    };
    for (const Fall& f : faelle) {
        Profile p = Strecke(f.namen, f.marken);
        const Profile vorher = p;
        MeldungsProtokoll m;
        const std::optional<Verschiebung> v = VerschiebungPlanen(p, f.richtung, m);
        ASSERT_TRUE(v) << f.ergebnis;
        BlockVerschieben(p, *v);
        EXPECT_EQ(Namen(p), f.ergebnis);
        EXPECT_EQ(Marken(p), f.ergebnisMarken) << f.ergebnis;
        EXPECT_TRUE(m.Eintraege.empty());
        // The reverse move gives the order back; the block is marked at its old place.
        BlockVerschieben(p, Umkehrung(*v));
        EXPECT_EQ(Namen(p), f.namen);
        EXPECT_EQ(Marken(p), f.marken);
    }
}

TEST(VerschiebungPlanen, RefusesTwoBlocksAndPlansNothingWithoutMarks) {
    MeldungsProtokoll m;
    Profile zwei = Strecke("ABCD", "1010");
    EXPECT_FALSE(VerschiebungPlanen(zwei, Richtung::GanzRechts, m));
    EXPECT_EQ(m.Eintraege.size(), 1u);

    Profile ohne = Strecke("ABCD");
    EXPECT_FALSE(VerschiebungPlanen(ohne, Richtung::Rechts, m));
    EXPECT_EQ(m.Eintraege.size(), 1u);

    Profile p = Strecke("ABCD", "0100");
    BlockVerschieben(p, {1, 1, 3});
    EXPECT_EQ(p.AnzahlAbschnitte(), 4) << "the spare slot is never left behind";
}
