#include "chart/route_picture.h"
#include "cli_process.h"
#include "display/bitmap_image.h"
#include "display/list_lines.h"
#include "evaluation/evaluation_driver.h"
#include "files/profile_file.h"
#include "files/profile_storage.h"
#include "files/settings_file.h"
#include "files/text_export.h"
#include "model/smoothing.h"
#include "support/message_log.h"
#include "support/qt_picture_files.h"
#include "support/route_builder.h"
#include "support/screenshot_builder.h"
#include "support/temp_dir.h"
#include "support/track_builder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace {

const std::string kDaten = std::string(HOPREX_TEST_DATA_DIR) + "/cli/";

TScreenshot AlterViewer() {
    TScreenshot s = ScreenshotMit(1, "1900", "700", "12 km");
    s.Kurve = KurveAusStrecken(1, 60, {{120, 1}, {60, -1}, {80, 0}, {60, -1}, {100, 1}, {26, -2}});
    s.Stuetzpunkte = {100, 300, 350, 450};
    s.Kreuze = {Kreuzposition::Ausgangslage};
    return s;
}

TScreenshot NeuerViewer() {
    TScreenshot s = ScreenshotMit(2, "1250", "850", "4100 m");
    s.Kurve = KurveAusStrecken(2, 200, {{50, -2}, {60, 1}, {40, -1}, {30, 2}, {80, -1}});
    s.Stuetzpunkte = {140, 330};
    s.Kreuze = {Kreuzposition::GanzRechts};
    return s;
}

std::string Speichern(const TempDir& dir, const std::string& name, const TScreenshot& s) {
    const std::string pfad = dir.Datei(name);
    EXPECT_TRUE(QImageAusBitmap(ScreenshotBauen(s)).save(Q(pfad)));
    return pfad;
}

// The section the window's evaluation makes of the same screenshot.
ProfileSection ImFenster(const TScreenshot& s) {
    auto auswertung = std::make_unique<TAuswertung>();
    Profile aktuell;
    MeldungsProtokoll m;
    BitmapAuswerten(ScreenshotBauen(s), *auswertung, aktuell, m, {});
    return aktuell.Abschnitte.at(0);
}

Profile Gelesen(const std::string& text) {
    Profile p;
    int32_t zeile = 0;
    EXPECT_TRUE(ProfilDateiLesen(text, 0, p, zeile)) << zeile;
    return p;
}

void ExpectGleichePunkte(const ProfileSection& a, const ProfileSection& b) {
    ASSERT_EQ(a.Punktanzahl, b.Punktanzahl);
    for (int32_t j = 0; j < a.Punktanzahl; ++j) {
        ASSERT_EQ(a.Punkte[j].Hoehe, b.Punkte[j].Hoehe) << j;
        ASSERT_EQ(a.Punkte[j].Stuetzpunkt, b.Punkte[j].Stuetzpunkt) << j;
    }
}

} // namespace

TEST(CliEvaluate, AssemblesScreenshotsInTheOrderGiven) {
    TempDir dir;
    const std::string alt = Speichern(dir, "alt.png", AlterViewer());
    const std::string neu = Speichern(dir, "neu.bmp", NeuerViewer());
    const std::string aus = dir.Datei("route.hpx");
    const Lauf l = Starten({"evaluate", "-o", Q(aus), Q(neu), Q(alt)});
    EXPECT_EQ(l.Status, 0) << l.Fehler;
    EXPECT_EQ(l.Fehler, "");
    EXPECT_EQ(l.Aus, "");

    const std::string text = DateiInhalt(aus);
    EXPECT_EQ(text.rfind("Version \t 2\nGlaetten \t 450\nSteigungGlaetten \t 100\n", 0), 0u);
    const Profile p = Gelesen(text);
    ASSERT_EQ(p.AnzahlAbschnitte(), 2);
    ExpectGleichePunkte(p.Abschnitte[0], ImFenster(NeuerViewer()));
    ExpectGleichePunkte(p.Abschnitte[1], ImFenster(AlterViewer()));
}

