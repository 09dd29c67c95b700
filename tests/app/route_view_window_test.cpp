// The route view in the program: opened by Ctrl+R and the graph's context menu, following the
// overall profile, read with the mouse, and saved as a picture or printed.
#include "app/climb_table.h"
#include "app/graph_surface.h"
#include "app/route_view_window.h"
#include "app/section_list.h"
#include "chart/route_chart.h"
#include "chart/route_picture.h"
#include "display/route_colors.h"
#include "files/format_streams.h"
#include "files/route_formats.h"
#include "files/settings_file.h"
#include "support/qt_picture_files.h"
#include "support/route_builder.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

void RechtsDruck(QWidget* ziel, QPoint p) {
    QMouseEvent druck(QEvent::MouseButtonPress, p, ziel->mapToGlobal(p), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(ziel, &druck);
}

QStringList Eintraege(const QMenu* menue) {
    QStringList texte;
    for (const QAction* a : menue->actions())
        texte << a->text();
    return texte;
}

// The popup menu that is open, after the events that opened it.
QMenu* OffenesMenue() {
    QApplication::processEvents();
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

void MenuePunkt(const QString& text) {
    QMenu* menue = OffenesMenue();
    ASSERT_NE(menue, nullptr);
    for (QAction* a : menue->actions())
        if (a->text() == text) {
            menue->close();
            a->trigger();
            return;
        }
    FAIL() << "no entry " << text.toStdString();
}

// Ctrl+R in the main window: the route view, open, with the main window's changes taken over.
TRoutenprofil& Offen(THoprex& f) {
    f.activateWindow();
    QApplication::processEvents();
    QTest::keyClick(&f, Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_NE(f.Routenprofil, nullptr);
    return *f.Routenprofil;
}

QPoint Pixel(const TRoutenChart* c, double km, double m) {
    return QPoint(qRound(c->xAxis->coordToPixel(km)), qRound(c->yAxis->coordToPixel(m)));
}

// Pixels of the smoothed line's blue, also where antialiasing blends it a little.
// The pointer moves over `ziel` without a button held.
void Zeiger(QWidget* ziel, QPoint p) {
    QMouseEvent zug(QEvent::MouseMove, p, ziel->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
    QApplication::sendEvent(ziel, &zug);
}

int BlauePixel(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor p = bild.pixelColor(x, y);
            n += p.blue() > 200 && p.red() < 120 && p.green() < 120;
        }
    return n;
}

} // namespace

TEST(Routenprofil, OpensByCtrlRAndByTheContextMenuOfTheOverallGraphAndStrip) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "tour.hpx", Tour(3, 100), true);
    EXPECT_EQ(f.Routenprofil, nullptr);

    TRoutenprofil& r = Offen(f);
    EXPECT_TRUE(r.isVisible());
    EXPECT_EQ(r.windowTitle(), "Routenprofil");
    EXPECT_TRUE(r.Chart->ZeigtGanzeRoute());
    EXPECT_DOUBLE_EQ(r.Chart->Bereich().upper, f.Daten.Gesamt.Strecke);
    r.close();
    EXPECT_FALSE(r.isVisible());

    // A right press in the graph marks the section under it as any press does, then the menu.
    RechtsDruck(f.Image_Gesamt, QPoint(200, 60));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->Auswahl(), (std::vector<bool>{false, true, false}));
    QMenu* menue = OffenesMenue();
    ASSERT_NE(menue, nullptr);
    EXPECT_EQ(Eintraege(menue), (QStringList{"Routenprofil anzeigen", "Als Bild speichern…",
                                             "Als Track exportieren…", "Drucken…"}));
    MenuePunkt("Routenprofil anzeigen");
    EXPECT_TRUE(r.isVisible());

    r.close();
    RechtsDruck(f.Image_Hoehenverlauf, QPoint(10, 30));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->Auswahl(), (std::vector<bool>{true, false, false}));
    MenuePunkt("Routenprofil anzeigen");
    EXPECT_TRUE(r.isVisible());
    EXPECT_EQ(f.Routenprofil, &r); // one view for the whole run
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

