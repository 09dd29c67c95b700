#include "display/pixel_drawing.h"

#include "graph_pixels.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Weiss(255, 255, 255);
const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);

// Draws on a white 40 x 30 surface and returns it.
template <class Zeichnen> QImage Bild(Zeichnen&& zeichnen) {
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(Weiss);
    {
        QPainter maler(&bild);
        zeichnen(maler, QRect(0, 0, 40, 30));
    }
    return bild;
}

TEST(Linie, SetsItsStartPixelButNotItsEndPixel) {
    const QImage waagrecht = Bild([](QPainter& m, QRect f) {
        Linie(m, {2, 5}, {6, 5}, Schwarz, f);
    });
    EXPECT_EQ(SpaltenMit(waagrecht, 5, Schwarz), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(Anzahl(waagrecht, Schwarz), 4);

    const QImage abwaerts = Bild([](QPainter& m, QRect f) {
        Linie(m, {3, 1}, {3, 4}, Schwarz, f);
    });
    EXPECT_EQ(ZeilenMit(abwaerts, 3, Schwarz), (std::vector<int>{1, 2, 3}));
    const QImage aufwaerts = Bild([](QPainter& m, QRect f) {
        Linie(m, {3, 4}, {3, 1}, Schwarz, f);
    });
    EXPECT_EQ(ZeilenMit(aufwaerts, 3, Schwarz), (std::vector<int>{2, 3, 4}));

    const QImage schraeg = Bild([](QPainter& m, QRect f) { Linie(m, {0, 0}, {4, 4}, Schwarz, f); });
    EXPECT_EQ(Anzahl(schraeg, Schwarz), 4);
    EXPECT_EQ(Farbe(schraeg, 3, 3), Schwarz);
    EXPECT_EQ(Farbe(schraeg, 4, 4), Weiss);
}

TEST(Linie, OfLengthZeroSetsNothing) {
    const QImage bild = Bild([](QPainter& m, QRect f) { Linie(m, {7, 7}, {7, 7}, Schwarz, f); });
    EXPECT_EQ(Anzahl(bild, Schwarz), 0);
}

TEST(Linie, SteepLineSetsOnePixelPerRowWithoutGaps) {
    const QImage bild = Bild([](QPainter& m, QRect f) { Linie(m, {5, 2}, {8, 22}, Schwarz, f); });
    EXPECT_EQ(Anzahl(bild, Schwarz), 20);
    int vorher = 5;
    for (int y = 2; y < 22; ++y) {
        const std::vector<int> spalten = SpaltenMit(bild, y, Schwarz);
        ASSERT_EQ(spalten.size(), 1u) << "row " << y;
        EXPECT_LE(spalten[0] - vorher, 1);
        vorher = spalten[0];
    }
    EXPECT_EQ(SpaltenMit(bild, 2, Schwarz), std::vector<int>{5});
    EXPECT_EQ(SpaltenMit(bild, 21, Schwarz), std::vector<int>{8});
}

TEST(Linie, TowardAFarOffPointSetsOnlyTheVisiblePixels) {
    // A height a million rows above the graph: the visible part is a column up to the edge.
    const QImage steil = Bild([](QPainter& m, QRect f) {
        Linie(m, {10, 12}, {10, -1000000}, Schwarz, f);
    });
    EXPECT_EQ(ZeilenMit(steil, 10, Schwarz), Zeilen(0, 12));
    EXPECT_EQ(Anzahl(steil, Schwarz), 13);
    // Clipping keeps the rounding of the whole line: the step to the next row comes half way
    // along, at column 0.
    const QImage flach = Bild([](QPainter& m, QRect f) {
        Linie(m, {-1000, 5}, {1000, 6}, Schwarz, f);
    });
    EXPECT_EQ(SpaltenMit(flach, 6, Schwarz), [] {
        std::vector<int> s;
        for (int x = 0; x < 40; ++x)
            s.push_back(x);
        return s;
    }());
}

TEST(Rechteck, ExcludesRightAndBottomEdgeAndIsOutlinedInBlack) {
    const QImage bild = Bild([](QPainter& m, QRect) { Rechteck(m, 2, 3, 7, 8, Rot); });
    EXPECT_EQ(SpaltenMit(bild, 3, Schwarz), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(SpaltenMit(bild, 7, Schwarz), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(ZeilenMit(bild, 2, Schwarz), Zeilen(3, 7));
    EXPECT_EQ(ZeilenMit(bild, 6, Schwarz), Zeilen(3, 7));
    EXPECT_EQ(Anzahl(bild, Rot), 3 * 3);
    EXPECT_EQ(Farbe(bild, 7, 5), Weiss);
    EXPECT_EQ(Farbe(bild, 4, 8), Weiss);
}

TEST(Dreieck, FilledWithBlackOutlineThroughEveryCorner) {
    const QImage bild = Bild([](QPainter& m, QRect) {
        Dreieck(m, {12, 0}, {28, 0}, {20, 15}, Rot);
    });
    EXPECT_EQ(Farbe(bild, 12, 0), Schwarz);
    EXPECT_EQ(Farbe(bild, 28, 0), Schwarz);
    EXPECT_EQ(SpaltenMit(bild, 15, Schwarz), std::vector<int>{20});
    EXPECT_EQ(SpaltenMit(bild, 14, Rot), std::vector<int>{20});
    EXPECT_EQ(Anzahl(bild.copy(0, 16, 40, 14), Weiss), 40 * 14);
    // Every row between the outlines is red.
    for (int y = 1; y < 15; ++y) {
        const std::vector<int> umriss = SpaltenMit(bild, y, Schwarz);
        ASSERT_EQ(umriss.size(), 2u) << "row " << y;
        EXPECT_EQ(static_cast<int>(SpaltenMit(bild, y, Rot).size()), umriss[1] - umriss[0] - 1);
    }
}

TEST(Dreieck, HalfOutsideTheSurfaceIsFilledUpToTheEdge) {
    const QImage bild = Bild([](QPainter& m, QRect) { Dreieck(m, {-8, 0}, {8, 0}, {0, 15}, Rot); });
    EXPECT_EQ(Farbe(bild, 0, 15), Schwarz);
    EXPECT_EQ(Farbe(bild, 0, 5), Rot);
    EXPECT_EQ(Farbe(bild, 1, 5), Rot);
}

} // namespace
