// A route assembled from three screenshots, as the README's pictures show it, under the light
// and under a dark colour scheme. With HOPREX_FENSTERBILD (HOPREX_FENSTERBILD_DUNKEL) set to a
// file name, the window's picture is saved there.
#include "app/section_list.h"
#include "display/bitmap_image.h"
#include "support/screenshot_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>

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

// Three screenshots evaluated and transferred, smoothing on, the insertion mark one to the
// left, the second section marked.
void RouteAufbauen(FensterUmgebung& u) {
    THoprex& f = *u.Fenster;
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
}

void BildSpeichern(const QPixmap& bild, const char* variable) {
    if (const char* datei = std::getenv(variable)) {
        EXPECT_TRUE(bild.save(datei));
    }
}

// A dark colour scheme as desktops ship it: light text on dark backgrounds.
QPalette DunklesSchema() {
    QPalette p;
    const QColor dunkel(49, 54, 59), dunkler(35, 38, 41), hell(239, 240, 241);
    for (auto [rolle, farbe] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, dunkel},
             {QPalette::WindowText, hell},
             {QPalette::Base, dunkler},
             {QPalette::AlternateBase, dunkel},
             {QPalette::Text, hell},
             {QPalette::Button, dunkel},
             {QPalette::ButtonText, hell},
             {QPalette::ToolTipBase, dunkel},
             {QPalette::ToolTipText, hell},
             {QPalette::Highlight, QColor(61, 174, 233)},
             {QPalette::HighlightedText, hell},
             {QPalette::Light, QColor(70, 77, 84)},
             {QPalette::Midlight, dunkel},
             {QPalette::Mid, dunkler},
             {QPalette::Dark, dunkler},
             {QPalette::Shadow, Qt::black},
             {QPalette::PlaceholderText, QColor(150, 150, 150)}})
        p.setColor(rolle, farbe);
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(110, 113, 116));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 113, 116));
    return p;
}

double Leuchtdichte(QRgb farbe) {
    const auto kanal = [](int wert) {
        const double c = wert / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(qRed(farbe)) + 0.7152 * kanal(qGreen(farbe)) +
           0.0722 * kanal(qBlue(farbe));
}

// The contrast ratio (1 to 21, as for readable text on screens) between the background of
// `bereich` in `bild` (its most frequent colour) and the text on it (the colour that stands
// out most from that background).
double TextKontrast(const QImage& bild, const QRect& bereich) {
    std::map<QRgb, int> haeufigkeit;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            ++haeufigkeit[bild.pixel(x, y)];
    QRgb hintergrund = 0;
    int meiste = 0;
    for (auto [farbe, anzahl] : haeufigkeit)
        if (anzahl > meiste) std::tie(hintergrund, meiste) = std::pair(farbe, anzahl);
    const double lh = Leuchtdichte(hintergrund);
    double kontrast = 1.0;
    for (auto [farbe, anzahl] : haeufigkeit) {
        const double lt = Leuchtdichte(farbe);
        kontrast = std::max(kontrast, (std::max(lh, lt) + 0.05) / (std::min(lh, lt) + 0.05));
    }
    return kontrast;
}

} // namespace

TEST(HoprexBild, ARouteOfThreeScreenshots) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    RouteAufbauen(u);
    const QPixmap bild = f.grab();
    EXPECT_EQ(bild.size(), QSize(529, 588));
    BildSpeichern(bild, "HOPREX_FENSTERBILD");
}

// Every control whose background the window fixes (lists, column heads, value fields, the
// description editor) and every caption over a graph keeps readable text under a dark scheme:
// measured on the window's picture, as a user sees it.
TEST(HoprexBild, UnderADarkSchemeEveryTextStaysReadable) {
    const QPalette vorher = QApplication::palette();
    QApplication::setPalette(DunklesSchema());
    FensterUmgebung u;
    THoprex& f = u.Starten();
    RouteAufbauen(u);
    MausKlick(f.CB_SkalFix);
    const QPixmap bild = f.grab();
    BildSpeichern(bild, "HOPREX_FENSTERBILD_DUNKEL");

    std::vector<QWidget*> texte = {f.LB_HAbschnitteAktuell, f.LB_HAbschnitteGesamt};
    for (QLabel* label : f.findChildren<QLabel*>())
        if (label->isVisible() && !label->text().trimmed().isEmpty()) texte.push_back(label);
    const QImage fenster = bild.toImage();
    for (QWidget* w : texte) {
        const QRect bereich = w->geometry().intersected(f.rect());
        EXPECT_GE(TextKontrast(fenster, bereich), 4.5)
            << w->objectName().toStdString() << " "
            << (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text().toStdString() : "");
    }
    EXPECT_GE(texte.size(), 30u);

    // The description editor over the yellow list.
    MausKlick(f.LB_HAbschnitteGesamt->viewport(),
              f.LB_HAbschnitteGesamt->visualItemRect(f.LB_HAbschnitteGesamt->item(0)).center());
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Return);
    ASSERT_TRUE(f.T_Beschreibung->isVisible());
    f.T_Beschreibung->setText("Pass");
    EXPECT_GE(TextKontrast(f.grab().toImage(), f.T_Beschreibung->geometry()), 4.5);
    u.Beenden();
    QApplication::setPalette(vorher);
}