TEST(Routenprofil, FollowsEveryChangeOfTheOverallProfile) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    TRoutenprofil& r = Offen(f);
    ProfilLaden(u, "tour.hpx", Tour(3, 100), true);
    QApplication::processEvents();
    EXPECT_NEAR(r.Chart->Bereich().upper, 6.0, 1e-4);

    // Deleting the marked second section shortens the route in the view.
    MausKlick(f.Image_Gesamt, QPoint(200, 60));
    MausKlick(f.BT_GesamtWerteLoeschen);
    QApplication::processEvents();
    EXPECT_NEAR(r.Chart->Bereich().upper, 4.0, 1e-4);

    // Smoothing on: the smoothed (blue) line appears; off: the plain (black) one alone.
    EXPECT_LT(BlauePixel(r.Chart->grab().toImage()), 20);
    MausKlick(f.CB_Glaettung);
    QApplication::processEvents();
    EXPECT_GT(BlauePixel(r.Chart->grab().toImage()), 500);

    // A hidden view takes the changes over when it is shown again.
    r.close();
    MausKlick(f.Image_Gesamt, QPoint(50, 60));
    MausKlick(f.BT_GesamtWerteLoeschen);
    QApplication::processEvents();
    EXPECT_NEAR(r.Chart->Bereich().upper, 4.0, 1e-4);
    Offen(f);
    EXPECT_NEAR(r.Chart->Bereich().upper, 2.0, 1e-4);
}

