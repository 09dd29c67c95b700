#include "display/overall_graph.h"

#include "graph_pixels.h"
#include "support/profile_builder.h"

#include <gtest/gtest.h>

namespace {

const QColor Hintergrund(255, 255, 204);
const QColor Band(255, 255, 0);
const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Blau(0, 0, 255);

// The window's data with an overall profile of `abschnitte` whose smoothed heights equal the
// plain ones, after a statistics pass; automatic scale, smoothing as given, strip full scale 30 %.
HoprexDaten MitGesamt(std::vector<ProfileSection> abschnitte, bool glatt) {
    HoprexDaten d;
    d.Gesamt = ProfilAus(std::move(abschnitte));
    for (ProfileSection& a : d.Gesamt.Abschnitte)
        for (ProfilePoint& p : a.Punkte)
            p.HoeheGeglaettet = p.Hoehe;
    Statistik(d.Gesamt);
    d.Gesamt.GlaettungEinAus = glatt;
    d.Gesamt.SteigungMax = 30;
    return d;
}

// One flat section at 500 m whose points lie on columns 100, 200, 300 and 409 (409 km on 409
// columns) with gradients of 15 %, -15 %, 0.4 % and 0 %.
HoprexDaten MitSteigungen(bool glatt) {
    HoprexDaten d =
        MitGesamt({Abschnitt({500, 500, 500, 500}, {100.0f, 100.0f, 100.0f, 109.0f})}, glatt);
    const float steigungen[] = {15.0f, -15.0f, 0.4f, 0.0f};
    for (int j = 0; j < 4; ++j)
        d.Gesamt.Abschnitte[0].Punkte[j].Steigung = steigungen[j];
    return d;
}

bool NurFarben(const QImage& bild, std::initializer_list<QColor> farben) {
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (std::find(farben.begin(), farben.end(), bild.pixelColor(x, y)) == farben.end())
                return false;
    return true;
}

TEST(GraphGesamt, EmptyProfileDrawsOnlyTheBackgrounds) {
    HoprexDaten d;
    d.Einfuegemarke = 0;
    const GesamtBilder bilder = GraphGesamtBilder(d);
    ASSERT_EQ(bilder.Graph.size(), QSize(409, 141));
    ASSERT_EQ(bilder.Streifen.size(), QSize(409, 60));
    EXPECT_EQ(Anzahl(bilder.Graph, Hintergrund), 407 * 139);
    EXPECT_TRUE(NurFarben(bilder.Graph, {Hintergrund, Schwarz}));
    // The strip's frame is open at the bottom: its background reaches 10 rows further down.
    EXPECT_EQ(Anzahl(bilder.Streifen, Hintergrund), 407 * 59);
    EXPECT_TRUE(NurFarben(bilder.Streifen, {Hintergrund, Schwarz}));
    EXPECT_TRUE(bilder.SteigungNurBeiSichtbar);
    d.Gesamt.GlaettungEinAus = true;
    EXPECT_FALSE(GraphGesamtBilder(d).SteigungNurBeiSichtbar);
}

TEST(GraphGesamt, GradientBarsRiseFromTheBottomRedForAscentsBlueOtherwise) {
    const GesamtBilder bilder = GraphGesamtBilder(MitSteigungen(true));
    // 15 % of 30 % on 60 rows: a bar of 30 from row 60, just below the strip, up to row 31.
    EXPECT_EQ(ZeilenMit(bilder.Streifen, 100, Rot), Zeilen(31, 59));
    EXPECT_EQ(ZeilenMit(bilder.Streifen, 200, Blau), Zeilen(31, 59));
    EXPECT_TRUE(ZeilenMit(bilder.Streifen, 200, Rot).empty());
    // 0.4 % truncates to no bar at all.
    EXPECT_TRUE(ZeilenMit(bilder.Streifen, 300, Rot).empty());
    EXPECT_TRUE(ZeilenMit(bilder.Streifen, 300, Blau).empty());
    EXPECT_FALSE(bilder.SteigungNurBeiSichtbar);
}

TEST(GraphGesamt, StripGridAtEveryTenPercentBelowTheFullScale) {
    HoprexDaten d = MitSteigungen(true);
    EXPECT_EQ(ZeilenMit(GraphGesamtBilder(d).Streifen, 50, Schwarz), (std::vector<int>{0, 20, 40}));
    d.Gesamt.SteigungMax = 10; // only the line just below the strip
    EXPECT_EQ(ZeilenMit(GraphGesamtBilder(d).Streifen, 50, Schwarz), std::vector<int>{0});
    d.Gesamt.SteigungMax = 0; // no full scale: neither grid nor bars
    const QImage streifen = GraphGesamtBilder(d).Streifen;
    EXPECT_EQ(ZeilenMit(streifen, 50, Schwarz), std::vector<int>{0});
    EXPECT_TRUE(NurFarben(streifen, {Hintergrund, Schwarz}));
}

TEST(GraphGesamt, SmoothedLineIsBluePlainLineBlack) {
    // Flat at 500 m on its own scale: the middle row, 70.
    EXPECT_EQ(ZeilenMit(GraphGesamtBilder(MitSteigungen(true)).Graph, 150, Blau),
              std::vector<int>{70});
    const QImage schwarz = GraphGesamtBilder(MitSteigungen(false)).Graph;
    EXPECT_EQ(ZeilenMit(schwarz, 150, Schwarz), (std::vector<int>{0, 70, 140}));
    EXPECT_EQ(Anzahl(schwarz, Blau), 0);
}

TEST(GraphGesamt, SmoothedLineUsesThePlainHeightScale) {
    HoprexDaten d = MitGesamt({Abschnitt({100, 1100, 1100}, 1.0f)}, true);
    for (ProfilePoint& p : d.Gesamt.Abschnitte[0].Punkte)
        p.HoeheGeglaettet = 600;
    // Half way up the scale of 100 to 1100 m: row 136 - trunc(500 * 131 / 1000) = 71.
    EXPECT_EQ(ZeilenMit(GraphGesamtBilder(d).Graph, 200, Blau), std::vector<int>{71});
}

TEST(GraphGesamt, WithoutSmoothingTheStripShowsOnlyBackgroundAndMarkedBands) {
    HoprexDaten d = MitGesamt({Abschnitt({500, 600}, 1.0f), Abschnitt({600, 400}, 1.0f)}, false);
    d.Gesamt.SteigungMax = 30;
    d.Gesamt.Abschnitte[1].Markiert = 1;
    for (ProfileSection& a : d.Gesamt.Abschnitte)
        for (ProfilePoint& p : a.Punkte)
            p.Steigung = 20.0f;
    const GesamtBilder bilder = GraphGesamtBilder(d);
    EXPECT_TRUE(bilder.SteigungNurBeiSichtbar);
    EXPECT_TRUE(NurFarben(bilder.Streifen, {Hintergrund, Band, Schwarz}));
    // The band of the second section from its first column, 204, to the right edge.
    EXPECT_EQ(Farbe(bilder.Streifen, 203, 30), Hintergrund);
    EXPECT_EQ(Farbe(bilder.Streifen, 205, 30), Band);
    EXPECT_EQ(Farbe(bilder.Graph, 205, 30), Band);
    EXPECT_EQ(ZeilenMit(bilder.Streifen, 300, Schwarz), (std::vector<int>{0, 59}));
}

TEST(GraphGesamt, SectionSeparatorsInGraphAndWithSmoothingInStrip) {
    HoprexDaten d = MitGesamt({Abschnitt({500, 600}, 1.0f), Abschnitt({600, 400}, 1.0f)}, true);
    const GesamtBilder glatt = GraphGesamtBilder(d);
    // The next section's line starts on the separator, at the height where the last one ended.
    std::vector<int> trenner = Zeilen(0, 140);
    trenner.erase(trenner.begin() + 5);
    EXPECT_EQ(ZeilenMit(glatt.Graph, 204, Schwarz), trenner);
    EXPECT_EQ(ZeilenMit(glatt.Graph, 204, Blau), std::vector<int>{5});
    EXPECT_EQ(ZeilenMit(glatt.Streifen, 204, Schwarz), Zeilen(0, 59));
    d.Gesamt.GlaettungEinAus = false;
    EXPECT_EQ(ZeilenMit(GraphGesamtBilder(d).Streifen, 204, Schwarz), std::vector<int>{0});
}

TEST(GraphGesamt, InsertionMarkTipOverTheGapBeforeItsSection) {
    // Sections of 1, 3 and 4 km; the gap before the third lies at 4 of 8 km:
    // trunc(409 * 4 / 8) = 204.
    HoprexDaten d = MitGesamt({Abschnitt({500, 500}, 0.5f), Abschnitt({500, 500, 500}, 1.0f),
                               Abschnitt({500, 500, 500, 500}, 1.0f)},
                              false);
    d.Einfuegemarke = 2;
    const QImage graph = GraphGesamtBilder(d).Graph;
    EXPECT_EQ(Farbe(graph, 204, 15), Schwarz);
    EXPECT_EQ(SpaltenMit(graph, 14, Rot), std::vector<int>{204});
    EXPECT_EQ(SpaltenMit(graph, 15, Rot), std::vector<int>{});
    EXPECT_EQ(SpaltenMit(graph, 1, Rot).front(), 198);
    EXPECT_EQ(SpaltenMit(graph, 1, Rot).back(), 210);

    d.Einfuegemarke = 0; // half visible on the left edge
    const QImage links = GraphGesamtBilder(d).Graph;
    EXPECT_EQ(Farbe(links, 0, 15), Schwarz);
    EXPECT_EQ(SpaltenMit(links, 1, Rot), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    d.Einfuegemarke = 3; // and on the right edge
    EXPECT_EQ(SpaltenMit(GraphGesamtBilder(d).Graph, 1, Rot).front(), 403);
}

} // namespace
