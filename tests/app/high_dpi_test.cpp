// The window on a scaled screen. ctest runs these tests also with QT_SCALE_FACTOR 1.25, 1.5 and
// 2 (tests/CMakeLists.txt); at 1 they hold as well.
#include "app/graph_surface.h"
#include "support/profile_builder.h"
#include "window_fixture.h"

#include <QFontMetricsF>
#include <QLabel>
#include <cmath>
#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Marken(const Profile& p) {
    std::vector<uint8_t> marken;
    for (const ProfileSection& a : p.Abschnitte)
        marken.push_back(a.Markiert);
    return marken;
}

int Runden(int fensterPixel, double faktor) {
    return static_cast<int>(std::lround(fensterPixel * faktor));
}

} // namespace

TEST(HoprexHochaufloesend, TheGraphsAreDrawnInTheScreensDevicePixels) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const double faktor = f.devicePixelRatioF();
    ProfilLaden(u, "zwei.hpx",
                ProfilAus({Abschnitt({500, 900}, 1.0f), Abschnitt({900, 600, 700}, 0.5f)}), true);
    for (TBildFlaeche* flaeche :
         {f.Image_HoehenverlaufAktuell, f.Image_Gesamt, f.Image_Hoehenverlauf}) {
        const QImage& bild = flaeche->Bild();
        EXPECT_EQ(bild.devicePixelRatio(), faktor);
        EXPECT_EQ(bild.size(),
                  QSize(Runden(flaeche->width(), faktor), Runden(flaeche->height(), faktor)));
    }
    // The frame is as wide as a window pixel, in whole device pixels.
    const QImage& graph = f.Image_Gesamt->Bild();
    const int strich = std::max(Runden(1, faktor), 1);
    const int mitte = graph.height() / 2 + 7;
    for (int x = 0; x < strich; ++x)
        EXPECT_EQ(graph.pixelColor(x, mitte), QColor(Qt::black)) << x;
    EXPECT_NE(graph.pixelColor(strich, mitte), QColor(Qt::black));
}

TEST(HoprexHochaufloesend, AClickMarksTheSectionUnderThePointer) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    // Five sections of 1 km: on the 409 window pixels section i covers about 82 i to 82 (i + 1).
    std::vector<ProfileSection> abschnitte;
    for (int i = 0; i < 5; ++i)
        abschnitte.push_back(Abschnitt({500 + 100 * i, 500 + 100 * i}, 0.5f));
    ProfilLaden(u, "fuenf.hpx", ProfilAus(abschnitte), true);
    MausKlick(f.Image_Gesamt, QPoint(82 * 3 + 40, 60));
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 0, 0, 1, 0}));
    // Next to the separator at 2 km: its last window pixel column still belongs to section 1.
    MausKlick(f.Image_Hoehenverlauf, QPoint(162, 30));
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 1, 0, 0, 0}));
    MausKlick(f.Image_Hoehenverlauf, QPoint(165, 30));
    EXPECT_EQ(Marken(f.Daten.Gesamt), (std::vector<uint8_t>{0, 0, 1, 0, 0}));
    // The route view's menu opens where the pointer pressed, not at the image pixel's number.
    const double faktor = f.devicePixelRatioF();
    EXPECT_EQ(f.Image_Gesamt->GlobalerOrt(Runden(200, faktor), Runden(40, faktor)),
              f.Image_Gesamt->mapToGlobal(QPoint(200, 40)));
}

TEST(HoprexHochaufloesend, EveryCaptionHoldsItsTextAlsoWhereItIsDrawnWithoutHinting) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    // A scaled screen draws text without hinting; its ink ends where the unhinted glyphs end.
    int beschriftungen = 0;
    for (const QLabel* label : f.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->window() != &f) continue;
        QFont schrift = label->font();
        schrift.setHintingPreference(QFont::PreferNoHinting);
        const QRectF tinte = QFontMetricsF(schrift).boundingRect(label->text());
        EXPECT_LE(tinte.right(), label->width()) << label->text().toStdString();
        EXPECT_TRUE(f.rect().contains(label->geometry())) << label->text().toStdString();
        ++beschriftungen;
    }
    EXPECT_GE(beschriftungen, 16);
}