TEST(Routenprofil, ReadingZoomingAndMeasuringAStretchInTheWindow) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "rampe.hpx", Rampe(), true);
    TRoutenprofil& r = Offen(f);
    TRoutenChart* c = r.Chart;

    // The crosshair at 1.5 km: 500 + 50 * 1.5 m at 15 %, in the section "Auf".
    Zeiger(c, Pixel(c, 1.5, 600));
    EXPECT_EQ(c->AblesungsAnzeige(),
              "1.500 km\nHöhe 575 m\ngeglättet 575 m\nSteigung 15.0 %\nAbschnitt 2: Auf");

    // Two wheel steps zoom in around the pointer; the button shows the whole route again.
    QWheelEvent rad(Pixel(c, 1.5, 600), c->mapToGlobal(Pixel(c, 1.5, 600)), QPoint(),
                    QPoint(0, 240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(c, &rad);
    EXPECT_NEAR(c->Bereich().size(), 3.0 * 0.85 * 0.85, 1e-3);
    EXPECT_NEAR(c->xAxis->pixelToCoord(Pixel(c, 1.5, 600).x()), 1.5, 0.01);
    MausKlick(r.BT_GanzeRoute);
    EXPECT_TRUE(c->ZeigtGanzeRoute());

    // A Shift-drag over the climb and a little before it: its figures under the chart.
    QTest::mousePress(c, Qt::LeftButton, Qt::ShiftModifier, Pixel(c, 0.945, 600));
    QTest::mouseMove(c, Pixel(c, 2.005, 600));
    QTest::mouseRelease(c, Qt::LeftButton, Qt::ShiftModifier, Pixel(c, 2.005, 600));
    EXPECT_EQ(r.L_Hinweis->text(), "Auswahl 0.950 - 2.000 km: Länge 1.05 km, Anstieg 149 m, "
                                   "Abstieg 0 m, mittlere Steigung 14.3 %, steilste 100 m 15.0 %");
}

TEST(Routenprofil, SavesPngSvgAndPdfOfTheViewOrTheWholeRoute) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "tour.hpx", Tour(4, 200), true);
    TRoutenprofil& r = Offen(f);
    r.Chart->BereichSetzen(QCPRange(2.0, 6.0));

    // The view as shown at the chart's size, proposed under the route's name.
    u.Dialoge.Pfade = {u.Pfad("ansicht.png")};
    MausKlick(r.BT_BildSpeichern);
    QImage bild;
    ASSERT_TRUE(bild.loadFromData(DateiBytes(u.Pfad("ansicht.png")), "PNG"));
    EXPECT_EQ(bild.size(), r.Chart->size());
    EXPECT_EQ(u.Dialoge.ChartGroessen.back(), r.Chart->size());
    EXPECT_EQ(u.Dialoge.Fragen.back().Vorschlag, "tour.png");

    // The whole route at a chosen size, as SVG and PDF; the dialog starts in the last folder.
    RoutenBildOptionen ganz;
    ganz.GanzeRoute = true;
    ganz.Fenstergroesse = false;
    ganz.Breite = 900;
    ganz.Hoehe = 400;
    u.Dialoge.BildOptionen = ganz;
    u.Dialoge.Pfade = {u.Pfad("route.svg"), u.Pfad("route.pdf")};
    MausKlick(r.BT_BildSpeichern);
    EXPECT_EQ(u.Dialoge.Fragen.back().Startordner, QString::fromStdString(u.Ordner.Pfad()));
    MausKlick(r.BT_BildSpeichern);
    EXPECT_EQ(SvgAnsicht(DateiBytes(u.Pfad("route.svg"))), "svg 0 0 900 400");
    const QByteArray pdf = DateiBytes(u.Pfad("route.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfSeiten(pdf), 1);
    EXPECT_EQ(PdfSeitengroesse(pdf), QSizeF(675, 300));
    EXPECT_EQ(f.Daten.Routenprofil.Bild, ganz);

    // A type the program does not write, and the cancelled dialogs, write nothing.
    u.Dialoge.Pfade = {u.Pfad("route.jpg"), ""};
    MausKlick(r.BT_BildSpeichern);
    MausKlick(r.BT_BildSpeichern);
    u.Dialoge.BildAbbrechen = true;
    const size_t gefragt = u.Dialoge.Fragen.size();
    MausKlick(r.BT_BildSpeichern);
    EXPECT_EQ(u.Dialoge.Fragen.size(), gefragt);
    EXPECT_FALSE(QFile::exists(u.Pfad("route.jpg")));
    EXPECT_EQ(u.Dialoge.Boxen,
              (std::vector<TestDialoge::Box>{
                  {false, "Fehler", "Bilder werden als .png, .svg oder .pdf gespeichert"}}));
}

TEST(Routenprofil, TheContextMenuSavesAndPrintsWithoutOpeningTheView) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "tour.hpx", Tour(2, 200), true);
    RoutenBildOptionen klein;
    klein.Fenstergroesse = false;
    klein.Breite = 640;
    klein.Hoehe = 300;
    u.Dialoge.BildOptionen = klein;
    u.Dialoge.Pfade = {u.Pfad("route.png")};
    RechtsDruck(f.Image_Gesamt, QPoint(100, 60));
    MenuePunkt("Als Bild speichern…");
    // The same picture as hoprex-cli plot draws of the route (the view was never zoomed).
    EXPECT_EQ(DateiBytes(u.Pfad("route.png")),
              RoutenBildDaten({f.Daten, {}, {}}, QSize(640, 300), BildFormat::Png));

    // Printing: Qt's print dialog asked for landscape; one page of a PDF printer.
    u.Dialoge.DruckPdf = u.Pfad("druck.pdf");
    RechtsDruck(f.Image_Gesamt, QPoint(100, 60));
    MenuePunkt("Drucken…");
    EXPECT_EQ(u.Dialoge.DruckQuer, std::vector<bool>{true});
    EXPECT_EQ(PdfSeiten(DateiBytes(u.Pfad("druck.pdf"))), 1);
    ASSERT_NE(f.Routenprofil, nullptr);
    EXPECT_FALSE(f.Routenprofil->isVisible());
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

// The README's picture of the route view: a route of six sections, smoothed, one of them
// marked, the crosshair over the long climb, a stretch selected and the long climb chosen in the
// table. With HOPREX_ROUTENBILD set to a file name, the window's picture is saved there.
TEST(Routenprofil, ThePictureOfTheReadme) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    Profile route = Tour(6, 380);
    const char* namen[] = {"Talort - Brücke", "Aufstieg zum Joch", "Kammweg",
                           "Abfahrt ins Tal", "Seeufer",           "Schlussanstieg"};
    for (int i = 0; i < 6; ++i)
        BeschreibungSetzen(route.Abschnitte[i], namen[i]);
    ProfilLaden(u, "Alpentour.hpx", route, true);
    MausKlick(f.CB_Glaettung);
    MausKlick(f.Image_Gesamt, QPoint(240, 60));
    TRoutenprofil& r = Offen(f);
    r.resize(1100, 820);
    QApplication::processEvents();
    TRoutenChart* c = r.Chart;
    QTest::mousePress(c, Qt::LeftButton, Qt::ShiftModifier, Pixel(c, 29.0, 700));
    QTest::mouseMove(c, Pixel(c, 37.5, 700));
    QTest::mouseRelease(c, Qt::LeftButton, Qt::ShiftModifier, Pixel(c, 37.5, 700));
    r.Anstiege->TV_Anstiege->selectRow(1);
    Zeiger(c, Pixel(c, 12.2, 700));
    EXPECT_TRUE(c->AblesungsAnzeige().startsWith("12.1"));
    EXPECT_TRUE(r.L_Hinweis->text().startsWith("Auswahl"));
    const QPixmap bild = r.grab();
    if (const char* datei = std::getenv("HOPREX_ROUTENBILD")) {
        EXPECT_TRUE(bild.save(datei));
    }
}

