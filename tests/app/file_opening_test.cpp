// Files that come from outside: named on the command line, dropped on the window, or copied in
// a file manager and taken by "Aus Ablage" and Ctrl+V.
#include "app/command_line.h"
#include "app/file_opening.h"
#include "app/section_list.h"
#include "display/bitmap_image.h"
#include "files/profile_file.h"
#include "support/profile_builder.h"
#include "support/track_builder.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

Profile Route() {
    Profile p = ProfilAus(
        {Abschnitt({100, 200}, {0.0f, 1.0f}, "A"), Abschnitt({200, 300}, {0.0f, 2.0f}, "B")});
    p.GlaettungMittelungUeber = 700;
    return p;
}

// Drags `daten` onto the window and drops it there; false when the window refused the drag.
bool Ziehen(THoprex& f, const QMimeData& daten) {
    QDragEnterEvent hinein({100, 100}, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &hinein);
    if (!hinein.isAccepted()) return false;
    QDropEvent fallen(QPointF(100, 100), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f, &fallen);
    QApplication::processEvents();
    return true;
}

bool Ziehen(THoprex& f, const QList<QString>& pfade) {
    QMimeData daten;
    QList<QUrl> urls;
    for (const QString& pfad : pfade)
        urls.push_back(QUrl::fromLocalFile(pfad));
    daten.setUrls(urls);
    return Ziehen(f, daten);
}

// What a file manager puts on the clipboard when the user copies one file.
void DateiInAblage(const QString& pfad, bool gnome) {
    auto* daten = new QMimeData;
    if (gnome)
        daten->setData("x-special/gnome-copied-files",
                       "copy\n" + QUrl::fromLocalFile(pfad).toEncoded());
    else
        daten->setUrls({QUrl::fromLocalFile(pfad)});
    daten->setText(pfad);
    QGuiApplication::clipboard()->setMimeData(daten);
}

