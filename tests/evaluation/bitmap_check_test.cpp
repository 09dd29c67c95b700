#include "evaluation/bitmap_check.h"
#include "support/message_log.h"
#include "support/screenshot_builder.h"

#include <gtest/gtest.h>

namespace {

const char* const Kontrollpixelmeldung =
    "Bitmap kann nicht ausgewertet werden\nKontrollpixel max/min Höhe nicht in Ordnung";

TScreenshot Bildschirmfoto(int32_t layout) {
    TScreenshot s;
    s.Layout = layout;
    s.Kurve = KurveAusStrecken(layout, layout == 1 ? 120 : 150, {});
    return s;
}

} // namespace

TEST(BitmapPruefen, RecognisesBothLayoutsBySizeAndBinarisesThem) {
    MeldungsProtokoll m;
    TBitmap alt = ScreenshotBauen(Bildschirmfoto(1));
    TBitmap neu = ScreenshotBauen(Bildschirmfoto(2));
    EXPECT_EQ(BitmapPruefen(alt, m), 1);
    EXPECT_EQ(BitmapPruefen(neu, m), 4);
    EXPECT_TRUE(m.Eintraege.empty());
    for (const TBitmap* b : {&alt, &neu})
        for (Farbe p : b->Pixeldaten())
            ASSERT_TRUE(p == Schwarz || p == Weiss);
    // The window background (212, 208, 200) turns white, the curve colour (0, 0, 99) black.
    EXPECT_EQ(neu.Pixel(562, 57), Weiss);
    EXPECT_EQ(neu.Pixel(116, 150), Schwarz);
}

TEST(BitmapPruefen, WrongSizeIsRejectedWithBothTargetSizesAndLeftUnaltered) {
    MeldungsProtokoll m;
    TBitmap b(600, 448, Rgb(50, 50, 50));
    EXPECT_EQ(BitmapPruefen(b, m), -1);
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0].Titel, "Fehler");
    EXPECT_EQ(m.Eintraege[0].Text, "Bitmap kann nicht ausgewertet werden\n"
                                   "Die Größe ist nicht korrekt\n\n"
                                   "Viewer Version  < 2  Soll: \t 545 x  319\n"
                                   "Viewer Version >= 2  Soll: \t 596 x  448\n\n"
                                   "Ist:  \t 600 x  448");
    EXPECT_EQ(b.Pixel(0, 0), Rgb(50, 50, 50));
}

TEST(Binarisieren, OnlyPixelsDarkInAllThreeComponentsBecomeBlack) {
    TBitmap b(4, 1);
    b.PixelSetzen(0, 0, Rgb(99, 99, 99));
    b.PixelSetzen(1, 0, Rgb(100, 0, 0));
    b.PixelSetzen(2, 0, Rgb(0, 0, 100));
    b.PixelSetzen(3, 0, Rgb(0, 0, 0));
    Binarisieren(b);
    EXPECT_EQ(b.Pixel(0, 0), Schwarz);
    EXPECT_EQ(b.Pixel(1, 0), Weiss);
    EXPECT_EQ(b.Pixel(2, 0), Weiss);
    EXPECT_EQ(b.Pixel(3, 0), Schwarz);
}

TEST(BitmapPruefen, EachControlPixelOfTheOlderLayoutMatters) {
    // (58, 43) and (58, 179) must be black, (58, 44) and (58, 180) white.
    const std::pair<int32_t, Farbe> faelschungen[] = {
        {43, Weiss}, {44, Schwarz}, {179, Weiss}, {180, Schwarz}};
    for (const auto& [zeile, farbe] : faelschungen) {
        MeldungsProtokoll m;
        TBitmap b = ScreenshotBauen(Bildschirmfoto(1));
        b.PixelSetzen(58, zeile, farbe);
        EXPECT_EQ(BitmapPruefen(b, m), -1) << "row " << zeile;
        ASSERT_EQ(m.Eintraege.size(), 1u);
        EXPECT_EQ(m.Eintraege[0].Titel, "Fehler");
        EXPECT_EQ(m.Eintraege[0].Text, Kontrollpixelmeldung);
    }
}

TEST(BitmapPruefen, NewerLayoutWithoutControlLinesIsRejected) {
    TScreenshot s = Bildschirmfoto(2);
    s.Kontrollpixel = false;
    TBitmap b = ScreenshotBauen(s);
    MeldungsProtokoll m;
    EXPECT_EQ(BitmapPruefen(b, m), -1);
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_EQ(m.Eintraege[0].Text, Kontrollpixelmeldung);
}

TEST(BitmapPruefen, CheckBoxesAreTestedBeforeTheControlPixels) {
    for (int fall = 0; fall < 2; ++fall) {
        TScreenshot s = Bildschirmfoto(2);
        (fall == 0 ? s.CheckboxStuetzpunkte : s.CheckboxDiskret) = true;
        s.Kontrollpixel = false;
        TBitmap b = ScreenshotBauen(s);
        MeldungsProtokoll m;
        EXPECT_EQ(BitmapPruefen(b, m), -1);
        ASSERT_EQ(m.Eintraege.size(), 1u);
        EXPECT_EQ(m.Eintraege[0].Titel, "Fehler");
        EXPECT_EQ(m.Eintraege[0].Text, "Im Geländeschnitt müssen die beiden Checkboxen\n"
                                       "Stützpunkte darstellen + Diskrete Werte anzeigen\n"
                                       "deaktiviert sein!");
    }
}