TEST(Routenprofil, KeepsItsPlaceSizeAndOptionsForTheNextRun) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    TRoutenprofil& r = Offen(f);
    r.setGeometry(10, 40, 780, 450);
    MausKlick(r.CB_Steigungsfarben);
    MausKlick(r.CB_Abschnittsnamen);
    u.Beenden();
    const std::string ini = DateiInhalt(u.Einstellungen());
    EXPECT_NE(ini.find("[Routenprofil]\nLinks=10\nOben=40\nBreite=780\nHoehe=450\nMaximiert=0\n"
                       "RoheLinie=1\nSteigungsfarben=0\nAbschnittsnamen=0\n"),
              std::string::npos)
        << ini;

    TRoutenprofil& wieder = Offen(u.Starten());
    EXPECT_EQ(wieder.geometry(), QRect(10, 40, 780, 450));
    EXPECT_TRUE(wieder.CB_RoheLinie->isChecked());
    EXPECT_FALSE(wieder.CB_Steigungsfarben->isChecked());
    EXPECT_FALSE(wieder.CB_Abschnittsnamen->isChecked());
}

// The view opened at its default place, moved, and closed before the main window.
TEST(Routenprofil, AViewClosedBeforeTheMainWindowOpensWhereItWasLeft) {
    FensterUmgebung u;
    TRoutenprofil& r = Offen(u.Starten());
    r.setGeometry(15, 50, 770, 420);
    r.close();
    u.Beenden();
    EXPECT_NE(DateiInhalt(u.Einstellungen()).find("Links=15\nOben=50\nBreite=770\nHoehe=420\n"),
              std::string::npos);
    EXPECT_EQ(Offen(u.Starten()).geometry(), QRect(15, 50, 770, 420));
}

// A place kept on a larger desktop: the view opens whole on the screen, and keeps that place.
TEST(Routenprofil, APlaceMostlyOffTheScreenComesBackOntoIt) {
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* ort : {"Links=-5000\nOben=100\nBreite=6000\nHoehe=300\n",
                            "Links=100\nOben=-3000\nBreite=500\nHoehe=6000\n"}) {
        FensterUmgebung u;
        DateiAnlegen(u.Einstellungen(), std::string("[Routenprofil]\n") + ort);
        TRoutenprofil& r = Offen(u.Starten());
        EXPECT_TRUE(schirm.contains(r.frameGeometry())) << ort;
        const QRect gezeigt = r.geometry();
        EXPECT_GE(gezeigt.width() * gezeigt.height(), (schirm.width() - 10) * 300) << ort;
        u.Beenden();
        HoprexDaten d;
        EinstellungenLesen(d, u.Einstellungen());
        const RoutenprofilEinstellungen& e = d.Routenprofil;
        EXPECT_EQ(QRect(e.Links, e.Oben, e.Breite, e.Hoehe), gezeigt) << ort;
    }
}

// The header and every picture name the file the route was last saved to or loaded from.
TEST(Routenprofil, TheHeaderAndThePicturesNameTheRoutesFile) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "teil.hpx", Tour(2, 100), false);
    MausKlick(f.BT_WerteUebernehmen);
    TRoutenprofil& r = Offen(f);
    const auto bild = [&](const char* datei) {
        u.Dialoge.Pfade = {u.Pfad(datei)};
        MausKlick(r.BT_BildSpeichern);
        return QString::fromUtf8(DateiBytes(u.Pfad(datei)));
    };
    EXPECT_FALSE(bild("neu.svg").contains("    Länge")) << "a route without a file has no name";
    EXPECT_EQ(u.Dialoge.Fragen.back().Vorschlag, "Routenprofil.png");

    for (const char* name : {"route", "route_b"}) {
        u.Dialoge.Pfade = {u.Pfad((std::string(name) + ".hpx").c_str())};
        MausKlick(f.BT_GesamtWerteSpeichern);
        QApplication::processEvents();
        const QString svg = bild((std::string(name) + ".svg").c_str());
        EXPECT_EQ(u.Dialoge.Fragen.back().Vorschlag, QString(name) + ".png");
        EXPECT_TRUE(svg.contains(">" + QString(name) + "    Länge")) << name;
    }
}

