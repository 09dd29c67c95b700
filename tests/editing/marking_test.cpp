#include "editing/marking.h"

#include "editing_helpers.h"

#include <gtest/gtest.h>

namespace {

Profile Abschnitte(int anzahl) {
    return Strecke(std::string(static_cast<size_t>(anzahl), 'A'));
}

std::vector<int> Markiert(const Profile& p) {
    std::vector<int> m;
    for (int i = 0; i < p.AnzahlAbschnitte(); ++i)
        if (p.Abschnitte[i].Markiert) m.push_back(i);
    return m;
}

TEST(MarkierenMausDruck, PlainPressMarksOnlyThatSectionAndMakesItTheAnchor) {
    Profile p = Abschnitte(5);
    p.Abschnitte[0].Markiert = 1;
    p.Abschnitte[4].Markiert = 1;
    EXPECT_TRUE(MarkierenMausDruck(p, 2, false, false));
    EXPECT_EQ(Markiert(p), std::vector<int>{2});
    EXPECT_EQ(p.Anker, 2);
}

TEST(MarkierenMausDruck, ShiftMarksTheRangeFromTheAnchorAndKeepsIt) {
    Profile p = Abschnitte(5);
    p.Anker = 3;
    p.Abschnitte[0].Markiert = 1;
    p.Abschnitte[4].Markiert = 1;
    EXPECT_TRUE(MarkierenMausDruck(p, 1, true, false));
    EXPECT_EQ(Markiert(p), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(p.Anker, 3);

    // An anchor left over from a longer profile reaches only as far as sections exist.
    Profile einer = Abschnitte(1);
    einer.Anker = 4;
    EXPECT_TRUE(MarkierenMausDruck(einer, 0, true, false));
    EXPECT_EQ(Markiert(einer), std::vector<int>{0});
}

TEST(MarkierenMausDruck, CtrlInvertsOneSectionAndMovesTheAnchor) {
    Profile p = Abschnitte(4);
    p.Abschnitte[1].Markiert = 1;
    p.Abschnitte[2].Markiert = 1;
    EXPECT_TRUE(MarkierenMausDruck(p, 2, false, true));
    EXPECT_EQ(Markiert(p), std::vector<int>{1});
    EXPECT_EQ(p.Anker, 2);
    EXPECT_TRUE(MarkierenMausDruck(p, 3, true, true)); // Ctrl wins over Shift
    EXPECT_EQ(Markiert(p), (std::vector<int>{1, 3}));
    EXPECT_EQ(p.Anker, 3);
}

TEST(MarkierenMausDruck, NoSectionUnderThePointerChangesNothing) {
    Profile leer;
    EXPECT_FALSE(MarkierenMausDruck(leer, -1, false, false));
    Profile p = Abschnitte(2);
    p.Abschnitte[0].Markiert = 1;
    p.Anker = 0;
    EXPECT_FALSE(MarkierenMausDruck(p, -1, false, false));
    EXPECT_EQ(Markiert(p), std::vector<int>{0});
    EXPECT_EQ(p.Anker, 0);
}

TEST(MarkierenMausZug, MarksTheRangeFromTheAnchorWhenTheSectionUnderThePointerChanges) {
    Profile p = Abschnitte(5);
    int32_t letzter = 0; // as at program start
    // A Ctrl press clears section 2; dragging on to section 3 marks 2 and 3 only.
    p.Abschnitte[2].Markiert = 1;
    p.Abschnitte[0].Markiert = 1;
    MarkierenMausDruck(p, 2, false, true);
    EXPECT_TRUE(MarkierenMausZug(p, 3, letzter));
    EXPECT_EQ(Markiert(p), (std::vector<int>{2, 3}));
    EXPECT_EQ(letzter, 3);
    // Within the same section nothing happens; back left of the anchor the range turns round.
    EXPECT_FALSE(MarkierenMausZug(p, 3, letzter));
    EXPECT_TRUE(MarkierenMausZug(p, 0, letzter));
    EXPECT_EQ(Markiert(p), (std::vector<int>{0, 1, 2}));
    // Beyond the end: nothing, and the last section stays.
    EXPECT_FALSE(MarkierenMausZug(p, -1, letzter));
    EXPECT_EQ(letzter, 0);
    EXPECT_EQ(Markiert(p), (std::vector<int>{0, 1, 2}));
}

TEST(MarkierenMausZug, AtStartACtrlPressOnSectionZeroSurvivesMovesWithinIt) {
    Profile p = Abschnitte(3);
    p.Abschnitte[0].Markiert = 1;
    int32_t letzter = 0;
    MarkierenMausDruck(p, 0, false, true);
    EXPECT_TRUE(Markiert(p).empty());
    EXPECT_FALSE(MarkierenMausZug(p, 0, letzter));
    EXPECT_TRUE(Markiert(p).empty());
    Profile leer;
    EXPECT_FALSE(MarkierenMausZug(leer, 1, letzter)); // no such section
}

TEST(MarkierungAusAuswahl, FollowsTheListLines) {
    Profile p = Strecke("ABCD", "1100");
    MarkierungAusAuswahl(p, {false, true, true});
    EXPECT_EQ(Marken(p), "0110") << "a section without a list line is unmarked";
}

TEST(Markierungsstand, PutsMarksAnchorAndInsertionMarkBack) {
    HoprexDaten d;
    d.Gesamt = Strecke("ABCD", "0110");
    d.Gesamt.Anker = 2;
    d.Einfuegemarke = 3;
    const Markierungsstand stand = MarkierungsstandLesen(d);
    EXPECT_TRUE(MarkierteVorhanden(d.Gesamt));

    MarkierenMausDruck(d.Gesamt, 0, false, false);
    d.Einfuegemarke = 0;
    EXPECT_EQ(Marken(d.Gesamt), "1000");
    MarkierungsstandSetzen(d, stand);
    EXPECT_EQ(Marken(d.Gesamt), "0110");
    EXPECT_EQ(d.Gesamt.Anker, 2);
    EXPECT_EQ(d.Einfuegemarke, 3);

    EXPECT_FALSE(MarkierteVorhanden(Strecke("AB")));
}

TEST(ListenAuswahl, SelectsExactlyTheMarkedLines) {
    Profile p = Abschnitte(3);
    p.Abschnitte[1].Markiert = 1;
    EXPECT_EQ(ListenAuswahl(p), (std::vector<bool>{false, true, false}));
    EXPECT_TRUE(ListenAuswahl(Profile{}).empty());
}

} // namespace
