#include "evaluation/evaluation_driver.h"
#include "support/message_log.h"
#include "support/profile_builder.h"
#include "support/screenshot_builder.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// Newer viewer: a thick anti-aliased curve between rows 100 and 200, two vertex lines, an
// adjacent pair of them, horizontal lines and the cross far right. The slopes are whole rows
// per column, so filled columns land on the curve's own rows.
TScreenshot NeuerViewer() {
    TScreenshot s = ScreenshotMit(2, "1250", "850", "4100 m");
    s.Kurve = KurveAusStrecken(
        2, 200,
        {{50, -2}, {60, 1}, {40, -1}, {30, 2}, {80, -1}, {20, 0}, {60, 1}, {50, -1}, {20, 2}});
    s.Dicke = 3;
    s.Kantenglaettung = true;
    s.Kurvenfarbe = Rgb(99, 99, 99);
    s.Stuetzpunkte = {140, 200, 330, 420, 421, 480};
    // Row 190 is crossed only where the curve climbs two rows per column; row 90 lies above it.
    s.Horizontallinien = {90, 190};
    s.Kreuze = {Kreuzposition::GanzRechts};
    return s;
}

// Older viewer: thin curve with a gap, both crosses (the home one on a flat stretch), km label.
TScreenshot AlterViewer() {
    TScreenshot s = ScreenshotMit(1, "1900", "700", "12 km");
    s.Kurve = KurveAusStrecken(1, 60, {{120, 1}, {60, -1}, {80, 0}, {60, -1}, {100, 1}, {26, -2}});
    for (int32_t x = 150; x <= 152; ++x)
        s.Kurve[static_cast<size_t>(x - 67)] = KeinPixel;
    s.Stuetzpunkte = {100, 300, 350, 450};
    s.Kreuze = {Kreuzposition::Ausgangslage, Kreuzposition::GanzLinks};
    return s;
}

struct Lauf {
    MeldungsProtokoll Meldungen;
    std::vector<int32_t> Fortschritte;
    TAuswertung Auswertung;
    Profile Aktuell = ProfilAus({Abschnitt({100, 200}, 0.5f, "vorher")});
    AuswertungsErgebnis Ergebnis{};

    void Auswerten(std::optional<TBitmap> bitmap) {
        Ergebnis = BitmapAuswerten(std::move(bitmap), Auswertung, Aktuell, Meldungen,
                                   [this](int32_t p) { Fortschritte.push_back(p); });
    }
    bool ProfilUnveraendert() const {
        return Aktuell.AnzahlAbschnitte() == 1 && Aktuell.Abschnitte[0].Beschreibung == "vorher" &&
               Aktuell.Abschnitte[0].Markiert == 0 && Aktuell.Abschnitte[0].Punktanzahl == 2;
    }
};

} // namespace

