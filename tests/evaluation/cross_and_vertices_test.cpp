#include "evaluation/bitmap_check.h"
#include "evaluation/cross_and_vertices.h"
#include "support/message_log.h"
#include "support/screenshot_builder.h"

#include <gtest/gtest.h>

namespace {

TAuswertung Binarisiert(const TScreenshot& s) {
    TAuswertung a;
    a.Bitmap = ScreenshotBauen(s);
    Binarisieren(a.Bitmap);
    return a;
}

const TLayout& LayoutVon(const TScreenshot& s) {
    return s.Layout == 1 ? Layout1 : Layout2;
}

std::vector<int32_t> SchwarzeZeilen(const TBitmap& b, int32_t x, int32_t von, int32_t bis) {
    std::vector<int32_t> zeilen;
    for (int32_t y = von; y <= bis; ++y)
        if (IstSchwarz(b.Pixel(x, y))) zeilen.push_back(y);
    return zeilen;
}

// Never flat long enough to pass for a horizontal line of the newer viewer.
TScreenshot Zickzack() {
    TScreenshot s;
    s.Layout = 2;
    s.Kurve = KurveAusStrecken(2, 100, {{100, 1}, {100, -1}, {100, 1}, {110, -1}});
    return s;
}

TScreenshot Flach(int32_t layout, int32_t zeile) {
    TScreenshot s;
    s.Layout = layout;
    s.Kurve = KurveAusStrecken(layout, zeile, {});
    return s;
}

} // namespace

TEST(KreuzEntfernen, BothCrossesOfTheOlderViewerAreErasedDownToTheCurve) {
    TScreenshot s;
    s.Layout = 1;
    // Falling one row per column past the far-left cross, flat at the home cross.
    s.Kurve = KurveAusStrecken(1, 50, {{140, 1}});
    s.Kreuze = {Kreuzposition::Ausgangslage, Kreuzposition::GanzLinks};
    TAuswertung a = Binarisiert(s);
    MeldungsProtokoll m;
    EXPECT_EQ(KreuzEntfernen(a, Layout1, m), 2);
    EXPECT_TRUE(m.Eintraege.empty());
    EXPECT_EQ(a.Hintergrundfarbe, Weiss);
    for (int32_t x = 67; x <= 300; ++x) {
        const int32_t erwartet = x - 67 < 140 ? 50 + (x - 67) : 190;
        EXPECT_EQ(SchwarzeZeilen(a.Bitmap, x, 47, 190), std::vector<int32_t>{erwartet})
            << "column " << x;
    }
}

TEST(KreuzEntfernen, ABarPixelOnTheCurveStaysWhenItIsTheColumnsOnlyPixel) {
    TScreenshot s = Flach(1, 120);
    s.Kreuze = {Kreuzposition::Ausgangslage};
    TAuswertung a = Binarisiert(s);
    MeldungsProtokoll m;
    ASSERT_EQ(KreuzEntfernen(a, Layout1, m), 2);
    for (int32_t x = 275; x <= 305; ++x)
        EXPECT_EQ(SchwarzeZeilen(a.Bitmap, x, 47, 190), std::vector<int32_t>{120});
}

TEST(KreuzEntfernen, ABarRowThatTiesWithTheCurvesRowIsTheUpperOne) {
    // Far left, the curve steps from row 100 down to row 105 right after the bar's column:
    // row 105 counts the vertical bar and nine curve pixels, as many as the bar's row 100.
    TScreenshot s;
    s.Layout = 1;
    s.Kurve = KurveAusStrecken(1, 100, {{1, 5}});
    s.Kreuze = {Kreuzposition::GanzLinks};
    TAuswertung a = Binarisiert(s);
    MeldungsProtokoll m;
    ASSERT_EQ(KreuzEntfernen(a, Layout1, m), 2);
    EXPECT_EQ(SchwarzeZeilen(a.Bitmap, 67, 47, 190), std::vector<int32_t>{100});
    for (int32_t x = 68; x <= 80; ++x)
        EXPECT_EQ(SchwarzeZeilen(a.Bitmap, x, 47, 190), std::vector<int32_t>{105}) << x;
}