TEST(CliEvaluate, WindowLengthsAndStandardOutput) {
    TempDir dir;
    TScreenshot ohneStuetzpunkte = NeuerViewer();
    ohneStuetzpunkte.Stuetzpunkte.clear();
    const std::string bild = Speichern(dir, "bild.png", ohneStuetzpunkte);
    const Lauf l =
        Starten({"evaluate", "--glaetten", "3277", "--steigung-glaetten", "50", Q(bild)});
    EXPECT_EQ(l.Status, 0);
    EXPECT_EQ(l.Fehler,
              "ORVAN Auswahl nicht korrekt: Es muss mindestens ein Stützpunkt vorhanden sein\n");
    EXPECT_EQ(l.Aus.rfind("Version \t 2\nGlaetten \t 3277\nSteigungGlaetten \t  50\n", 0), 0u);
    EXPECT_EQ(Gelesen(l.Aus).AnzahlAbschnitte(), 1);
}

TEST(CliEvaluate, ARejectedImageOrMisplacedCrossWritesNoFile) {
    TempDir dir;
    const std::string gut = Speichern(dir, "gut.png", AlterViewer());
    TScreenshot ohneKreuz = AlterViewer();
    ohneKreuz.Kreuze.clear();
    const std::string kreuz = Speichern(dir, "kreuz.png", ohneKreuz);
    QImage klein(100, 100, QImage::Format_RGB32);
    klein.fill(Qt::white);
    const std::string falsch = dir.Datei("klein.png");
    klein.save(Q(falsch));

    const std::string aus = dir.Datei("route.hpx");
    for (const std::string& schlecht : {kreuz, falsch}) {
        const Lauf l = Starten({"evaluate", "-o", Q(aus), Q(gut), Q(schlecht)});
        EXPECT_EQ(l.Status, 1) << schlecht;
        EXPECT_NE(l.Fehler.find("nicht ausgewertet: " + schlecht), std::string::npos) << l.Fehler;
        EXPECT_FALSE(std::filesystem::exists(aus));
    }
    EXPECT_EQ(Starten({"evaluate", Q(kreuz)}).Fehler.rfind("Kreuz an falscher Stelle: ", 0), 0u);
}

TEST(CliEvaluate, TakesTracksAsItTakesPictures) {
    TempDir dir;
    const Testspur wahr = Huegelspur(31, 100.0);
    DateiAnlegen(dir.Datei("spur.gpx"), GpxAus(wahr));
    ASSERT_TRUE(Gpsbabel(dir.Datei("spur.gpx"), "gpx", dir.Datei("spur.fit"), "garmin_fit"));
    DateiAnlegen(dir.Datei("ohne.tcx"),
                 "<TrainingCenterDatabase><Courses><Course><Track>"
                 "<Trackpoint><DistanceMeters>0</DistanceMeters></Trackpoint>"
                 "<Trackpoint><DistanceMeters>90</DistanceMeters></Trackpoint>"
                 "</Track></Course></Courses></TrainingCenterDatabase>");
    const std::string bild = Speichern(dir, "bild.png", AlterViewer());
    const std::string aus = dir.Datei("route.hpx");

    const Lauf l = Starten(
        {"evaluate", "-o", Q(aus), Q(dir.Datei("spur.gpx")), Q(bild), Q(dir.Datei("spur.fit"))});
    EXPECT_EQ(l.Status, 0) << l.Fehler;
    const Profile p = Gelesen(DateiInhalt(aus));
    ASSERT_EQ(p.AnzahlAbschnitte(), 3);
    const auto km = [](const ProfileSection& a) {
        double summe = 0.0;
        for (int32_t k = 0; k < a.Punktanzahl; ++k)
            summe += a.Punkte[static_cast<size_t>(k)].Abstand;
        return summe;
    };
    EXPECT_EQ(p.Abschnitte[0].Beschreibung, "Hügel und Tal 1");
    EXPECT_EQ(p.Abschnitte[0].Punktanzahl, 121);
    EXPECT_NEAR(km(p.Abschnitte[0]), 3.0, 0.001);
    ExpectGleichePunkte(p.Abschnitte[1], ImFenster(AlterViewer()));
    EXPECT_EQ(p.Abschnitte[2].Beschreibung, "Hügel und Tal 1");
    EXPECT_NEAR(km(p.Abschnitte[2]), 3.0, 0.015);

    std::filesystem::remove(aus);
    const Lauf ohne = Starten({"evaluate", "-o", Q(aus), Q(bild), Q(dir.Datei("ohne.tcx"))});
    EXPECT_EQ(ohne.Status, 1);
    EXPECT_NE(ohne.Fehler.find(dir.Datei("ohne.tcx") + "\nDie Spur hat keine Höhenangaben"),
              std::string::npos)
        << ohne.Fehler;
    EXPECT_FALSE(std::filesystem::exists(aus));
}

