#include "evaluation/curve_tracing.h"
#include "support/message_log.h"

#include <gtest/gtest.h>
#include <map>

namespace {

// A binarised screenshot whose graph holds one pixel per column at `zeile`, except the
// columns listed in `besonders` (KeineZeile leaves a column empty).
constexpr int32_t Leer = -1;

TAuswertung Graph(const TLayout& l, int32_t zeile, const std::map<int32_t, int32_t>& besonders) {
    TAuswertung a;
    a.Bitmap = TBitmap(l.Breite, l.Hoehe, Weiss);
    for (int32_t x = l.SpalteErste; x <= l.SpalteLetzte; ++x) {
        const auto it = besonders.find(x);
        const int32_t y = it == besonders.end() ? zeile : it->second;
        if (y != Leer) a.Bitmap.PixelSetzen(x, y, Schwarz);
    }
    return a;
}

void Verfolgen(TAuswertung& a, const TLayout& l) {
    MeldungsProtokoll m;
    KurveVerduennen(a, l);
    ASSERT_EQ(KurveVerfolgen(a, l, m), 0);
    EXPECT_TRUE(m.Eintraege.empty());
}

int32_t Y(const TAuswertung& a, int32_t x) {
    return a.KurveY[static_cast<size_t>(x)];
}

} // namespace

TEST(KurveVerduennen, ARunKeepsItsMiddleRowRoundingUpTheScreen) {
    TAuswertung a = Graph(Layout2, 150, {{200, Leer}, {300, Leer}});
    for (int32_t y = 100; y <= 104; ++y)
        a.Bitmap.PixelSetzen(200, y, Schwarz);
    for (int32_t y = 100; y <= 103; ++y)
        a.Bitmap.PixelSetzen(300, y, Schwarz);
    a.Bitmap.PixelSetzen(400, 90, Schwarz); // a stray pixel above the curve
    KurveVerduennen(a, Layout2);
    for (int32_t y = 85; y <= 219; ++y) {
        EXPECT_EQ(IstSchwarz(a.Bitmap.Pixel(200, y)), y == 102) << y;
        EXPECT_EQ(IstSchwarz(a.Bitmap.Pixel(300, y)), y == 101) << y;
        EXPECT_EQ(IstSchwarz(a.Bitmap.Pixel(400, y)), y == 120) << y;
    }
    EXPECT_EQ(a.Lueckenspalten.Anzahl, 0);
}

TEST(KurveVerfolgen, GapsAreFilledTowardsTheNextCurvePixelLeftToRight) {
    TAuswertung a = Graph(Layout2, 150,
                          {{200, 120},
                           {201, Leer},
                           {202, 130}, // one gap
                           {300, 100},
                           {301, Leer},
                           {302, Leer},
                           {303, Leer},
                           {304, 140},
                           {400, 130},
                           {401, Leer},
                           {402, 121}}); // falling on screen: truncates
    Verfolgen(a, Layout2);
    EXPECT_EQ(std::vector<int32_t>(a.Lueckenspalten.begin(), a.Lueckenspalten.end()),
              (std::vector<int32_t>{201, 301, 302, 303, 401}));
    EXPECT_EQ(Y(a, 201), 125);
    EXPECT_EQ(Y(a, 301), 110);
    EXPECT_EQ(Y(a, 302), 120);
    EXPECT_EQ(Y(a, 303), 130);
    EXPECT_EQ(Y(a, 401), 126);
    EXPECT_EQ(a.KurveYOben, 100);
    EXPECT_EQ(a.KurveYUnten, 150);
    // The fills are in the bitmap too, one pixel per column.
    EXPECT_TRUE(IstSchwarz(a.Bitmap.Pixel(302, 120)));
}

TEST(KurveVerfolgen, GapsAtTheEdgesContinueTheNearestCurvePixel) {
    for (const TLayout* l : {&Layout1, &Layout2}) {
        const int32_t x0 = l->SpalteErste, x1 = l->SpalteLetzte;
        TAuswertung a =
            Graph(*l, 150, {{x0, Leer}, {x0 + 1, Leer}, {x0 + 2, 100}, {x1 - 1, 170}, {x1, Leer}});
        Verfolgen(a, *l);
        EXPECT_EQ(Y(a, x0), 100);
        EXPECT_EQ(Y(a, x0 + 1), 100); // from 100 towards 100
        EXPECT_EQ(Y(a, x1), 170);
        EXPECT_EQ(a.Lueckenspalten.Anzahl, 3) << "layout " << l->Kennung;

        // An empty column right before the last is filled halfway towards the last.
        TAuswertung b = Graph(*l, 150, {{x1 - 1, Leer}, {x1, 170}});
        Verfolgen(b, *l);
        EXPECT_EQ(Y(b, x1 - 1), 160) << "layout " << l->Kennung;
    }
}

TEST(KurveVerfolgen, AGapWhoseLeftNeighbourIsEmptyTakesTheRowToItsRight) {
    // Only the second of two empty columns is listed, so its left neighbour has no row.
    TAuswertung a = Graph(Layout1, 150, {{200, Leer}, {201, Leer}, {202, 110}});
    a.Lueckenspalten.Leeren();
    a.Lueckenspalten.Anhaengen(201);
    MeldungsProtokoll m;
    ASSERT_EQ(KurveVerfolgen(a, Layout1, m), 0);
    EXPECT_EQ(Y(a, 201), 110);
    EXPECT_FALSE(IstSchwarz(a.Bitmap.Pixel(200, 150)));
}

TEST(KurveVerfolgen, AnEmptyGraphStopsWithAMessage) {
    for (const TLayout* l : {&Layout1, &Layout2}) {
        TAuswertung a = Graph(*l, Leer, {});
        a.KurveY.fill(77);
        MeldungsProtokoll m;
        KurveVerduennen(a, *l);
        EXPECT_EQ(a.Lueckenspalten.Anzahl, l->Spaltenanzahl());
        EXPECT_EQ(KurveVerfolgen(a, *l, m), -1);
        ASSERT_EQ(m.Eintraege.size(), 1u);
        EXPECT_EQ(m.Eintraege[0].Titel, "Fehler");
        EXPECT_EQ(m.Eintraege[0].Text,
                  "Bitmap kann nicht ausgewertet werden\nKein Höhenverlauf gefunden");
        EXPECT_EQ(Y(a, l->SpalteErste), 77);
    }
}

TEST(KurveVerfolgen, ASingleCurvePixelIsEnoughForEveryColumn) {
    TAuswertung a = Graph(Layout2, Leer, {{300, 140}});
    Verfolgen(a, Layout2);
    for (int32_t x = 116; x <= 526; ++x)
        ASSERT_EQ(Y(a, x), 140) << x;
    EXPECT_EQ(a.KurveYOben, 140);
    EXPECT_EQ(a.KurveYUnten, 140);
}
