#include "display/current_graph.h"

#include "graph_pixels.h"
#include "support/profile_builder.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

const QColor Hintergrund(204, 255, 204);
const QColor Band(102, 204, 51);
const QColor Schwarz(0, 0, 0);

// A window's data with the current profile built from `abschnitte` and a fixed scale.
HoprexDaten MitAktuell(std::vector<ProfileSection> abschnitte, int32_t oben, int32_t unten) {
    HoprexDaten d;
    d.Aktuell = ProfilAus(std::move(abschnitte));
    StatistikUngeglaettet(d.Aktuell);
    d.SkalFixEin = true;
    d.SkalFixMax = oben;
    d.SkalFixMin = unten;
    return d;
}

TEST(GraphAktuell, EmptyProfileShowsOnlyTheFramedBackground) {
    const QImage bild = GraphAktuellBild(HoprexDaten{});
    ASSERT_EQ(bild.size(), QSize(409, 129));
    EXPECT_EQ(Anzahl(bild, Hintergrund), 407 * 127);
    EXPECT_EQ(Anzahl(bild, Schwarz), 409 * 129 - 407 * 127);
    EXPECT_EQ(Farbe(bild, 0, 0), Schwarz);
    EXPECT_EQ(Farbe(bild, 408, 128), Schwarz);
}

TEST(GraphAktuell, HeightOnTheFixedScaleLandsOnItsRow) {
    // 1000 m on a fixed scale from 1 to 2000 m: row 124 - trunc(999 * 119 / 1999) = 65.
    const QImage bild =
        GraphAktuellBild(MitAktuell({Abschnitt({1000, 1000, 1000}, 1.0f)}, 2000, 1));
    EXPECT_EQ(ZeilenMit(bild, 200, Schwarz), (std::vector<int>{0, 65, 128}));
    // The first point lies on column 136; the line starts at the left edge at its height.
    EXPECT_EQ(Farbe(bild, 1, 65), Schwarz);
}

TEST(GraphAktuell, OnlyTheFirstPointReachingAColumnIsDrawn) {
    // 409 km on 409 columns: the points lie on columns 1, 100, 100 (100.5), 209 and 409; on a
    // scale of 0 to 119 m a height h lies on row 124 - h.
    const QImage bild = GraphAktuellBild(MitAktuell(
        {Abschnitt({100, 100, 0, 100, 100}, {1.0f, 99.0f, 0.5f, 108.5f, 200.0f})}, 119, 0));
    EXPECT_EQ(SpaltenMit(bild, 24, Schwarz).size(), 409u);
    // The point at 0 m shares column 100 with the one before it: no drop to row 124 there.
    EXPECT_EQ(ZeilenMit(bild, 100, Schwarz), (std::vector<int>{0, 24, 128}));
    EXPECT_EQ(Anzahl(bild, Schwarz), 2 * 409 + 2 * 127 + 407); // frame and one row
}

TEST(GraphAktuell, MarkedBandsAndSectionSeparators) {
    // Sections of 1 km and 3 km; the second is marked. Its band runs from column 102 (the
    // first section's end, trunc(409 / 4)) to the right edge; the separator of the first
    // section stands on column 102.
    ProfileSection erster = Abschnitt({50, 50}, 0.5f);
    ProfileSection zweiter = Abschnitt({50, 50, 50}, 1.0f);
    zweiter.Markiert = 1;
    const QImage bild = GraphAktuellBild(MitAktuell({erster, zweiter}, 119, 0));
    EXPECT_EQ(ZeilenMit(bild, 102, Schwarz), Zeilen(0, 128));
    EXPECT_EQ(Farbe(bild, 101, 40), Hintergrund);
    EXPECT_EQ(Farbe(bild, 103, 40), Band);
    EXPECT_EQ(Farbe(bild, 408, 40), Band);    // over the frame: the band reaches column 409
    EXPECT_EQ(Farbe(bild, 103, 0), Schwarz);  // the band's outline
    EXPECT_EQ(Farbe(bild, 300, 74), Schwarz); // the line at 50 m
}

TEST(GraphAktuell, FlatProfileOnItsOwnScaleAndZeroLengthDrawWithoutDividingByZero) {
    HoprexDaten flach = MitAktuell({Abschnitt({700, 700, 700}, 1.0f)}, 0, 0);
    flach.SkalFixEin = false; // top equals bottom: the middle row
    EXPECT_EQ(ZeilenMit(GraphAktuellBild(flach), 200, Schwarz), (std::vector<int>{0, 64, 128}));

    HoprexDaten ohneLaenge = MitAktuell({Abschnitt({100, 200, 300}, 0.0f)}, 400, 0);
    const QImage bild = GraphAktuellBild(ohneLaenge);
    EXPECT_EQ(Anzahl(bild, Hintergrund), 407 * 127); // everything on column 0, the frame
}

TEST(GraphAktuell, PaintsOntoAnyPainter) {
    HoprexDaten d = MitAktuell({Abschnitt({1000, 1000}, 1.0f)}, 2000, 1);
    QImage gross(500, 200, QImage::Format_ARGB32);
    gross.fill(Qt::white);
    {
        QPainter maler(&gross);
        GraphAktuellZeichnen(maler, d.Aktuell, HoehenskalaFuer(d.Aktuell, true, 2000, 1));
    }
    EXPECT_EQ(gross.copy(0, 0, 409, 129), GraphAktuellBild(d).convertToFormat(gross.format()));
    EXPECT_EQ(Farbe(gross, 450, 50), QColor(Qt::white));
}

} // namespace

TEST(GraphAktuell, OnAScreenOfFactor2LinesFramesAndMarginsAreTwoDevicePixels) {
    // The bands and separators of MarkedBandsAndSectionSeparators on 818 x 258 device pixels.
    ProfileSection erster = Abschnitt({50, 50}, 0.5f);
    ProfileSection zweiter = Abschnitt({50, 50, 50}, 1.0f);
    zweiter.Markiert = 1;
    const QImage bild = GraphAktuellBild(MitAktuell({erster, zweiter}, 119, 0), {2.0});
    ASSERT_EQ(bild.size(), QSize(818, 258));
    EXPECT_EQ(bild.devicePixelRatio(), 2.0);
    EXPECT_EQ(SpaltenMit(bild, 100, Schwarz), (std::vector<int>{0, 1, 204, 205}));
    EXPECT_EQ(Farbe(bild, 203, 100), Hintergrund);
    EXPECT_EQ(Farbe(bild, 206, 100), Band);
    EXPECT_EQ(Farbe(bild, 817, 100), Band); // over the frame, as at 1x
    // 50 m: row 248 - trunc(50 * 238 / 119) = 148, the line's two rows from there.
    EXPECT_EQ(ZeilenMit(bild, 600, Schwarz), (std::vector<int>{0, 1, 148, 149, 256, 257}));

    // At 1.5 a window pixel is one and a half device pixels: lines round up to two.
    const QImage anderthalb = GraphAktuellBild(MitAktuell({erster, zweiter}, 119, 0), {1.5});
    EXPECT_EQ(anderthalb.size(), QSize(614, 194));
    EXPECT_EQ(SpaltenMit(anderthalb, 100, Schwarz), (std::vector<int>{0, 1, 153, 154}));
}