TEST(CliExport, WritesTheTextExportOfTheWindow) {
    const Lauf l = Starten({"export", "--meter", "--relativ", "--abschnitte", "--stuetzpunkte",
                            Q(kDaten + "route.hpx")});
    EXPECT_EQ(l.Status, 0) << l.Fehler;
    EXPECT_EQ(l.Aus, DateiInhalt(kDaten + "route_metres_relative.txt"));

    // With smoothing the file's window lengths feed the smoothing and gradient passes.
    TempDir dir;
    const std::string aus = dir.Datei("route.txt");
    const Lauf g = Starten({"export", "--header", "--glaettung", "--punkt", "--reduzieren", "300",
                            "-o", Q(aus), Q(kDaten + "route.hpx")});
    EXPECT_EQ(g.Status, 0) << g.Fehler;
    HoprexDaten d;
    MeldungsProtokoll m;
    ASSERT_TRUE(GesamtLaden(d, kDaten + "route.hpx", m));
    GesamtNeuBerechnen(d.Gesamt, 200, 50);
    TExportOptions o;
    o.Header = o.Glaettung = o.TrennzeichenPunkt = o.PunkteReduzieren = true;
    o.MeterProPunkt = 300;
    EXPECT_EQ(DateiInhalt(aus), ExportInhalt(d.Gesamt, o));
}

TEST(CliStats, PrintsTheSectionListAndTotals) {
    const Lauf l = Starten({"stats", Q(kDaten + "route.hpx")});
    EXPECT_EQ(l.Status, 0) << l.Fehler;
    EXPECT_EQ(l.Aus, DateiInhalt(kDaten + "route_stats.txt"));

    const Lauf g = Starten({"stats", "--glaettung", Q(kDaten + "route.hpx")});
    HoprexDaten d;
    MeldungsProtokoll m;
    GesamtLaden(d, kDaten + "route.hpx", m);
    GesamtNeuBerechnen(d.Gesamt, 200, 50);
    d.Gesamt.GlaettungEinAus = true;
    EXPECT_NE(g.Aus.find(ListenZeilenGesamt(d.Gesamt).at(1) + "\n"), std::string::npos) << g.Aus;
}

TEST(CliPlot, DrawsTheRoutePictureOfTheRouteView) {
    TempDir dir;
    const Lauf l = Starten({"plot", "--glaettung", "--breite", "900", "--hoehe", "400", "-o",
                            Q(dir.Datei("route.png")), Q(kDaten + "route.hpx")});
    EXPECT_EQ(l.Status, 0);
    EXPECT_EQ(l.Fehler, "");
    // The picture the route view saves of the same route, loaded and smoothed as the window
    // does, with the view's default options.
    HoprexDaten d = Voreinstellungen();
    d.Gesamt.GlaettungEinAus = true;
    MeldungsProtokoll m;
    ASSERT_TRUE(GesamtLaden(d, kDaten + "route.hpx", m));
    GesamtNeuBerechnen(d.Gesamt, 200, 50);
    EXPECT_EQ(
        DateiBytes(Q(dir.Datei("route.png"))),
        RoutenBildDaten({d, d.Routenprofil.Darstellung, {}}, QSize(900, 400), BildFormat::Png));

    // The settings file's default size, and the formats by the extension.
    ASSERT_EQ(Starten({"plot", "-o", Q(dir.Datei("route.PNG")), Q(kDaten + "route.hpx")}).Status,
              0);
    EXPECT_EQ(QImage(Q(dir.Datei("route.PNG"))).size(), QSize(1600, 600));
    ASSERT_EQ(Starten({"plot", "-o", Q(dir.Datei("route.svg")), Q(kDaten + "route.hpx")}).Status,
              0);
    EXPECT_EQ(SvgAnsicht(DateiBytes(Q(dir.Datei("route.svg")))), "svg 0 0 1600 600");
    ASSERT_EQ(Starten({"plot", "--hoehe", "800", "-o", Q(dir.Datei("route.pdf")),
                       Q(kDaten + "route.hpx")})
                  .Status,
              0);
    const QByteArray pdf = DateiBytes(Q(dir.Datei("route.pdf")));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(PdfSeiten(pdf), 1);
    EXPECT_EQ(PdfSeitengroesse(pdf), QSizeF(1200, 600));
}

