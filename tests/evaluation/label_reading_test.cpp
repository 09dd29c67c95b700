#include "evaluation/bitmap_check.h"
#include "evaluation/label_reading.h"
#include "evaluation/layouts.h"
#include "support/screenshot_builder.h"
#include "support/viewer_font.h"

#include <gtest/gtest.h>

namespace {

const TFeld Feld = {10, 140, 0, 16};

int32_t Lesen(const std::string& text) {
    TBitmap b(160, 17);
    TextMalen(b, text, Feld.SpalteVon + 2, 4);
    return ZahlLesen(b, Feld, 150);
}

TAuswertung Beschriftungen(int32_t layout, const std::string& max, const std::string& min,
                           const std::string& strecke) {
    TScreenshot s = ScreenshotMit(layout, max, min, strecke);
    TAuswertung a;
    a.Bitmap = ScreenshotBauen(s);
    Binarisieren(a.Bitmap);
    BeschriftungenLesen(a, layout == 1 ? Layout1 : Layout2);
    return a;
}

} // namespace

TEST(Ziffernmuster, TheViewerFontOfTheScreenshotsHasTheseColumnCounts) {
    for (char z = '0'; z <= '9'; ++z) {
        const auto& glyph = *Glyph(z);
        for (size_t s = 0; s < 5; ++s) {
            int32_t n = 0;
            for (const std::string& zeile : glyph)
                n += zeile[s] == '#' ? 1 : 0;
            EXPECT_EQ(n, Ziffernmuster[static_cast<size_t>(z - '0')][s]) << z << " column " << s;
        }
    }
}

TEST(ZahlLesen, DigitsSpellTheNumberAndGapsAreSkipped) {
    EXPECT_EQ(Lesen("1250"), 1250);
    EXPECT_EQ(Lesen("1   250"), 1250);
    EXPECT_EQ(Lesen("2147483647"), 2147483647);
    EXPECT_EQ(Lesen(""), 0);
    // Letters and unknown marks do not contribute.
    EXPECT_EQ(Lesen("m k m"), 0);
    EXPECT_EQ(Lesen("7 m"), 7);
}

TEST(ZahlLesen, FurtherDigitsAfterTheTenthAreSkippedAndLargeValuesHeld) {
    // Ten digits beyond the 32-bit range, then more: the value stays at the 32-bit maximum.
    EXPECT_EQ(Lesen("999999999999"), 2147483647);
    EXPECT_EQ(Lesen("123456789012"), 1234567890);
}

TEST(ZahlLesen, AGlyphTouchingItsNeighbourIsNotRecognised) {
    TBitmap b(160, 17);
    TextMalen(b, "1", 20, 4);
    b.PixelSetzen(24, 10, Schwarz); // the 1's empty trailing columns are no longer empty
    TextMalen(b, "5", 30, 4);
    EXPECT_EQ(ZahlLesen(b, Feld, 150), 5);
    // A glyph right after a matched one, without the empty column, is not read either.
    TBitmap c(160, 17);
    TextMalen(c, "8", 20, 4);
    TextMalen(c, "3", 25, 4);
    EXPECT_EQ(ZahlLesen(c, Feld, 150), 8);
}

TEST(ZahlLesen, ColumnsFromTheScanLimitOnCountAsEmpty) {
    TBitmap b(160, 17);
    TextMalen(b, "47", 100, 4);
    EXPECT_EQ(ZahlLesen(b, Feld, 150), 47);
    EXPECT_EQ(ZahlLesen(b, Feld, 108), 4); // the 7 is cut after its second column
    // The 7 spans columns 106 to 110: read while its last column lies before the limit.
    EXPECT_EQ(ZahlLesen(b, Feld, 111), 47);
    EXPECT_EQ(ZahlLesen(b, Feld, 110), 4);
}

TEST(BeschriftungenLesen, OlderViewerScalesKilometres) {
    TAuswertung a = Beschriftungen(1, "1200", "800", "12 km");
    EXPECT_EQ(a.HoeheMaxSkala, 1200);
    EXPECT_EQ(a.HoeheMinSkala, 800);
    EXPECT_EQ(a.StreckeMeter, 12000);
    EXPECT_EQ(Beschriftungen(1, "95", "0", "850 m").StreckeMeter, 850);
    EXPECT_EQ(Beschriftungen(1, "95", "0", "850 m").HoeheMaxSkala, 95);
}

TEST(BeschriftungenLesen, NewerViewerTakesTheRouteAsMetresWhateverTheUnit) {
    TAuswertung a = Beschriftungen(2, "12345", "3", "12345 km");
    EXPECT_EQ(a.HoeheMaxSkala, 12345);
    EXPECT_EQ(a.HoeheMinSkala, 3);
    EXPECT_EQ(a.StreckeMeter, 12345);
}