// Runs `tat`; true when it was still waiting for a writer of the FIFO `fifo` two seconds
// later. A writer then opens and closes the FIFO, which lets it go on.
bool WartetAufFifo(const std::string& fifo, const std::function<void()>& tat) {
    std::atomic<bool> fertig = false;
    std::atomic<bool> festgehalten = false;
    std::thread waechter([&] {
        for (int i = 0; i < 200 && !fertig; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (!fertig) {
            // Opening to write without blocking succeeds only while someone opened it to read.
            const int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                festgehalten = true;
                close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    tat();
    fertig = true;
    waechter.join();
    return festgehalten;
}

} // namespace

TEST(HoprexDateien, WhatTheWindowDoesWithAFile) {
    TempDir dir;
    const auto pfad = [&](const char* name) { return QString::fromStdString(dir.Datei(name)); };
    ASSERT_TRUE(QImageAusBitmap(RoutenScreenshot()).save(pfad("schnitt.jpg"), "JPEG"));
    ASSERT_TRUE(QImageAusBitmap(RoutenScreenshot()).save(pfad("falsch_benannt.hpx"), "PNG"));
    DateiAnlegen(dir.Datei("route.HPX"), "");
    DateiAnlegen(dir.Datei("umbenannt.txt"), ProfilDateiInhalt(Route()));
    DateiAnlegen(dir.Datei("notiz.txt"), "Versionen\n");
    ASSERT_EQ(mkfifo(dir.Datei("fifo").c_str(), 0600), 0);

    EXPECT_EQ(ZielFuerDatei(pfad("schnitt.jpg")), DateiZiel::Auswertung);
    EXPECT_EQ(ZielFuerDatei(pfad("falsch_benannt.hpx")), DateiZiel::Auswertung);
    EXPECT_EQ(ZielFuerDatei(pfad("route.HPX")), DateiZiel::Gesamtprofil);
    EXPECT_EQ(ZielFuerDatei(pfad("umbenannt.txt")), DateiZiel::Gesamtprofil);
    EXPECT_EQ(ZielFuerDatei(pfad("notiz.txt")), DateiZiel::Keines);
    EXPECT_EQ(ZielFuerDatei(pfad("fehlt.png")), DateiZiel::Auswertung);
    EXPECT_EQ(ZielFuerDatei(pfad("fehlt")), DateiZiel::Keines);
    EXPECT_EQ(ZielFuerDatei(pfad("fifo")), DateiZiel::Keines);

    EXPECT_TRUE(BeginntWieProfilDatei("Version \t 2\n"));
    EXPECT_TRUE(BeginntWieProfilDatei("Version\t2"));
    EXPECT_FALSE(BeginntWieProfilDatei("Version"));
    EXPECT_FALSE(BeginntWieProfilDatei("Versionen"));
    EXPECT_FALSE(BeginntWieProfilDatei(" Version 2"));
}

TEST(HoprexDateien, DroppedProfileFilesLoadAndDroppedImagesAreEvaluated) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ASSERT_TRUE(QImageAusBitmap(RoutenScreenshot()).save(u.Pfad("schnitt.jpeg"), "JPEG", 100));
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(Route()));
    DateiAnlegen(u.Ordner.Datei("kaputt.bmp"), "kein Bild");
    DateiAnlegen(u.Ordner.Datei("notiz.txt"), "kein Bild");

    EXPECT_FALSE(Ziehen(f, {u.Pfad("notiz.txt")}));
    EXPECT_FALSE(Ziehen(f, {u.Pfad("route.hpx"), u.Pfad("schnitt.jpeg")}));
    QMimeData fremd;
    fremd.setUrls({QUrl("https://example.org/schnitt.png")});
    EXPECT_FALSE(Ziehen(f, fremd));
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // A profile file is loaded into the route as "Öffnen" loads it, window lengths included.
    ASSERT_TRUE(Ziehen(f, {u.Pfad("route.hpx")}));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_EQ(f.T_Schwelle->text(), "700");
    EXPECT_EQ(f.Daten.Dateiname, "route");
    EXPECT_EQ(f.Daten.VerzeichnisLaden, u.Ordner.Pfad().string());

    // A JPEG screenshot is evaluated as a clipboard bitmap is; the route stays.
    ASSERT_TRUE(Ziehen(f, {u.Pfad("schnitt.jpeg")}));
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_EQ(f.E_HoeheMaxAktuell->text(), "1250");
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // A file that only looks like an image by its name is named in the message.
    ASSERT_TRUE(Ziehen(f, {u.Pfad("kaputt.bmp")}));
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Boxen[0].Titel, "Fehler");
    EXPECT_TRUE(u.Dialoge.Boxen[0].Text.startsWith("Fehler beim Öffnen der Datei\n" +
                                                   u.Pfad("kaputt.bmp") + "\n"))
        << u.Dialoge.Boxen[0].Text.toStdString();
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
}