TEST(BitmapAuswerten, NewerViewerScreenshotBecomesTheCurrentProfile) {
    const TScreenshot s = NeuerViewer();
    Lauf l;
    l.Auswerten(ScreenshotBauen(s));
    ASSERT_EQ(l.Ergebnis, AuswertungsErgebnis::Ausgewertet);
    EXPECT_TRUE(l.Meldungen.Eintraege.empty());
    EXPECT_EQ(l.Fortschritte, (std::vector<int32_t>{30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_TRUE(AktuelleAnzeigeErneuern(l.Ergebnis));

    ASSERT_EQ(l.Aktuell.AnzahlAbschnitte(), 1);
    const ProfileSection& a = l.Aktuell.Abschnitte[0];
    EXPECT_EQ(a.Punktanzahl, 410);
    EXPECT_EQ(a.Markiert, 1);
    EXPECT_EQ(a.Beschreibung, "");
    const std::set<int32_t> stuetzpunkte(s.Stuetzpunkte.begin(), s.Stuetzpunkte.end());
    float strecke = 0.0f;
    for (int32_t k = 0; k < a.Punktanzahl; ++k) {
        const int32_t x = 117 + k;
        const ProfilePoint& p = a.Punkte[static_cast<size_t>(k)];
        // Row 100 shows 1250 m, row 200 shows 850 m: 4 m per row.
        ASSERT_EQ(p.Hoehe, 850 + 4 * (200 - s.Kurve[static_cast<size_t>(x - 116)])) << x;
        ASSERT_EQ(p.Abstand, 0.01f) << x;
        ASSERT_EQ(p.Stuetzpunkt, stuetzpunkte.count(x)) << x;
        strecke += 0.01f;
    }
    EXPECT_EQ(a.Strecke, strecke);
    EXPECT_EQ(a.HoeheMax, 1250);
    // Row 200 lies only in the first graph column, which starts the distances but is no point.
    EXPECT_EQ(a.HoeheMin, 858);
    EXPECT_EQ(l.Aktuell.Strecke, strecke);
    EXPECT_EQ(l.Aktuell.Punktanzahl, 410);
    // The bitmap stays, binarised, with one pixel per graph column.
    EXPECT_EQ(l.Auswertung.Bitmap.Breite(), 596);
    EXPECT_EQ(l.Auswertung.Bitmap.Pixel(562, 57), Weiss);
}

TEST(BitmapAuswerten, OlderViewerScreenshotWithBothCrossesAndAGap) {
    const TScreenshot s = AlterViewer();
    Lauf l;
    l.Auswerten(ScreenshotBauen(s));
    ASSERT_EQ(l.Ergebnis, AuswertungsErgebnis::Ausgewertet);
    EXPECT_TRUE(l.Meldungen.Eintraege.empty());
    const ProfileSection& a = l.Aktuell.Abschnitte.at(0);
    ASSERT_EQ(a.Punktanzahl, 446);
    const std::vector<int32_t> ungelueckt =
        KurveAusStrecken(1, 60, {{120, 1}, {60, -1}, {80, 0}, {60, -1}, {100, 1}, {26, -2}});
    int32_t meter = 0;
    for (int32_t k = 0; k < 446; ++k) {
        const int32_t x = 68 + k;
        const ProfilePoint& p = a.Punkte[static_cast<size_t>(k)];
        // Rows 60..180 span 1900..700 m: 10 m per row.
        ASSERT_EQ(p.Hoehe, 700 + 10 * (180 - ungelueckt[static_cast<size_t>(x - 67)])) << x;
        ASSERT_EQ(p.Stuetzpunkt, x == 100 || x == 300 || x == 350 || x == 450 ? 1 : 0) << x;
        const auto schritt = static_cast<int32_t>(p.Abstand * 1000.0f + 0.5f);
        ASSERT_TRUE(schritt == 26 || schritt == 27) << x;
        meter += schritt;
    }
    EXPECT_EQ(meter, 12000);
    EXPECT_NEAR(a.Strecke, 12.0f, 1e-4f);
    EXPECT_EQ(l.Auswertung.StreckeMeter, 12000);
}

TEST(BitmapAuswerten, NothingOnTheClipboardDoesNothing) {
    Lauf l;
    l.Auswertung.Bitmap = TBitmap(3, 3);
    l.Auswerten(std::nullopt);
    EXPECT_EQ(l.Ergebnis, AuswertungsErgebnis::KeineBitmap);
    EXPECT_FALSE(AktuelleAnzeigeErneuern(l.Ergebnis));
    EXPECT_TRUE(l.Meldungen.Eintraege.empty());
    EXPECT_TRUE(l.Fortschritte.empty());
    EXPECT_TRUE(l.ProfilUnveraendert());
    EXPECT_EQ(l.Auswertung.Bitmap.Breite(), 3);
}

TEST(BitmapAuswerten, RejectionsLeaveTheCurrentProfileAndAreNotRedrawn) {
    TScreenshot checkbox = NeuerViewer();
    checkbox.CheckboxDiskret = true;
    const std::pair<std::optional<TBitmap>, std::string> faelle[] = {
        {TBitmap(), "Bitmap kann nicht ausgewertet werden\n"
                    "Die Zwischenablage konnte nicht gelesen werden"},
        {TBitmap(545, 320), "Bitmap kann nicht ausgewertet werden\n"
                            "Die Größe ist nicht korrekt\n\n"
                            "Viewer Version  < 2  Soll: \t 545 x  319\n"
                            "Viewer Version >= 2  Soll: \t 596 x  448\n\n"
                            "Ist:  \t 545 x  320"},
        {ScreenshotBauen(checkbox), "Im Geländeschnitt müssen die beiden Checkboxen\n"
                                    "Stützpunkte darstellen + Diskrete Werte anzeigen\n"
                                    "deaktiviert sein!"},
    };
    for (const auto& [bitmap, text] : faelle) {
        Lauf l;
        l.Auswerten(bitmap);
        EXPECT_EQ(l.Ergebnis, AuswertungsErgebnis::Abgelehnt);
        EXPECT_FALSE(AktuelleAnzeigeErneuern(l.Ergebnis));
        ASSERT_EQ(l.Meldungen.Eintraege.size(), 1u);
        EXPECT_EQ(l.Meldungen.Eintraege[0].Titel, "Fehler");
        EXPECT_EQ(l.Meldungen.Eintraege[0].Text, text);
        EXPECT_TRUE(l.Fortschritte.empty());
        EXPECT_TRUE(l.ProfilUnveraendert());
    }
}

TEST(BitmapAuswerten, AStopAfterAcceptanceKeepsTheProfileButRedrawsIt) {
    TScreenshot ohneKreuz = AlterViewer();
    ohneKreuz.Kreuze.clear();
    // A dead flat route: its row passes for a horizontal line and is erased with the cross.
    TScreenshot flach = NeuerViewer();
    flach.Kurve = KurveAusStrecken(2, 150, {});
    flach.Dicke = 1;
    flach.Stuetzpunkte = {300};
    const std::tuple<TScreenshot, std::string, std::string, std::vector<int32_t>> faelle[] = {
        {ohneKreuz,
         "Kreuz an falscher Stelle",
         "Das Kreuz muss in der Ausgangslage oder ganz links stehen",
         {30, 40}},
        {flach,
         "Fehler",
         "Bitmap kann nicht ausgewertet werden\nKein Höhenverlauf gefunden",
         {30, 40, 50, 60, 70}},
    };
    for (const auto& [s, titel, text, fortschritte] : faelle) {
        Lauf l;
        l.Auswerten(ScreenshotBauen(s));
        EXPECT_EQ(l.Ergebnis, AuswertungsErgebnis::Abgebrochen);
        EXPECT_TRUE(AktuelleAnzeigeErneuern(l.Ergebnis));
        ASSERT_EQ(l.Meldungen.Eintraege.size(), 1u);
        EXPECT_EQ(l.Meldungen.Eintraege[0].Titel, titel);
        EXPECT_EQ(l.Meldungen.Eintraege[0].Text, text);
        EXPECT_EQ(l.Fortschritte, fortschritte);
        EXPECT_TRUE(l.ProfilUnveraendert());
    }
}

TEST(BitmapAuswerten, WithoutVertexLinesTheUserIsToldAndGetsTheProfile) {
    TScreenshot s = NeuerViewer();
    s.Stuetzpunkte.clear();
    Lauf l;
    l.Auswerten(ScreenshotBauen(s));
    EXPECT_EQ(l.Ergebnis, AuswertungsErgebnis::Ausgewertet);
    ASSERT_EQ(l.Meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(l.Meldungen.Eintraege[0].Titel, "ORVAN Auswahl nicht korrekt");
    EXPECT_EQ(l.Meldungen.Eintraege[0].Text, "Es muss mindestens ein Stützpunkt vorhanden sein");
    const ProfileSection& a = l.Aktuell.Abschnitte.at(0);
    EXPECT_EQ(a.Punktanzahl, 410);
    for (int32_t k = 0; k < a.Punktanzahl; ++k)
        ASSERT_EQ(a.Punkte[static_cast<size_t>(k)].Stuetzpunkt, 0);
}
