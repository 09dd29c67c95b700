#include "editing/transfer.h"

#include "editing/marked_block.h"
#include "editing/section_copy.h"
#include "editing/taking_out.h"
#include "editing_helpers.h"
#include "model/smoothing.h"
#include "support/message_log.h"

#include <gtest/gtest.h>

namespace {

const MeldungsProtokoll::Eintrag kMehrfach{
    "Fehler", "Mehrfachmarkierungen müssen in einem Block ausgeführt sein"};

HoprexDaten Daten(const std::string& gesamt, const std::string& aktuell,
                  const std::string& aktuellMarken, int32_t marke) {
    HoprexDaten d;
    d.Gesamt = Strecke(gesamt);
    d.Aktuell = Strecke(aktuell, aktuellMarken);
    d.Einfuegemarke = marke;
    return d;
}

} // namespace

TEST(MarkierterBlock, FindsOneRunAndRejectsTwo) {
    MeldungsProtokoll m;
    MarkierterBlock b;
    EXPECT_TRUE(MarkierterBlockSuchen(Strecke("ABCDE", "01110"), b, m));
    EXPECT_EQ(b.Erster, 1);
    EXPECT_EQ(b.Letzter, 3);
    EXPECT_EQ(b.Anzahl, 3);

    EXPECT_TRUE(MarkierterBlockSuchen(Strecke("ABC", "001"), b, m));
    EXPECT_EQ(b.Erster, 2);
    EXPECT_EQ(b.Letzter, 2);

    EXPECT_TRUE(MarkierterBlockSuchen(Strecke("ABC"), b, m));
    EXPECT_EQ(b.Anzahl, 0);
    EXPECT_TRUE(m.Eintraege.empty());

    EXPECT_FALSE(MarkierterBlockSuchen(Strecke("ABCD", "1010"), b, m));
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0], kMehrfach);
}

TEST(SectionCopy, CarriesPrimaryDataOnlyAndClearsMark) {
    Profile p = Strecke("AB", "11");
    ProfileSection& a = p.Abschnitte[0];
    a.Punkte[1].Stuetzpunkt = 1;
    a.Punkte[1].HoeheGeglaettet = 777;
    a.HoehenmeterPlusGeglaettet = 55;
    StatistikUngeglaettet(p);
    p.Abschnitte[1].Punkte[0].HoeheGeglaettet = 5;

    AbschnittKopieren(p, 0, 1);
    const ProfileSection& b = p.Abschnitte[1];
    EXPECT_EQ(b.Beschreibung, "A");
    EXPECT_EQ(b.Punktanzahl, 3);
    EXPECT_EQ(b.Punkte[1].Stuetzpunkt, 1);
    EXPECT_FLOAT_EQ(b.Punkte[1].Abstand, 0.05f);
    EXPECT_EQ(b.HoehenmeterPlus, 30);
    EXPECT_FLOAT_EQ(b.Strecke, a.Strecke);
    EXPECT_EQ(b.Punkte[0].HoeheGeglaettet, 5) << "smoothed heights are not carried";
    EXPECT_EQ(b.Punkte[1].HoeheGeglaettet, 0);
    EXPECT_EQ(b.HoehenmeterPlusGeglaettet, 0);
    EXPECT_EQ(b.Markiert, 0);
    EXPECT_EQ(a.Markiert, 1) << "the source stays as it was";
}

TEST(Transfer, InsertsTheMarkedBlockAtTheMark) {
    struct Fall {
        std::string gesamt, aktuell, marken;
        int32_t marke;
        std::string ergebnis, ergebnisMarken;
        int32_t neueMarke;
    };
    const Fall faelle[] = {
        {"", "WXYZ", "0110", 0, "XY", "11", 2},
        {"ABC", "XY", "11", 0, "XYABC", "11000", 2},
        {"ABC", "XY", "11", 3, "ABCXY", "00011", 5},
        {"ABC", "XY", "11", 1, "AXYBC", "01100", 3},
    };
    for (const Fall& f : faelle) {
        HoprexDaten d = Daten(f.gesamt, f.aktuell, f.marken, f.marke);
        MeldungsProtokoll m;
        EXPECT_TRUE(WerteUebernehmen(d, m)) << f.ergebnis;
        EXPECT_EQ(Namen(d.Gesamt), f.ergebnis);
        EXPECT_EQ(Marken(d.Gesamt), f.ergebnisMarken) << f.ergebnis;
        EXPECT_EQ(d.Einfuegemarke, f.neueMarke) << f.ergebnis;
        EXPECT_EQ(Marken(d.Aktuell), f.marken) << "the current profile keeps its marks";
        EXPECT_TRUE(m.Eintraege.empty());
    }
}