TEST(HoprexDateien, ATrackOpenedOrDroppedBecomesTheCurrentProfileInOneStep) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const Testspur wahr = Huegelspur(151, 100.0);
    DateiAnlegen(u.Ordner.Datei("spur.gpx"), GpxAus(wahr));
    DateiAnlegen(u.Ordner.Datei("ohne_hoehen.gpx"), GpxAus(wahr, false));
    DateiAnlegen(u.Ordner.Datei("spur_ohne_endung"), GpxAus(wahr));
    EXPECT_EQ(ZielFuerDatei(u.Pfad("spur_ohne_endung")), DateiZiel::Spur);
    EXPECT_EQ(ZielFuerDatei(u.Pfad("fehlt.FIT")), DateiZiel::Spur);

    // The upper "Öffnen" offers the tracks beside the profile file.
    u.Dialoge.Pfade.push_back(u.Pfad("spur.gpx"));
    MausKlick(f.BT_AktuellWerteEinlesen);
    ASSERT_EQ(u.Dialoge.Fragen.size(), 1u);
    EXPECT_TRUE(u.Dialoge.Fragen[0].Filter.endsWith(";;GPS-Spuren (*.gpx *.tcx *.fit)"));
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 2);
    EXPECT_EQ(f.Daten.Aktuell.Abschnitte[1].Beschreibung, "Hügel und Tal 2");
    EXPECT_NEAR(f.Daten.Aktuell.Strecke, 15.0f, 0.001f);
    EXPECT_EQ(f.Verlauf.count(), 1);

    // A track without heights is refused by name and reason; nothing changes.
    ASSERT_TRUE(Ziehen(f, {u.Pfad("ohne_hoehen.gpx")}));
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_EQ(u.Dialoge.Boxen[0].Text, "Die Spur kann nicht gelesen werden\n" +
                                           u.Pfad("ohne_hoehen.gpx") +
                                           "\nDie Spur hat keine Höhenangaben");
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 2);
    EXPECT_EQ(f.Verlauf.count(), 1);

    // Dropped, known by its content: one more step, which Ctrl+Z takes back.
    u.Dialoge.Boxen.clear();
    f.Daten.SpurAbstand = 100;
    ASSERT_TRUE(Ziehen(f, {u.Pfad("spur_ohne_endung")}));
    EXPECT_TRUE(u.Dialoge.Boxen.empty());
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_EQ(f.Daten.Aktuell.Abschnitte[0].Beschreibung, "Hügel und Tal 1");
    EXPECT_EQ(f.Verlauf.count(), 2);
    Taste(f.LB_HAbschnitteGesamt, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 2);
}

TEST(HoprexDateien, AFileNamedOnTheCommandLine) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(Route()));
    ASSERT_TRUE(QImageAusBitmap(RoutenScreenshot()).save(u.Pfad("schnitt.png")));

    // A path relative to the folder the program was started in: the next "Öffnen" starts in
    // the file's folder all the same.
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(u.Pfad(""));
    f.DateiOeffnen("route.hpx");
    f.DateiOeffnen("schnitt.png");
    QDir::setCurrent(vorher);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_EQ(f.Daten.VerzeichnisLaden, u.Ordner.Pfad().string());
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // Anything else is tried as a profile file, with that load's message.
    f.DateiOeffnen(u.Pfad("fehlt"));
    EXPECT_EQ(u.Dialoge.Boxen,
              (std::vector<TestDialoge::Box>{{false, "Fehler", "Fehler beim Öffnen der Datei"}}));
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
}

TEST(HoprexDateien, TheProgramTakesOneFileAndKnowsItsVersion) {
    QProcess p;
    p.start(HOPREX_PATH, {"--version"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardOutput().trimmed(), "Hoprex 2.21");

    p.start(HOPREX_PATH, {"a.hpx", "b.png"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    // (Qt may warn about the test machine's session first.)
    EXPECT_TRUE(p.readAllStandardError().endsWith(
        "hoprex: nur eine Datei angeben\nMehr mit: hoprex --help\n"));
}

TEST(HoprexDateien, AnImageFileCopiedInAFileManagerIsTakenFromTheClipboard) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    ASSERT_TRUE(QImageAusBitmap(RoutenScreenshot()).save(u.Pfad("schnitt.png")));
    DateiAnlegen(u.Ordner.Datei("route.hpx"), ProfilDateiInhalt(Route()));

    // A profile file on the clipboard is no screenshot: nothing happens.
    DateiInAblage(u.Pfad("route.hpx"), false);
    MausKlick(f.BT_BMPAusZwischenablage);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);

    DateiInAblage(u.Pfad("schnitt.png"), false);
    MausKlick(f.BT_BMPAusZwischenablage);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_EQ(f.E_HoeheMaxAktuell->text(), "1250");

    // Ctrl+V in a number edit takes the file, not its path as text.
    MausKlick(f.BT_AktuellWerteEinlesen); // cancelled: the current profile is empty again
    ASSERT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
    DateiInAblage(u.Pfad("schnitt.png"), true);
    f.T_Steigung->setFocus();
    Taste(f.T_Steigung, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 1);
    EXPECT_EQ(f.T_Steigung->text(), "30");

    // The copied file is gone by the time the button is pressed.
    MausKlick(f.BT_AktuellWerteEinlesen);
    QFile::remove(u.Pfad("schnitt.png"));
    MausKlick(f.BT_BMPAusZwischenablage);
    ASSERT_EQ(u.Dialoge.Boxen.size(), 1u);
    EXPECT_TRUE(u.Dialoge.Boxen[0].Text.contains(u.Pfad("schnitt.png")));
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
}

// File names are bytes: one that is not valid UTF-8 opens from the command line and by a drop.
TEST(HoprexDateien, ARouteFileWhoseNameIsNoUtf8Opens) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const std::string latin1 = u.Ordner.Datei("Stra\xDF"
                                              "e.hpx");
    DateiAnlegen(latin1, ProfilDateiInhalt(Route()));
    f.PfadOeffnen(latin1);
    EXPECT_EQ(f.LB_HAbschnitteGesamt->count(), 2);
    EXPECT_EQ(f.Daten.GesamtDatei, latin1);
    EXPECT_TRUE(u.Dialoge.Boxen.empty());

    // As a file manager offers it: the URL's escapes are the name's bytes.
    QMimeData gezogen;
    gezogen.setData("text/uri-list",
                    "file://" + QByteArray::fromStdString(latin1).toPercentEncoding("/") + "\r\n");
    EXPECT_EQ(EinzelneDatei(&gezogen), latin1);
    EXPECT_EQ(ZielFuerDatei(latin1), DateiZiel::Gesamtprofil);
}

