// A route assembled from three screenshots, as the README's picture shows it. With
// HOPREX_FENSTERBILD set to a file name, the window's picture is saved there.
#include "app/section_list.h"
#include "display/bitmap_image.h"
#include "support/screenshot_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

TBitmap Schnitt(const char* max, const char* min, const char* strecke, int32_t start,
                const std::vector<std::pair<int32_t, int32_t>>& strecken) {
    TScreenshot s = ScreenshotMit(2, max, min, strecke);
    s.Kurve = KurveAusStrecken(2, start, strecken);
    s.Dicke = 2;
    s.Stuetzpunkte = {250, 400};
    s.Kreuze = {Kreuzposition::GanzRechts};
    return ScreenshotBauen(s);
}

} // namespace

TEST(HoprexBild, ARouteOfThreeScreenshots) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const TBitmap schnitte[] = {
        Schnitt("1450", "620", "6300 m", 210, {{60, -1}, {40, 0}, {70, -1}, {60, 1}, {90, -1}}),
        Schnitt("1980", "1310", "8000 m", 120, {{50, -1}, {60, 1}, {80, -1}, {40, 0}, {100, 1}}),
        Schnitt("1700", "540", "11000 m", 95, {{90, 1}, {30, 0}, {70, 1}, {60, -1}, {100, 1}})};
    for (const TBitmap& schnitt : schnitte) {
        InAblage(QImageAusBitmap(schnitt));
        MausKlick(f.BT_BMPAusZwischenablage);
        MausKlick(f.BT_WerteUebernehmen);
    }
    ASSERT_TRUE(u.Dialoge.Boxen.empty());
    ASSERT_EQ(f.LB_HAbschnitteGesamt->count(), 3);
    MausKlick(f.CB_Glaettung);
    MausKlick(f.B_EinfuegeMarkeL);
    MausKlick(f.LB_HAbschnitteGesamt->viewport(),
              f.LB_HAbschnitteGesamt->visualItemRect(f.LB_HAbschnitteGesamt->item(1)).center());

    const QPixmap bild = f.grab();
    EXPECT_EQ(bild.size(), QSize(529, 588));
    if (const char* datei = std::getenv("HOPREX_FENSTERBILD")) {
        EXPECT_TRUE(bild.save(datei));
    }
}
