// The whole road of one route through the real window: screenshot on the clipboard,
// evaluation, transfer, smoothing, saving, and loading into both halves.
#include "app/graph_surface.h"
#include "app/section_list.h"
#include "display/bitmap_image.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

std::vector<QString> Zeilen(const TAbschnittListe* liste) {
    std::vector<QString> zeilen;
    for (int i = 0; i < liste->count(); ++i)
        zeilen.push_back(liste->item(i)->text());
    return zeilen;
}

bool HatFarbe(const QImage& bild, const QColor& farbe) {
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) == farbe) return true;
    return false;
}

// Records what the progress bar and its label went through while the window was busy.
struct Beobachter : QObject {
    std::vector<int> Staende;
    bool LabelGezeigt = false;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show) LabelGezeigt = true;
        return false;
    }
};

} // namespace

TEST(HoprexWeg, FromTheClipboardToASavedRouteAndBack) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    Beobachter beobachter;
    f.T_BMPZwischenablage->installEventFilter(&beobachter);
    QObject::connect(f.PB_BMPZwischenablage, &QProgressBar::valueChanged,
                     [&](int stand) { beobachter.Staende.push_back(stand); });

    InAblage(QImageAusBitmap(RoutenScreenshot()));
    MausKlick(f.BT_BMPAusZwischenablage);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
    EXPECT_TRUE(beobachter.LabelGezeigt);
    EXPECT_EQ(beobachter.Staende, (std::vector<int>{0, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_FALSE(f.PB_BMPZwischenablage->isVisible());
    EXPECT_FALSE(f.T_BMPZwischenablage->isVisible());

    // One marked section of 410 points in the upper half.
    ASSERT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->item(0)->text(), " 1    4.10   854  1250    396      0  ");
    EXPECT_TRUE(f.LB_HAbschnitteAktuell->item(0)->isSelected());
    EXPECT_EQ(f.E_AktuellStrecke->text(), "4.10");
    EXPECT_EQ(f.E_HoeheMinAktuell->text(), "854");
    EXPECT_EQ(f.E_HoeheMaxAktuell->text(), "1250");
    EXPECT_EQ(f.E_HoehenmeterPlusAktuell->text(), "396");
    EXPECT_EQ(f.E_HoehenmeterMinusAktuell->text(), "0");
    EXPECT_TRUE(HatFarbe(f.Image_HoehenverlaufAktuell->Bild(), QColor(102, 204, 51)));

    // Transferred twice: the second copy goes behind the first and is the one marked.
    MausKlick(f.BT_WerteUebernehmen);
    MausKlick(f.BT_WerteUebernehmen);
    EXPECT_EQ(Zeilen(f.LB_HAbschnitteGesamt),
              (std::vector<QString>{" 1    4.10   854  1250    396      0  ",
                                    " 2    4.10   854  1250    396      0  "}));
    EXPECT_FALSE(f.LB_HAbschnitteGesamt->item(0)->isSelected());
    EXPECT_TRUE(f.LB_HAbschnitteGesamt->item(1)->isSelected());
    EXPECT_EQ(f.Daten.Einfuegemarke, 2);
    EXPECT_EQ(f.E_GesamtStrecke->text(), "8.20");
    EXPECT_EQ(f.E_HoehenmeterPlusGesamt->text(), "792");
    // The drop at the seam lies between the sections: no section descends.
    EXPECT_EQ(f.E_HoehenmeterMinusGesamt->text(), "");
    EXPECT_EQ(f.E_MarkiertStrecke->text(), "4.10");
    EXPECT_EQ(f.E_HoehenmeterPlusMarkiert->text(), "396");
    EXPECT_EQ(f.E_HoehenmeterMinusMarkiert->text(), "");
    EXPECT_TRUE(HatFarbe(f.Image_Gesamt->Bild(), QColor(255, 255, 0)));

    // Smoothing on shows the smoothed line, list and totals and the gradient strip.
    MausKlick(f.CB_Glaettung);
    EXPECT_TRUE(f.CB_Glaettung->isChecked());
    EXPECT_FALSE(f.T_SteigungNurBei->isVisible());
    EXPECT_TRUE(HatFarbe(f.Image_Gesamt->Bild(), QColor(0, 0, 255)));
    EXPECT_TRUE(HatFarbe(f.Image_Hoehenverlauf->Bild(), QColor(255, 0, 0)));
    EXPECT_NE(f.E_HoehenmeterPlusGesamt->text(), "792");
    EXPECT_NE(f.LB_HAbschnitteGesamt->item(1)->text(), " 2    4.10   854  1250    396      0  ");
    MausKlick(f.CB_Glaettung);
    EXPECT_EQ(f.E_HoehenmeterPlusGesamt->text(), "792");
    EXPECT_EQ(f.LB_HAbschnitteGesamt->item(1)->text(), " 2    4.10   854  1250    396      0  ");
    EXPECT_TRUE(f.T_SteigungNurBei->isVisible());
    EXPECT_FALSE(HatFarbe(f.Image_Hoehenverlauf->Bild(), QColor(255, 0, 0)));

    // Saving asks where, proposes no name yet and writes the profile file.
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    MausKlick(f.BT_GesamtWerteSpeichern);
    ASSERT_EQ(u.Dialoge.Fragen.size(), 1u);
    EXPECT_EQ(
        u.Dialoge.Fragen[0],
        (TestDialoge::Dateifrage{"HPX Daten speichern", "Hoprex Daten (*.hpx)", "", "", "hpx"}));
    const std::string datei = DateiInhalt(u.Ordner.Datei("route.hpx"));
    EXPECT_EQ(datei.rfind("Version \t 2\nGlaetten \t 450\nSteigungGlaetten \t 100\nleer\n", 0), 0u);
    EXPECT_NE(
        datei.find("Abschnitte \t   2\nBESCHREIBUNG_LEER\n  410\n   0 \t 0.010 \t  854 \t 0\n"),
        std::string::npos);
    EXPECT_EQ(f.Daten.VerzeichnisSchreiben, u.Ordner.Pfad().string());

    // Loading it back into the lower half: same sections, none marked, the name proposed.
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    MausKlick(f.BT_GesamtWerteEinlesen);
    EXPECT_EQ(u.Dialoge.Fragen.back(),
              (TestDialoge::Dateifrage{"HPX Daten laden", "Hoprex Daten (*.hpx)", "", "", ""}));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_TRUE(f.LB_HAbschnitteGesamt->selectedItems().isEmpty());
    EXPECT_EQ(f.Daten.Einfuegemarke, 0);
    EXPECT_EQ(f.Daten.Dateiname, "route");
    EXPECT_EQ(f.E_GesamtStrecke->text(), "8.20");

    // And into the upper half: both sections marked, ready for the next transfer.
    u.Dialoge.Pfade.push_back(u.Pfad("route.hpx"));
    MausKlick(f.BT_AktuellWerteEinlesen);
    EXPECT_EQ(u.Dialoge.Fragen.back().Startordner,
              QString::fromStdString(u.Ordner.Pfad().string()));
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 2);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->selectedItems().size(), 2);
    EXPECT_EQ(f.E_AktuellStrecke->text(), "8.20");
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // The export proposes the name of the loaded file.
    u.Dialoge.Pfade.push_back(u.Pfad("route.txt"));
    MausKlick(f.BT_Export);
    EXPECT_EQ(u.Dialoge.Fragen.back(),
              (TestDialoge::Dateifrage{"HPX Daten exportieren (*.txt *.gpx *.tcx *.fit *.crs)",
                                       "Hoprex Daten (*.txt);;GPX-Track (*.gpx);;TCX-Kurs "
                                       "(*.tcx);;FIT-Kurs (*.fit);;CompuTrainer-3D-Kurs (*.crs)",
                                       "", "route", "txt"}));
    EXPECT_EQ(DateiInhalt(u.Ordner.Datei("route.txt")).rfind("    0,010\t 854\t\n", 0), 0u);
}