// "hoprex -r.hpx" as typed in the folder of that file: a name no option has is a file.
TEST(HoprexDateien, AnArgumentThatBeginsWithADashIsAFileUnlessAnOptionHasThatName) {
    TempDir dir;
    DateiAnlegen(dir.Datei("-r.hpx"), ProfilDateiInhalt(Route()));
    DateiAnlegen(dir.Datei("--version"), "");
    QProcess p;
    p.setWorkingDirectory(QString::fromStdString(dir.Pfad().string()));
    p.start(HOPREX_PATH, {"-r.hpx", "--", "-x.hpx"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().endsWith("hoprex: nur eine Datei angeben\n"
                                                  "Mehr mit: hoprex --help\n"));
    // A real option stays one, also where a file has its name; a mistyped one is reported.
    p.start(HOPREX_PATH, {"--version"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardOutput().trimmed(), "Hoprex 2.21");
    p.start(HOPREX_PATH, {"--versoin"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().contains("versoin"));

    // A name that is no UTF-8 keeps its bytes (a QProcess argument could not carry it).
    const std::string latin1 = "Stra\xDF"
                               "e.hpx";
    EXPECT_EQ(AufrufTeilen({"hoprex", latin1}, {"version"}).Dateien, std::vector{latin1});
}

TEST(HoprexDateien, AFifoWithAnImageNameIsRefusedAtOnceEveryWayItComes) {
    FensterUmgebung u;
    THoprex& f = u.Starten();
    const std::string fifo = u.Ordner.Datei("x.png");
    FifoAnlegen(fifo);
    const QString pfad = u.Pfad("x.png");
    const TestDialoge::Box meldung{false, "Fehler",
                                   "Fehler beim Öffnen der Datei\n" + pfad +
                                       "\nDas ist keine reguläre Datei."};

    EXPECT_FALSE(WartetAufFifo(fifo, [&] { f.DateiOeffnen(pfad); })) << "command line";
    EXPECT_FALSE(WartetAufFifo(fifo, [&] { Ziehen(f, {pfad}); })) << "drop";
    DateiInAblage(pfad, false);
    EXPECT_FALSE(WartetAufFifo(fifo, [&] { MausKlick(f.BT_BMPAusZwischenablage); }))
        << "Aus Ablage";
    EXPECT_EQ(u.Dialoge.Boxen, (std::vector<TestDialoge::Box>(3, meldung)));
    EXPECT_EQ(f.LB_HAbschnitteAktuell->count(), 0);
}