// The largest picture the tool draws holds 400 MB of pixels: it is drawn and compressed in bands,
// so the tool needs little more than it needs for the route.
TEST(CliPlot, TheLargestPictureNeedsFarLessMemoryThanItsPixels) {
    TempDir dir;
    DateiAnlegen(dir.Datei("tour.hpx"), ProfilDateiInhalt(Tour(200)));
    const Lauf l = Starten({"plot", "--glaettung", "--breite", "10000", "--hoehe", "10000", "-o",
                            Q(dir.Datei("gross.png")), Q(dir.Datei("tour.hpx"))});
    EXPECT_EQ(l.Status, 0);
    EXPECT_EQ(PngGroesse(DateiBytes(Q(dir.Datei("gross.png")))), QSize(10000, 10000));
#ifndef __SANITIZE_ADDRESS__ // which keeps freed memory for a while to find its use
    EXPECT_LT(SpitzenspeicherMB(true), 200);
#endif
}

TEST(CliPlot, RefusesWithoutAPictureFileOrARoute) {
    TempDir dir;
    const QString aus = Q(dir.Datei("route.png"));
    for (const QStringList& falsch :
         {QStringList{"plot", Q(kDaten + "route.hpx")},
          QStringList{"plot", "-o", Q(dir.Datei("route.jpg")), Q(kDaten + "route.hpx")},
          QStringList{"plot", "--breite", "199", "-o", aus, Q(kDaten + "route.hpx")},
          QStringList{"plot", "--hoehe", "10001", "-o", aus, Q(kDaten + "route.hpx")},
          QStringList{"plot", "--punkt", "-o", aus, Q(kDaten + "route.hpx")}})
        EXPECT_EQ(Starten(falsch).Status, 2) << falsch.join(' ').toStdString();

    const std::string leer = dir.Datei("leer.hpx");
    DateiAnlegen(leer, ProfilDateiInhalt(Profile{}));
    const Lauf l = Starten({"plot", "-o", aus, Q(leer)});
    EXPECT_EQ(l.Status, 1);
    EXPECT_EQ(l.Fehler, "Fehler: Keine Daten zum Speichern vorhanden\n");
    EXPECT_EQ(Starten({"plot", "-o", aus, Q(dir.Datei("fehlt.hpx"))}).Fehler,
              "hoprex-cli: " + dir.Datei("fehlt.hpx") + ": No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Datei("route.png")));
}

TEST(CliFehler, FaultyFilesAndUsage) {
    TempDir dir;
    const std::string kaputt = dir.Datei("kaputt.hpx");
    DateiAnlegen(kaputt, "keine Profildatei\n");
    const Lauf l = Starten({"stats", Q(kaputt)});
    EXPECT_EQ(l.Status, 1);
    EXPECT_EQ(l.Fehler, "Fehler: Fehler beim Lesen der Datei\nZeile 2\n"
                        "hoprex-cli: keine lesbare Profildatei: " +
                            kaputt + "\n");
    // Each command that reads a route names the file; standard input by its name.
    EXPECT_EQ(Starten({"export", Q(kaputt)}).Fehler, l.Fehler);
    EXPECT_TRUE(Starten({"stats", "-"}, {}, {}, Q(kaputt))
                    .Fehler.ends_with("keine lesbare Profildatei: Standardeingabe\n"));

    const Lauf leer = Starten({});
    EXPECT_EQ(leer.Status, 2);
    EXPECT_EQ(leer.Fehler, "hoprex-cli: kein Befehl angegeben\nMehr mit: hoprex-cli --help\n");
    for (const QStringList& falsch :
         {QStringList{"export"}, QStringList{"export", "--bogus", "a.hpx"},
          QStringList{"export", "--reduzieren", "0", "a.hpx"}, QStringList{"stats", "a", "b"},
          QStringList{"evaluate", "--glaetten", "viel", "a.png"}, QStringList{"rechnen"}})
        EXPECT_EQ(Starten(falsch).Status, 2) << falsch.join(' ').toStdString();

    const Lauf hilfe = Starten({"--help"});
    EXPECT_EQ(hilfe.Status, 0);
    EXPECT_NE(hilfe.Aus.find("hoprex-cli stats"), std::string::npos);
}