TEST(KreuzEntfernen, NewerViewerErasesTheCrossAtTheLastColumn) {
    TScreenshot s;
    s.Layout = 2;
    s.Kurve = KurveAusStrecken(2, 200, {{300, 0}, {110, -1}}); // rises to row 90 at 526
    s.Kreuze = {Kreuzposition::GanzRechts};
    TAuswertung a = Binarisiert(s);
    MeldungsProtokoll m;
    ASSERT_EQ(KreuzEntfernen(a, Layout2, m), 2);
    for (int32_t x = 510; x <= 526; ++x)
        EXPECT_EQ(SchwarzeZeilen(a.Bitmap, x, 85, 219), std::vector<int32_t>{200 - (x - 416)});
}

TEST(KreuzEntfernen, ACrossElsewhereStopsTheEvaluationWithTheLayoutsMessage) {
    const std::pair<int32_t, const char*> faelle[] = {
        {1, "Das Kreuz muss in der Ausgangslage oder ganz links stehen"},
        {2, "Das Kreuz muss ganz rechts stehen"}};
    for (const auto& [layout, text] : faelle) {
        TScreenshot s = Flach(layout, 150);
        TAuswertung a = Binarisiert(s);
        MeldungsProtokoll m;
        EXPECT_EQ(KreuzEntfernen(a, LayoutVon(s), m), -1);
        ASSERT_EQ(m.Eintraege.size(), 1u);
        EXPECT_EQ(m.Eintraege[0].Titel, "Kreuz an falscher Stelle");
        EXPECT_EQ(m.Eintraege[0].Text, text);
    }
}

TEST(StuetzpunkteSuchen, FullLinesAreFoundAndErasedOtherMarksAreNot) {
    TScreenshot s = Flach(1, 120);
    s.Stuetzpunkte = {100, 101, 400};
    TAuswertung a = Binarisiert(s);
    // A line through the graph that misses row 118 is no vertex line.
    for (int32_t y = 47; y <= 190; ++y)
        if (y != 118) a.Bitmap.PixelSetzen(300, y, Schwarz);
    MeldungsProtokoll m;
    EXPECT_EQ(StuetzpunkteSuchen(a, Layout1, m), 3);
    EXPECT_TRUE(m.Eintraege.empty());
    EXPECT_EQ(std::vector<int32_t>(a.Stuetzpunktspalten.begin(), a.Stuetzpunktspalten.end()),
              (std::vector<int32_t>{100, 101, 400}));
    for (int32_t x : {100, 101, 400})
        EXPECT_TRUE(SchwarzeZeilen(a.Bitmap, x, 47, 190).empty());
    EXPECT_EQ(SchwarzeZeilen(a.Bitmap, 300, 47, 190).size(), 143u);
    EXPECT_EQ(SchwarzeZeilen(a.Bitmap, 99, 47, 190), std::vector<int32_t>{120});
}

TEST(StuetzpunkteSuchen, NewerViewerNeedsTheLineBetweenRows149And155) {
    TScreenshot s = Zickzack();
    s.Stuetzpunkte = {200};
    s.Horizontallinien = {100, 180};
    TAuswertung a = Binarisiert(s);
    for (int32_t y = 85; y <= 219; ++y)
        if (y < 149 || y > 155) a.Bitmap.PixelSetzen(300, y, Schwarz);
    MeldungsProtokoll m;
    EXPECT_EQ(StuetzpunkteSuchen(a, Layout2, m), 1);
    EXPECT_EQ(a.Stuetzpunktspalten.Spalten[0], 200);
    // Horizontal lines go over the whole graph and only there; the frame keeps its pixels.
    for (int32_t y : {100, 180}) {
        for (int32_t x = 116; x <= 526; ++x)
            ASSERT_FALSE(IstSchwarz(a.Bitmap.Pixel(x, y))) << x << "," << y;
        EXPECT_TRUE(IstSchwarz(a.Bitmap.Pixel(115, y)));
    }
    EXPECT_EQ(SchwarzeZeilen(a.Bitmap, 250, 85, 219), std::vector<int32_t>{166});
}

TEST(StuetzpunkteSuchen, WithoutAVertexLineTheUserIsToldAndTheStepGoesOn) {
    TAuswertung a = Binarisiert(Zickzack());
    MeldungsProtokoll m;
    EXPECT_EQ(StuetzpunkteSuchen(a, Layout2, m), -1);
    EXPECT_EQ(a.Stuetzpunktspalten.Anzahl, 0);
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0].Titel, "ORVAN Auswahl nicht korrekt");
    EXPECT_EQ(m.Eintraege[0].Text, "Es muss mindestens ein Stützpunkt vorhanden sein");
}