TEST(Transfer, TheInsertedRunTakenOutLeavesTheRouteAsItWas) {
    HoprexDaten d = Daten("ABC", "WXYZ", "0110", 7);
    MeldungsProtokoll m;
    const std::optional<MarkierterBlock> block = UebertragungsBlock(d, m);
    ASSERT_TRUE(block);
    EXPECT_EQ(BlockUebernehmen(d, *block), 3) << "a mark beyond the end inserts at the end";
    EXPECT_EQ(Namen(d.Gesamt), "ABCXY");
    AbschnitteEntfernen(d.Gesamt, 3, block->Anzahl);
    EXPECT_EQ(Namen(d.Gesamt), "ABC");

    d.Einfuegemarke = 1;
    EXPECT_EQ(BlockUebernehmen(d, *block), 1);
    EXPECT_EQ(Namen(d.Gesamt), "AXYBC");
    AbschnitteEntfernen(d.Gesamt, 1, block->Anzahl);
    EXPECT_EQ(Namen(d.Gesamt), "ABC");
}

TEST(Transfer, TwiceInARowPutsTheSecondCopyBehindTheFirst) {
    HoprexDaten d = Daten("A", "X", "1", 1);
    MeldungsProtokoll m;
    WerteUebernehmen(d, m);
    d.Aktuell.Abschnitte[0].Beschreibung = "Y";
    WerteUebernehmen(d, m);
    EXPECT_EQ(Namen(d.Gesamt), "AXY");
    EXPECT_EQ(Marken(d.Gesamt), "001");
    EXPECT_EQ(d.Einfuegemarke, 3);
}

TEST(Transfer, RefusesWithoutChangingAnything) {
    MeldungsProtokoll m;
    HoprexDaten zweiBloecke = Daten("AB", "XYZ", "101", 1);
    zweiBloecke.Gesamt.Abschnitte[0].Markiert = 1;
    EXPECT_FALSE(WerteUebernehmen(zweiBloecke, m));
    EXPECT_EQ(Namen(zweiBloecke.Gesamt), "AB");
    EXPECT_EQ(Marken(zweiBloecke.Gesamt), "10");
    EXPECT_EQ(zweiBloecke.Einfuegemarke, 1);
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0], kMehrfach);

    HoprexDaten nichtsMarkiert = Daten("AB", "XYZ", "000", 1);
    HoprexDaten leer = Daten("AB", "", "", 1);
    EXPECT_FALSE(WerteUebernehmen(nichtsMarkiert, m));
    EXPECT_FALSE(WerteUebernehmen(leer, m));
    EXPECT_EQ(Namen(nichtsMarkiert.Gesamt), "AB");
    EXPECT_EQ(m.Eintraege.size(), 1u) << "nothing to transfer is no error";
}

TEST(Transfer, RefreshChainShiftsPositionsBehindTheInsertedBlock) {
    HoprexDaten d = Daten("AB", "X", "1", 1);
    d.Aktuell.Abschnitte[0].Punkte[2].Abstand = 1.0f;
    GesamtNeuBerechnen(d.Gesamt, 450, 100);
    const float vorher = d.Gesamt.Abschnitte[1].Punkte[2].Strecke;
    MeldungsProtokoll m;
    ASSERT_TRUE(WerteUebernehmen(d, m));
    GesamtNeuBerechnen(d.Gesamt, 450, 100);
    EXPECT_FLOAT_EQ(d.Gesamt.Abschnitte[2].Punkte[2].Strecke, vorher + 1.05f);
    EXPECT_EQ(d.Gesamt.Abschnitte[1].Beschreibung, "X");
    EXPECT_EQ(d.Gesamt.Punktanzahl, 9);
}

// The overall profile holds at most MaxAbschnitte sections: a block that would not fit is not
// transferred in part, it is refused with a message.
TEST(Transfer, StopsAtTheMostSectionsAProfileHolds) {
    HoprexDaten d = Daten("", "XY", "11", 0);
    d.Gesamt.Abschnitte.resize(MaxAbschnitte - 1);
    d.Gesamt.Abschnitte.back().Markiert = 1;
    MeldungsProtokoll m;
    EXPECT_FALSE(WerteUebernehmen(d, m));
    EXPECT_EQ(m.Eintraege, (std::vector<MeldungsProtokoll::Eintrag>{
                               {"Fehler", "Der Höhenverlauf kann höchstens 10000 Abschnitte "
                                          "aufnehmen"}}));
    EXPECT_EQ(d.Gesamt.AnzahlAbschnitte(), MaxAbschnitte - 1);
    EXPECT_EQ(d.Gesamt.Abschnitte.back().Markiert, 1);
    EXPECT_EQ(d.Einfuegemarke, 0);

    d.Aktuell.Abschnitte[1].Markiert = 0;
    EXPECT_TRUE(WerteUebernehmen(d, m));
    EXPECT_EQ(d.Gesamt.AnzahlAbschnitte(), MaxAbschnitte);
    EXPECT_EQ(d.Gesamt.Abschnitte[0].Beschreibung, "X");
    EXPECT_EQ(m.Eintraege.size(), 1u);
}