// The track formats from the view's button and from the graph's menu, and from "Export" by the
// extension chosen: each file as its format writes the route, the text export unchanged beside.
TEST(Routenprofil, ExportsTheRouteAsTrackForBikeComputersAndTrainers) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "tour.hpx", Tour(3, 200), true);
    const Formatoptionen optionen{f.Daten.ExportOptions, f.Daten.StreckenOptionen};
    TRoutenprofil& r = Offen(f);
    u.Dialoge.Pfade = {u.Pfad("tour.fit")};
    MausKlick(r.BT_StreckeExportieren);
    EXPECT_EQ(u.Dialoge.Fragen.back(),
              (TestDialoge::Dateifrage{"Als Track exportieren (*.gpx *.tcx *.fit *.crs)",
                                       "GPX-Track (*.gpx);;TCX-Kurs (*.tcx);;FIT-Kurs (*.fit);;"
                                       "CompuTrainer-3D-Kurs (*.crs)",
                                       "", "tour", "gpx"}));
    EXPECT_EQ(DateiInhalt(u.Ordner.Datei("tour.fit")),
              RoutenInhalt(*FormatNamens("fit"), f.Daten.Gesamt, optionen));
    u.Dialoge.Pfade = {u.Pfad("tour.crs")};
    RechtsDruck(f.Image_Gesamt, QPoint(100, 60));
    MenuePunkt("Als Track exportieren…");
    EXPECT_EQ(DateiInhalt(u.Ordner.Datei("tour.crs")),
              RoutenInhalt(*FormatNamens("crs"), f.Daten.Gesamt, optionen));
    for (const char* endung : {"gpx", "tcx", "txt"}) {
        const std::string datei = std::string("export.") + endung;
        u.Dialoge.Pfade = {u.Pfad(datei.c_str())};
        MausKlick(f.BT_Export);
        EXPECT_EQ(DateiInhalt(u.Ordner.Datei(datei)),
                  RoutenInhalt(*FormatNamens(endung), f.Daten.Gesamt, optionen));
    }
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
}

// The track's start point, bearing, pace and segments are asked before the file and kept for
// the next run; a cancelled question writes nothing.
TEST(Routenprofil, TheTracksStartPointIsAskedAndKeptForTheNextRun) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ProfilLaden(u, "tour.hpx", Tour(2, 100), true);
    u.Dialoge.StreckeAbbrechen = true;
    u.Dialoge.Pfade = {u.Pfad("abgebrochen.gpx")};
    MausKlick(Offen(f).BT_StreckeExportieren);
    EXPECT_FALSE(std::filesystem::exists(u.Ordner.Datei("abgebrochen.gpx")));

    u.Dialoge.StreckeAbbrechen = false;
    u.Dialoge.StreckenAntwort = TStreckenOptionen{-33.8688, 151.2093, 180.0, 25.0, 200};
    u.Dialoge.Pfade = {u.Pfad("sydney.gpx")};
    MausKlick(Offen(f).BT_StreckeExportieren);
    const std::string gpx = DateiInhalt(u.Ordner.Datei("sydney.gpx"));
    EXPECT_NE(gpx.find("<trkpt lat=\"-33.86"), std::string::npos) << gpx.substr(0, 600);
    EXPECT_NE(gpx.find("lon=\"151.2093"), std::string::npos);

    u.Beenden();
    u.Dialoge.StreckenAntwort.reset();
    THoprex& wieder = u.Starten();
    EXPECT_EQ(wieder.Daten.StreckenOptionen.StartBreite, -33.8688);
    EXPECT_EQ(wieder.Daten.StreckenOptionen.Richtung, 180.0);
    EXPECT_EQ(wieder.Daten.StreckenOptionen.SegmentMeter, 200);
}