TEST(HoprexWeg, NothingToSaveOrExportIsSaidBeforeAnyDialog) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    MausKlick(f.BT_GesamtWerteSpeichern);
    MausKlick(f.BT_Export);
    const TestDialoge::Box keineDaten{false, "Fehler", "Keine Daten zum Speichern vorhanden"};
    EXPECT_EQ(u.Dialoge.Boxen, (std::vector<TestDialoge::Box>{keineDaten, keineDaten}));
    EXPECT_TRUE(u.Dialoge.Fragen.empty());
}

TEST(HoprexWeg, CancellingTheUpperOpenDialogEmptiesTheCurrentProfile) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    InAblage(QImageAusBitmap(RoutenScreenshot()));
    MausKlick(f.BT_BMPAusZwischenablage);
    ASSERT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    MausKlick(f.BT_AktuellWerteEinlesen);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    EXPECT_EQ(f.Daten.Aktuell.AnzahlAbschnitte(), 0);
}

TEST(HoprexAblage, WhatTheClipboardOffersDecides) {
    FensterUmgebung u;
    THoprex& f = u.Starten();

    // Text on the clipboard: nothing happens, nothing is shown.
    QGuiApplication::clipboard()->setText("1234");
    MausKlick(f.BT_BMPAusZwischenablage);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);

    // A picture of another size: the size message; the current profile stays.
    QImage falsch(600, 448, QImage::Format_RGB32);
    falsch.fill(Qt::white);
    InAblage(falsch);
    MausKlick(f.BT_BMPAusZwischenablage);
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Boxen[0].Titel, "Fehler");
    EXPECT_TRUE(u.Dialoge.Boxen[0].Text.endsWith("Ist:  \t 600 x  448"));
    EXPECT_FALSE(u.Dialoge.Boxen[0].Fehlersymbol);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    EXPECT_FALSE(f.PB_BMPZwischenablage->isVisible());
}

TEST(HoprexAblage, CtrlVEvaluatesAClipboardImageWhereverTheFocusIs) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    InAblage(QImageAusBitmap(RoutenScreenshot()));

    // In a number edit the image is evaluated; the edit keeps its text.
    ASSERT_EQ(QApplication::focusWidget(), f.T_Schwelle);
    Taste(f.T_Schwelle, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.T_Schwelle->text(), "450");
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);

    // In a list the key reaches the window.
    MausKlick(f.BT_AktuellWerteEinlesen); // cancelled: the current profile is empty again
    ASSERT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    f.LB_HAbschnitteGesamt->setFocus();
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);

    // Text on the clipboard is pasted into the edit as usual.
    QGuiApplication::clipboard()->setText("9");
    f.T_Steigung->setFocus();
    f.T_Steigung->selectAll();
    Taste(f.T_Steigung, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.T_Steigung->text(), "9");
    EXPECT_EQ(f.Daten.Gesamt.SteigungMax, 9);
}
